// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/sitepaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vistaro {

namespace {

QDir folderOf(const QString& siteFile) {
    return siteFile.isEmpty() ? QDir::current() : QFileInfo(siteFile).absoluteDir();
}

} // namespace

QString picturePath(const QString& siteFile, const QString& named) {
    return QDir::cleanPath(folderOf(siteFile).absoluteFilePath(named));
}

QString pictureName(const QString& siteFile, const QString& picture) {
    const QString full = QFileInfo(picture).absoluteFilePath();
    if (siteFile.isEmpty())
        return full;
    const QString relative = folderOf(siteFile).relativeFilePath(full);
    return relative.startsWith(QStringLiteral("../")) || QDir::isAbsolutePath(relative) ? full
                                                                                        : relative;
}

QString exportPath(const QString& siteFile, const QString& unnamed, const QString& suffix) {
    const QString folder = siteFile.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : QFileInfo(siteFile).absolutePath();
    const QString name = siteFile.isEmpty() ? unnamed : QFileInfo(siteFile).completeBaseName();
    return QDir(folder).filePath(name + u'.' + suffix);
}

QStringList recentFiles(QStringList files, const QString& opened, int keep) {
    files.removeAll(opened);
    files.prepend(opened);
    while (files.size() > keep)
        files.removeLast();
    return files;
}

} // namespace vistaro
