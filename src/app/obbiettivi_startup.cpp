// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/calculatorrows.h"
#include "app/cddrivemenu.h"
#include "app/obbiettivi.h"
#include "app/settingsfile.h"
#include "catalogue/catalogueloader.h"
#include "platform/datapaths.h"
#include "platform/driveroots.h"
#include "platform/messagebox.h"
#include "platform/settingspath.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTimer>
#include <utility>

namespace vistaro {

void Obbiettivi::Form_Load() {
    m_public.Drive = defaultDriveRoot();
    m_private.SensorHeight = DefaultSensorHeight;
    m_program.IrisCode = DefaultIrisCode;
    m_program.LensTypeCode = DefaultLensTypeCode;
    // The stored values start as the texts the fields show; the focal lengths drive.
    m_calculator->storeShownTexts();

    const QString path = settingsFilePath();
    if (probeSettings(path).isEmpty()) {
        startFirstRun();
        if (const std::optional<QString> problem = oversizedSettingsMessage(path))
            showMessage(m_hub->languageChooser(), *problem);
        return;
    }
    Settings settings{m_program.DecimalSeparator, m_program.OtherSeparator, m_program.LanguageFile,
                      m_public.Drive};
    loadSettings(path, settings);
    m_program.DecimalSeparator = settings.DecimalSeparator;
    m_program.OtherSeparator = settings.OtherSeparator;
    m_program.LanguageFile = settings.LanguageFile;
    m_public.Drive = settings.Drive;
    applyInterfaceLanguage(m_program.LanguageFile);

    m_cdDrive->showRoot(m_public.Drive);
    loadCatalogue(catalogueFileName(m_program.DecimalSeparator));
    m_timerMove->start();
    centreOnScreen();
    show();
}

// No settings yet: the language chooser completes the start and shows the main window, centred.
void Obbiettivi::startFirstRun() {
    applyInterfaceLanguage(QString());
    m_hub->showLanguageChooser();
    centreOnScreen();
    hide();
    m_timerMove->stop();
    m_cdDrive->showRoot(m_public.Drive);
}

// Switched off first: a message about an unreadable language file must not let it tick again.
// Armed by a pick, it applies the file quietly: the pick has reported any problem with it.
void Obbiettivi::TimerMove_Timer() {
    m_timerMove->stop();
    applyLanguageFile(m_program.LanguageFile, !std::exchange(m_armedByPick, false));
}

void Obbiettivi::saveSettingsFile() {
    const Settings settings{m_program.DecimalSeparator, m_program.OtherSeparator,
                            m_program.LanguageFile, m_public.Drive};
    if (const std::optional<QString> failure = vistaro::saveSettings(settingsFilePath(), settings))
        showMessage(this, *failure);
}

void Obbiettivi::loadCatalogue(const QString& fileName) {
    if (const std::optional<QString> problem = vistaro::CaricaDatiDa(
            fileName, dataFolders(), m_program.LensCatalogue, m_private.Blocks))
        showMessage(this, *problem);
}

void Obbiettivi::enableTimerMove() {
    m_armedByPick = true;
    m_timerMove->start();
}

void Obbiettivi::Form_Unload() {
    QApplication::quit();
}

void Obbiettivi::closeEvent(QCloseEvent* event) {
    if (!m_hub->sitePlanClosed()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

} // namespace vistaro
