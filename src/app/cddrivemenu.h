// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/driveroots.h"

#include <QList>
#include <QMenu>
#include <QString>
#include <functional>

namespace vistaro {

// The CD Drive menu, which chooses the root of the product CD: the volumes mounted when it
// opens (the drive letters on Windows) and, elsewhere than Windows, "Other folder..." for a copy
// on disk. The root in use is checked; one that no volume has shows as a checked item of its
// own, labelled with its path.
class CdDriveMenu : public QMenu {
    Q_OBJECT

public:
    explicit CdDriveMenu(QWidget* parent = nullptr);

    // Lists the drives (cdDriveRoots() unless replaced).
    using DriveLister = std::function<QList<DriveRoot>()>;
    void setDriveLister(DriveLister lister) { m_driveLister = std::move(lister); }

    // Checks the item of `root`, the root in use.
    void showRoot(const QString& root);

signals:
    // The user chose `root`; the menu checks it once the receivers have taken it.
    void rootChosen(const QString& root);

private:
    struct DriveItem {
        QAction* action;
        QString root;
    };

    // The drives as the lister gives them now, each checked when its root is in use.
    void listDrives();
    void choose(const QString& root);
    void otherFolderClick();

    QList<DriveItem> m_driveItems;
    QAction* m_folderItem = nullptr; // the root in use that is no drive's, elsewhere than Windows
    QString m_root;
    DriveLister m_driveLister = cdDriveRoots;
};

} // namespace vistaro
