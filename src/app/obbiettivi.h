// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/windowhub.h"
#include "lang/interfacetranslator.h"
#include "state/sharedstate.h"

#include <QMainWindow>
#include <QString>
#include <memory>

class QAction;
class QMenu;
class QPushButton;
class QTimer;

namespace vistaro {

class CalculatorRows;
class CdDriveMenu;
class OptionGroups;

// The main window: the three option groups, the logo, the calculator with its two rows and the
// menus. It owns the main window's public and private variables and reaches the program-wide
// ones through the reference it is given. The other windows are its hub's, which pushes to them
// what it holds and carries out what they ask.
class Obbiettivi : public QMainWindow {
    Q_OBJECT

public:
    explicit Obbiettivi(ProgramState& program, QWidget* parent = nullptr);
    ~Obbiettivi() override;

    MainPublic& publicState() { return m_public; }
    const MainPublic& publicState() const { return m_public; }
    MainPrivate& privateState() { return m_private; }

    QTimer* TimerMove() const { return m_timerMove; }
    CdDriveMenu* CDDrive() const { return m_cdDrive; }
    QMenu* Tools() const { return m_tools; }
    QAction* OpenCoverage() const { return m_openCoverage; }
    QAction* OpenLensFinder() const { return m_openLensFinder; }
    QAction* OpenSitePlan() const { return m_openSitePlan; }
    WindowHub& hub() const { return *m_hub; }

    // Start-up: defaults, settings, the CD drive's check mark, the catalogue, TimerMove.
    void Form_Load();
    // Every setting was saved when it changed, so closing ends the program at once.
    void Form_Unload();

    // Puts the texts of the language file `lingua` in their places; a file that cannot be read
    // keeps every text on show and says so once.
    void CaricaLingua(const QString& lingua);
    // Writes the four settings; a failure is reported once, naming the file.
    void saveSettingsFile();
    // Arms TimerMove for a language that the chooser has applied.
    void enableTimerMove();
    QString separatorQuestion() const;
    // Loads the catalogue file `fileName` (a bare name); a problem is reported once.
    void loadCatalogue(const QString& fileName);

    void Focale1_Click();
    void L1_Click();
    void H1_Click();
    void V1_Click();
    void Focale2_Click();
    void L2_Click();
    void H2_Click();
    void V2_Click();
    void CalcoloFocale_Timer();
    void TimerMove_Timer();

    void un_Click();
    void dueterzi_Click();
    void unmezzo_Click();
    void unterzo_Click();
    void unquarto_Click();
    void FF_Click();
    void HSP_Click();
    void VAR_Click();
    void zoom_Click();
    void Manual_Click();
    void DC_Click();
    void VD_Click();
    void M_Click();

    void DecSeparator_Click();
    void Language_Click();
    void MarvantoCons_Click();
    void OpenCoverage_Click();
    void OpenLensFinder_Click();
    void OpenSitePlan_Click();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildClient();
    void buildMenus();
    void buildToolsMenu();
    void retranslateTools();
    // Accessible names of the controls whose captions say little alone.
    void nameControls();
    void applyInterfaceLanguage(const QString& languageFile);
    void applyLanguageFile(const QString& lingua, bool reportProblem);
    void connectHandlers();
    void centreOnScreen();

    void setLensLayout(bool zoom, const QString& code);
    // The client area for one calculator row, or two for a zoom.
    void setClientHeight(bool zoom);

    void startFirstRun();

    ProgramState& m_program;
    MainPublic m_public;
    MainPrivate m_private;

    QWidget* m_client = nullptr;
    std::unique_ptr<OptionGroups> m_options;
    QPushButton* m_marvantoCons = nullptr;
    CalculatorRows* m_calculator = nullptr;
    QTimer* m_calcoloFocale = nullptr;
    QTimer* m_timerMove = nullptr;

    CdDriveMenu* m_cdDrive = nullptr;
    QMenu* m_tools = nullptr;
    QAction* m_openCoverage = nullptr;
    QAction* m_openLensFinder = nullptr;
    QAction* m_openSitePlan = nullptr;
    QAction* m_about = nullptr;
    InterfaceTranslator m_translator;
    std::unique_ptr<WindowHub> m_hub;

    bool m_armedByPick = false; // TimerMove was armed by the language chooser's pick
};

} // namespace vistaro
