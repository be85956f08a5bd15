// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "match/datasheet.h"

#include "match/catalogueentry.h"
#include "platform/nativepath.h"
#include "platform/numberformat.h"

#include <QFile>

namespace vistaro {

namespace {

// A datasheet counts as readable when its first line can be read and is not empty; a missing
// disc, an absent file and an empty file all fail alike.
bool firstLineReadable(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // The first line ends at the first CR or LF.
    const QByteArray line = file.readLine();
    return !line.isEmpty() && line.front() != '\r' && line.front() != '\n';
}

} // namespace

const LensRecord* entryOnShow(const Catalogue& catalogue, const QString& pdfAttuale) {
    const auto number = num::toDouble(pdfAttuale);
    if (!number)
        return nullptr;
    const auto index = num::roundHalfEven(*number);
    return index ? entryAt(catalogue, *index) : nullptr;
}

QString datasheetPath(const QString& drive, const LensRecord& lens) {
    return toNativeSeparators(drive + QStringLiteral("Pdf\\Obiettivi\\") + lens.PdfFolder +
                              lens.Name + QStringLiteral(".pdf"));
}

bool namesDatasheet(const LensRecord& lens) {
    return lens.PdfFolder != QStringLiteral("XX");
}

std::optional<QString> datasheetOf(const QString& drive, const LensRecord& lens) {
    if (!namesDatasheet(lens))
        return std::nullopt;
    return datasheetPath(drive, lens);
}

DatasheetCheck checkDatasheet(const Catalogue& catalogue, const MainPublic& main) {
    const LensRecord* lens = entryOnShow(catalogue, main.PDFattuale);
    if (!lens)
        return {};
    return checkDatasheetOf(*lens, main.Drive);
}

DatasheetCheck checkDatasheetOf(const LensRecord& lens, const QString& drive) {
    const std::optional<QString> path = datasheetOf(drive, lens);
    if (!path)
        return {};
    return {firstLineReadable(*path) ? DatasheetCheck::Outcome::Open
                                     : DatasheetCheck::Outcome::InsertCd,
            *path};
}

} // namespace vistaro
