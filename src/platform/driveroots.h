// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
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

// The CD drive a fresh start assumes: "D:\" on Windows; elsewhere the first that exists of a
// mounted optical disc (iso9660 or udf), the sample datasheets in a data folder ("cd/") and
// "/media/cdrom/".
QString defaultDriveRoot();

// The CD-drive menu's items: "C:" to "G:" on Windows; elsewhere the mounted, ready volumes with
// a trailing "/" on each root.
QList<DriveRoot> cdDriveRoots();

// The objectName of the CD-drive menu item for `drive`, the `index`th of cdDriveRoots(): its
// letter on Windows ("f" for F:, as it always was), a running number for mounted volumes.
QString driveItemName(const DriveRoot& drive, qsizetype index);

// Whether the CD-drive menu also offers any folder, for a copy of the product CD: elsewhere
// than Windows, where the CD itself may be mounted anywhere.
#ifdef Q_OS_WIN
constexpr bool DriveMenuOffersAnyFolder = false;
#else
constexpr bool DriveMenuOffersAnyFolder = true;
#endif

// Every drive (Windows) or mounted, ready volume (elsewhere), for a drive list.
QList<DriveRoot> availableDrives();

} // namespace vistaro
