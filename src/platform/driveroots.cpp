// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/driveroots.h"

#include "platform/datapaths.h"

#include <QDir>
#include <QStorageInfo>

namespace vistaro {

#ifndef Q_OS_WIN
namespace {

QString withTrailingSlash(QString folder) {
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

QList<QStorageInfo> readyVolumes() {
    QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    volumes.removeIf(
        [](const QStorageInfo& volume) { return !volume.isValid() || !volume.isReady(); });
    return volumes;
}

} // namespace
#endif

QString defaultDriveRoot() {
#ifdef Q_OS_WIN
    return QStringLiteral("D:\\");
#else
    for (const QStorageInfo& volume : readyVolumes()) {
        const QByteArray type = volume.fileSystemType();
        if (type == "iso9660" || type == "udf")
            return withTrailingSlash(volume.rootPath());
    }
    // The sample datasheets installed with the program, so that a fresh install opens them.
    for (const QString& folder : dataFolders()) {
        const QDir samples(folder + QStringLiteral("/cd"));
        if (samples.exists())
            return withTrailingSlash(samples.path());
    }
    return QStringLiteral("/media/cdrom/");
#endif
}

QList<DriveRoot> availableDrives() {
    QList<DriveRoot> drives;
#ifdef Q_OS_WIN
    for (const QFileInfo& drive : QDir::drives()) {
        const QString root = QDir::toNativeSeparators(drive.absolutePath());
        drives.append({root.left(2), root});
    }
#else
    for (const QStorageInfo& volume : readyVolumes()) {
        const QString root = withTrailingSlash(volume.rootPath());
        drives.append({root, root});
    }
#endif
    return drives;
}

QString driveItemName(const DriveRoot& drive, qsizetype index) {
#ifdef Q_OS_WIN
    Q_UNUSED(index);
    const QString letter = drive.caption.left(1);
    return letter == u"F" ? QStringLiteral("f") : letter;
#else
    Q_UNUSED(drive);
    return QStringLiteral("Volume%1").arg(index + 1);
#endif
}

QList<DriveRoot> cdDriveRoots() {
#ifdef Q_OS_WIN
    QList<DriveRoot> drives;
    for (const char letter : {'C', 'D', 'E', 'F', 'G'})
        drives.append({QStringLiteral("%1:").arg(QChar::fromLatin1(letter)),
                       QStringLiteral("%1:\\").arg(QChar::fromLatin1(letter))});
    return drives;
#else
    return availableDrives();
#endif
}

} // namespace vistaro
