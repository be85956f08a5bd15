// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/lensrecord.h"

#include <QStringList>

namespace vistaro::test {

// One entry per text: "TypeCode|Name|Iris|FocalMin|FocalMax|FStop|Note|MinFocus|PdfFolder".
inline Catalogue catalogueOf(const QStringList& rows) {
    Catalogue catalogue;
    for (const QString& row : rows) {
        const QStringList f = row.split(u'|');
        catalogue.append({f.value(0), f.value(1), f.value(2), f.value(3), f.value(4), f.value(5),
                          f.value(6), f.value(7), f.value(8)});
    }
    return catalogue;
}

} // namespace vistaro::test
