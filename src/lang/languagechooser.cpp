// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/languagechooser.h"

#include "catalogue/catalogueloader.h"
#include "lang/directorylist.h"
#include "lang/filelist.h"
#include "lang/languagechooserhost.h"
#include "lang/separatorquestion.h"
#include "platform/driveroots.h"
#include "platform/forms.h"
#include "platform/nativepath.h"
#include "state/sharedstate.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QStorageInfo>

namespace vistaro {

namespace {

constexpr int RootRole = Qt::UserRole;

// The root of the drive that holds the working directory.
QString workingRoot() {
    return QStorageInfo(QDir::currentPath()).rootPath();
}

// Where a drive opens: the working directory when it lies on that drive, otherwise its root.
QString startFolder(const QString& root) {
    return sameFolder(root, workingRoot()) ? QDir::currentPath() : root;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, int left, int top,
                  int width, int height) {
    auto* label = place<QLabel>(parent, name, left, top, width, height);
    label->setText(caption);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

} // namespace

frmSceltaLingua::frmSceltaLingua(ProgramState& state, LanguageChooserHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), m_state(state), m_host(host) {
    setObjectName(QStringLiteral("frmSceltaLingua"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Language"));
    setWindowIconIfPresent(this, LanguageIcon);
    setFont(arial(8.25));
    resize(twipsToPixels(3870, this), twipsToPixels(3420, this));

    File1 = new FileList(QStringLiteral("*.lng"), this);
    File1->setObjectName(QStringLiteral("File1"));
    setTwipsGeometry(File1, 2160, 1440, 1575, 1770);
    Drive1 = place<QComboBox>(this, "Drive1", 2160, 480, 1575, 330);
    Dir1 = place<DirectoryList>(this, "Dir1", 120, 480, 1935, 2730);
    Label3 = makeLabel(this, "Label3", QStringLiteral("Language:"), 2280, 1080, 1455, 255);
    Label2 = makeLabel(this, "Label2", QStringLiteral("Drive:"), 2160, 120, 1575, 375);
    Label1 = makeLabel(this, "Label1", QStringLiteral("Path:"), 120, 120, 1935, 375);
    // The captions above the lists stay as they are; a screen reader says these names.
    Dir1->setAccessibleName(tr("Folders"));
    Drive1->setAccessibleName(tr("Drive"));
    File1->setAccessibleName(tr("Language files"));
    setTabOrder(Dir1, Drive1);
    setTabOrder(Drive1, File1);
    Dir1->setFocus();

    // All three lists start at the working directory.
    const QString root = workingRoot();
    for (const DriveRoot& drive : availableDrives())
        Drive1->addItem(drive.caption, drive.root);
    int current = -1;
    for (int i = 0; i < Drive1->count() && current < 0; ++i) {
        if (sameFolder(Drive1->itemData(i, RootRole).toString(), root))
            current = i;
    }
    if (current < 0) {
        Drive1->addItem(QDir::toNativeSeparators(root), root);
        current = Drive1->count() - 1;
    }
    Drive1->setCurrentIndex(current);
    Dir1->setPath(QDir::currentPath());
    File1->setPath(Dir1->path());

    connect(Drive1, &QComboBox::currentIndexChanged, this, &frmSceltaLingua::Drive1_Change);
    connect(Dir1, &DirectoryList::changed, this, &frmSceltaLingua::Dir1_Change);
    connect(File1, &QListWidget::itemClicked, this, &frmSceltaLingua::File1_Click);
    connect(File1, &QListWidget::itemActivated, this, &frmSceltaLingua::File1_Click);
}

void frmSceltaLingua::Drive1_Change() {
    // A drive that is not ready leaves both lists where they were.
    Dir1->setPath(startFolder(Drive1->currentData(RootRole).toString()));
    File1->setPath(Dir1->path());
}

void frmSceltaLingua::Dir1_Change() {
    File1->setPath(Dir1->path());
}

void frmSceltaLingua::File1_Click() {
    // One pick per showing: a click that arrives while the separator question is open is not
    // a second pick.
    if (m_picked || File1->fileName().isEmpty())
        return;
    m_picked = true;

    m_state.LanguageFile = File1->path() + QDir::separator() + File1->fileName();
    m_host.CaricaLingua(m_state.LanguageFile);
    m_host.saveSettingsFile();
    m_host.showMainWindow();
    m_host.enableTimerMove();
    askDecimalSeparator(this, m_state, m_host.separatorQuestion());
    m_host.saveSettingsFile();
    m_host.loadCatalogue(catalogueFileName(m_state.DecimalSeparator));
    close();
}

void frmSceltaLingua::closeEvent(QCloseEvent* event) {
    if (!m_picked)
        emit closedWithoutPick();
    QWidget::closeEvent(event);
}

void frmSceltaLingua::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_centred)
        return;
    m_centred = true;
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}

} // namespace vistaro
