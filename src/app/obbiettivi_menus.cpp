// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cddrivemenu.h"
#include "app/obbiettivi.h"
#include "lang/languagefile.h"
#include "lang/separatorquestion.h"

#include <QAction>
#include <QMenuBar>

namespace vistaro {

void Obbiettivi::buildMenus() {
    QMenuBar* bar = menuBar();
    QAction* language = bar->addAction(QStringLiteral("&Lingua"));
    language->setObjectName(QStringLiteral("Language"));
    connect(language, &QAction::triggered, this, &Obbiettivi::Language_Click);
    QAction* decSeparator = bar->addAction(QStringLiteral("&Separatore Decimale"));
    decSeparator->setObjectName(QStringLiteral("DecSeparator"));
    connect(decSeparator, &QAction::triggered, this, &Obbiettivi::DecSeparator_Click);

    m_cdDrive = new CdDriveMenu(bar);
    bar->addMenu(m_cdDrive);
    connect(m_cdDrive, &CdDriveMenu::rootChosen, this, [this](const QString& root) {
        m_public.Drive = root;
        saveSettingsFile();
    });
    buildToolsMenu();
}

void Obbiettivi::DecSeparator_Click() {
    askDecimalSeparator(this, m_program, separatorQuestion());
    saveSettingsFile();
}

QString Obbiettivi::separatorQuestion() const {
    return vistaro::separatorQuestion(m_public.Sep);
}

} // namespace vistaro
