// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "finder/datasheetfolders.h"

#include <QDir>
#include <algorithm>

namespace vistaro {

bool DatasheetFolders::exists(const QString& path) {
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    const QString folder = cut < 0 ? QStringLiteral(".") : path.left(cut + 1);
    auto listing = m_listings.find(folder);
    if (listing == m_listings.end()) {
        const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        listing = m_listings.insert(folder, QSet<QString>(names.begin(), names.end()));
    }
    return listing->contains(path.mid(cut + 1));
}

} // namespace vistaro
