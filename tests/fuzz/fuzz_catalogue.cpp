// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any file: N lines give N + 2 rows, the last two empty, no message (far below the line limit).
#include "catalogue/catalogueloader.h"
#include "fuzzinput.h"

#include <QFileInfo>

using namespace vistaro;

void vistaro::fuzz::check(const QByteArray& input, const QString& path) {
    // CR LF, CR or LF ends a line; a last line without an end counts.
    QByteArray ends = input;
    ends.replace("\r\n", "\n").replace('\r', '\n');
    const qsizetype lines = ends.count('\n') + (ends.isEmpty() || ends.endsWith('\n') ? 0 : 1);

    Catalogue catalogue(3);
    BlockBounds bounds;
    const QFileInfo file(path);
    require(!CaricaDatiDa(file.fileName(), {file.path()}, catalogue, bounds));
    require(catalogue.size() == lines + 2);
    require(catalogue.last() == LensRecord{} && catalogue[catalogue.size() - 2] == LensRecord{});
}
