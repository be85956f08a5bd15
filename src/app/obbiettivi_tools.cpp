// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aboutbox.h"
#include "app/obbiettivi.h"
#include "lang/interfacelanguage.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>

namespace vistaro {

// The windows beyond the calculator open from this menu, at the right end of the menu bar. Its
// texts are translated with Qt's own system, unlike the language file's captions.
void Obbiettivi::buildToolsMenu() {
    m_tools = menuBar()->addMenu(QString());
    m_tools->setObjectName(QStringLiteral("Tools"));
    m_openCoverage = m_tools->addAction(QString());
    m_openCoverage->setObjectName(QStringLiteral("OpenCoverage"));
    m_openCoverage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(m_openCoverage, &QAction::triggered, this, &Obbiettivi::OpenCoverage_Click);
    m_openLensFinder = m_tools->addAction(QString());
    m_openLensFinder->setObjectName(QStringLiteral("OpenLensFinder"));
    m_openLensFinder->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(m_openLensFinder, &QAction::triggered, this, &Obbiettivi::OpenLensFinder_Click);
    m_openSitePlan = m_tools->addAction(QString());
    m_openSitePlan->setObjectName(QStringLiteral("OpenSitePlan"));
    m_openSitePlan->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(m_openSitePlan, &QAction::triggered, this, &Obbiettivi::OpenSitePlan_Click);
    m_tools->addSeparator();
    m_about = m_tools->addAction(QString());
    m_about->setObjectName(QStringLiteral("About"));
    m_about->setMenuRole(QAction::AboutRole);
    connect(m_about, &QAction::triggered, this, [this] {
        auto* box = new AboutBox(this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
    retranslateTools();
}

void Obbiettivi::OpenCoverage_Click() {
    m_hub->openCoverage();
}
void Obbiettivi::OpenLensFinder_Click() {
    m_hub->openLensFinder();
}
void Obbiettivi::OpenSitePlan_Click() {
    m_hub->openSitePlan();
}

void Obbiettivi::retranslateTools() {
    m_tools->setTitle(tr("&Tools"));
    m_openCoverage->setText(tr("&Coverage..."));
    m_openLensFinder->setText(tr("Lens &finder..."));
    m_openSitePlan->setText(tr("&Site plan..."));
    // Its first letter is its access key, in every language.
    m_about->setText(QStringLiteral("&") + tr("About Vistaro"));
}

// The windows beyond the calculator follow the language of `languageFile`.
void Obbiettivi::applyInterfaceLanguage(const QString& languageFile) {
    m_translator.apply(interfaceLanguage(languageFile));
}

void Obbiettivi::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslateTools();
        nameControls();
    }
    QMainWindow::changeEvent(event);
}

} // namespace vistaro
