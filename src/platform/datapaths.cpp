// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/datapaths.h"

#include <QCoreApplication>
#include <QDir>

namespace vistaro {

namespace {

void appendOnce(QStringList& folders, const QString& folder) {
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity fileNameCase = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity fileNameCase = Qt::CaseSensitive;
#endif
    const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
    if (!folders.contains(clean, fileNameCase))
        folders.append(clean);
}

} // namespace

QStringList dataFolders() {
    QStringList folders;
    appendOnce(folders, QDir::currentPath());
    if (QCoreApplication::instance())
        appendOnce(folders,
                   QCoreApplication::applicationDirPath() + QStringLiteral("/../share/vistaro"));
    appendOnce(folders, QStringLiteral(VISTARO_DATA_DIR));
    if (QCoreApplication::instance())
        appendOnce(folders, QCoreApplication::applicationDirPath());
    return folders;
}

} // namespace vistaro
