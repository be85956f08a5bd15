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
        drives.append(
            {QStringLiteral("%1:").arg(QChar(letter)), QStringLiteral("%1:\\").arg(QChar(letter))});
    return drives;
#else
    return availableDrives();
#endif
}

} // namespace vistaro
