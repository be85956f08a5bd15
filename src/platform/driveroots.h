#pragma once

#include <QList>
#include <QString>

namespace vistaro {

// A drive the user can pick: what the menu or the drive list shows, and the root the program
// stores and builds paths from.
struct DriveRoot {
    QString caption;
    QString root;

    friend bool operator==(const DriveRoot&, const DriveRoot&) = default;
};

// The CD drive a fresh start assumes: "D:\" on Windows, "/media/cdrom/" elsewhere.
QString defaultDriveRoot();

// The CD-drive menu's items: "C:" to "G:" on Windows; elsewhere the mounted, ready volumes with
// a trailing "/" on each root.
QList<DriveRoot> cdDriveRoots();

// Every drive (Windows) or mounted, ready volume (elsewhere), for a drive list.
QList<DriveRoot> availableDrives();

} // namespace vistaro
