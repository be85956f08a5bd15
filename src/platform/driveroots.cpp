#include "platform/driveroots.h"

#include <QDir>
#include <QStorageInfo>

namespace vistaro {

QString defaultDriveRoot() {
#ifdef Q_OS_WIN
    return QStringLiteral("D:\\");
#else
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
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        QString root = volume.rootPath();
        if (!root.endsWith(u'/'))
            root += u'/';
        drives.append({root, root});
    }
#endif
    return drives;
}

QList<DriveRoot> cdDriveRoots() {
#ifdef Q_OS_WIN
    QList<DriveRoot> drives;
    for (const char letter : {'C', 'D', 'E', 'F', 'G'})
        drives.append(
            {QStringLiteral("%1:").arg(QChar(letter)), QStringLiteral("%1:\\").arg(QChar(letter))});
    return drives;
#else
    return availableDrives();
#endif
}

} // namespace vistaro
