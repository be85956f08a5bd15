#include "app/obbiettivi.h"
#include "lang/languagefile.h"
#include "platform/driveroots.h"
#include "platform/messagebox.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>

namespace vistaro {

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
    const QList<DriveRoot> drives = cdDriveRoots();
    for (qsizetype i = 0; i < drives.size(); ++i) {
        QAction* item = m_cdDrive->addAction(drives[i].caption);
        item->setObjectName(driveItemName(drives[i], i));
        item->setCheckable(true);
        m_driveItems.append({item, drives[i].root});
        connect(item, &QAction::triggered, this, [this, i] { cdDriveClick(m_driveItems[i]); });
    }
    if constexpr (DriveMenuOffersAnyFolder) {
        // A copy of the product CD may live in any folder.
        m_otherFolder = m_cdDrive->addAction(QStringLiteral("Other folder..."));
        m_otherFolder->setObjectName(QStringLiteral("OtherFolder"));
        m_otherFolder->setCheckable(true);
        connect(m_otherFolder, &QAction::triggered, this, &Obbiettivi::otherFolderClick);
    }
    m_folderPicker = [](QWidget* parent) {
        return QFileDialog::getExistingDirectory(parent, QStringLiteral("CD Drive"));
    };
    buildToolsMenu();
}

void Obbiettivi::markDriveItem(const QAction* item) {
    m_checkedDrive = item;
    for (const DriveItem& drive : m_driveItems)
        drive.action->setChecked(drive.action == item);
    if (m_otherFolder)
        m_otherFolder->setChecked(m_otherFolder == item);
}

void Obbiettivi::cdDriveClick(const DriveItem& item) {
    m_public.Drive = item.root;
    saveSettingsFile();
    markDriveItem(item.action);
}

void Obbiettivi::otherFolderClick() {
    const QString folder = m_folderPicker(this);
    if (folder.isEmpty()) {
        markDriveItem(m_checkedDrive);
        return;
    }
    QString root = QDir::fromNativeSeparators(folder);
    if (!root.endsWith(u'/'))
        root += u'/';
    cdDriveClick({m_otherFolder, root});
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
