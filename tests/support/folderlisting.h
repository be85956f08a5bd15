// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace vistaro::test {

// Names and sizes of a folder's entries: what a failed save must leave as it was.
inline QStringList listing(const QString& folder) {
    QStringList entries;
    for (const QFileInfo& info : QDir(folder).entryInfoList(
             QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name))
        entries << QStringLiteral("%1 %2").arg(info.fileName()).arg(info.size());
    return entries;
}

} // namespace vistaro::test
