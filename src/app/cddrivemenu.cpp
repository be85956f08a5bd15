// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cddrivemenu.h"

#include "platform/dialogs.h"

#include <QAction>
#include <QDir>
#include <algorithm>
#include <utility>

namespace vistaro {

namespace {

// A path as a menu item's caption: every "&" shown, none taken as an access key.
QString itemCaption(const QString& path) {
    return QDir::toNativeSeparators(path).replace(u'&', QStringLiteral("&&"));
}

} // namespace

CdDriveMenu::CdDriveMenu(QWidget* parent) : QMenu(QStringLiteral("&CD Drive"), parent) {
    setObjectName(QStringLiteral("CDDrive"));
    if constexpr (DriveMenuOffersAnyFolder) {
        // The root in use when no volume has it: a picked folder, the sample datasheets or a
        // disc not mounted now.
        m_folderItem = addAction(QString());
        m_folderItem->setObjectName(QStringLiteral("Folder"));
        m_folderItem->setCheckable(true);
        connect(m_folderItem, &QAction::triggered, this, [this] { choose(m_root); });
        // A copy of the product CD may live in any folder.
        QAction* otherFolder = addAction(QStringLiteral("Other folder..."));
        otherFolder->setObjectName(QStringLiteral("OtherFolder"));
        connect(otherFolder, &QAction::triggered, this, &CdDriveMenu::otherFolderClick);
    }
    // A disc mounted after start shows up the next time the menu opens.
    connect(this, &QMenu::aboutToShow, this, &CdDriveMenu::listDrives);
    listDrives();
}

void CdDriveMenu::listDrives() {
    for (const DriveItem& item : std::as_const(m_driveItems))
        delete item.action;
    m_driveItems.clear();
    const QList<DriveRoot> drives = m_driveLister();
    for (qsizetype i = 0; i < drives.size(); ++i) {
        auto* item = new QAction(itemCaption(drives[i].caption), this);
        item->setObjectName(driveItemName(drives[i], i));
        item->setCheckable(true);
        insertAction(m_folderItem, item);
        m_driveItems.append({item, drives[i].root});
        connect(item, &QAction::triggered, this, [this, root = drives[i].root] { choose(root); });
    }
    showRoot(m_root);
}

// Only an exact match checks a drive's item: a root that names none is the folder item, where
// the menu has one, and otherwise leaves every item unchecked.
void CdDriveMenu::showRoot(const QString& root) {
    m_root = root;
    const auto inUse = std::find_if(m_driveItems.cbegin(), m_driveItems.cend(),
                                    [&](const DriveItem& item) { return item.root == root; });
    for (auto item = m_driveItems.cbegin(); item != m_driveItems.cend(); ++item)
        item->action->setChecked(item == inUse);
    if (!m_folderItem)
        return;
    const bool folder = inUse == m_driveItems.cend() && !root.isEmpty();
    m_folderItem->setText(itemCaption(root));
    m_folderItem->setVisible(folder);
    m_folderItem->setChecked(folder);
}

// The main window stores and saves the root first, then the check marks follow.
void CdDriveMenu::choose(const QString& root) {
    emit rootChosen(root);
    showRoot(root);
}

void CdDriveMenu::otherFolderClick() {
    const QString folder = Dialogs::current().folder(
        parentWidget() ? parentWidget()->window() : nullptr, QStringLiteral("CD Drive"));
    if (folder.isEmpty())
        return;
    QString root = QDir::fromNativeSeparators(folder);
    if (!root.endsWith(u'/'))
        root += u'/';
    choose(root);
}

} // namespace vistaro
