// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/obbiettivi.h"
#include "lang/languagefile.h"
#include "platform/driveroots.h"
#include "platform/messagebox.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <utility>

namespace vistaro {

namespace {

// A path as a menu item's caption: every "&" shown, none taken as an access key.
QString itemCaption(const QString& path) {
    return QDir::toNativeSeparators(path).replace(u'&', QStringLiteral("&&"));
}

} // namespace

void Obbiettivi::buildMenus() {
    QMenuBar* bar = menuBar();
    m_language = bar->addAction(QStringLiteral("&Lingua"));
    m_language->setObjectName(QStringLiteral("Language"));
    connect(m_language, &QAction::triggered, this, &Obbiettivi::Language_Click);
    m_decSeparator = bar->addAction(QStringLiteral("&Separatore Decimale"));
    m_decSeparator->setObjectName(QStringLiteral("DecSeparator"));
    connect(m_decSeparator, &QAction::triggered, this, &Obbiettivi::DecSeparator_Click);

    m_cdDrive = bar->addMenu(QStringLiteral("&CD Drive"));
    m_cdDrive->setObjectName(QStringLiteral("CDDrive"));
    if constexpr (DriveMenuOffersAnyFolder) {
        // The root in use when no volume has it: a picked folder, the sample datasheets or a
        // disc not mounted now.
        m_folderItem = m_cdDrive->addAction(QString());
        m_folderItem->setObjectName(QStringLiteral("Folder"));
        m_folderItem->setCheckable(true);
        connect(m_folderItem, &QAction::triggered, this,
                [this] { chooseDriveRoot(m_public.Drive); });
        // A copy of the product CD may live in any folder.
        QAction* otherFolder = m_cdDrive->addAction(QStringLiteral("Other folder..."));
        otherFolder->setObjectName(QStringLiteral("OtherFolder"));
        connect(otherFolder, &QAction::triggered, this, &Obbiettivi::otherFolderClick);
    }
    // A disc mounted after start shows up the next time the menu opens.
    connect(m_cdDrive, &QMenu::aboutToShow, this, &Obbiettivi::listDrives);
    m_folderPicker = [](QWidget* parent) {
        return QFileDialog::getExistingDirectory(parent, QStringLiteral("CD Drive"));
    };
    listDrives();
    buildToolsMenu();
}

void Obbiettivi::listDrives() {
    for (const DriveItem& item : std::as_const(m_driveItems))
        delete item.action;
    m_driveItems.clear();
    const QList<DriveRoot> drives = m_driveLister();
    for (qsizetype i = 0; i < drives.size(); ++i) {
        auto* item = new QAction(itemCaption(drives[i].caption), m_cdDrive);
        item->setObjectName(driveItemName(drives[i], i));
        item->setCheckable(true);
        m_cdDrive->insertAction(m_folderItem, item);
        m_driveItems.append({item, drives[i].root});
        connect(item, &QAction::triggered, this,
                [this, root = drives[i].root] { chooseDriveRoot(root); });
    }
    showDriveInUse();
}

// Only an exact match checks a drive's item: a root that names none is the folder item, where
// the menu has one, and otherwise leaves every item unchecked.
void Obbiettivi::showDriveInUse() {
    const QString& root = m_public.Drive;
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

void Obbiettivi::chooseDriveRoot(const QString& root) {
    m_public.Drive = root;
    saveSettingsFile();
    showDriveInUse();
}

void Obbiettivi::otherFolderClick() {
    const QString folder = m_folderPicker(this);
    if (folder.isEmpty())
        return;
    QString root = QDir::fromNativeSeparators(folder);
    if (!root.endsWith(u'/'))
        root += u'/';
    chooseDriveRoot(root);
}

void Obbiettivi::DecSeparator_Click() {
    if (askYesNo(this, separatorQuestion())) {
        m_program.DecimalSeparator = QStringLiteral(",");
        m_program.OtherSeparator = QStringLiteral(".");
    } else {
        m_program.DecimalSeparator = QStringLiteral(".");
        m_program.OtherSeparator = QStringLiteral(",");
    }
    saveSettingsFile();
}

QString Obbiettivi::separatorQuestion() const {
    return vistaro::separatorQuestion(m_public.Sep);
}

} // namespace vistaro
