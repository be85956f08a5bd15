// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "coverage/coveragehost.h"
#include "finder/finderinputs.h"
#include "finder/lensfinderhost.h"
#include "lang/interfacetranslator.h"
#include "lang/languagechooser.h"
#include "lang/languagechooserhost.h"
#include "match/recommendationhost.h"
#include "optics/calculatorreading.h"
#include "siteplan/siteplanhost.h"
#include "state/sharedstate.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <memory>

class QAction;
class QMenu;
class QPushButton;
class QTimer;

namespace vistaro {

class CalculatorRows;
class CConsiglia;
class CdDriveMenu;
class CoverageSettings;
class CoverageWindow;
class LensFinder;
class OptionGroups;
class SitePlan;

// The main window: the three option groups, the logo, the calculator with its two rows and the
// menus. It owns the main window's public and private variables and reaches the program-wide
// ones through the reference it is given. It is the host of the language chooser and of the
// recommendation window, of the coverage window, of the lens finder and of the site plan, which
// reach it through their small interfaces.
class Obbiettivi : public QMainWindow,
                   public LanguageChooserHost,
                   public RecommendationHost,
                   public CoverageHost,
                   public LensFinderHost,
                   public SitePlanHost {
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
    // The coverage window once it has been opened, else none.
    CoverageWindow* coverageWindow() const { return m_coverage.get(); }
    QAction* OpenLensFinder() const { return m_openLensFinder; }
    // The lens finder once it has been opened, else none.
    LensFinder* lensFinder() const { return m_lensFinder.get(); }
    QAction* OpenSitePlan() const { return m_openSitePlan; }
    // The site plan once it has been opened, else none.
    SitePlan* sitePlan() const { return m_sitePlan.get(); }
    // The language chooser while it is open.
    frmSceltaLingua* languageChooser() const { return m_chooser; }

    // Start-up: defaults, settings, the CD drive's check mark, the catalogue, TimerMove.
    void Form_Load();

    // LanguageChooserHost. CaricaLingua puts the texts of the language file `lingua` in their
    // places; a file that cannot be read keeps every text on show and says so once.
    void CaricaLingua(const QString& lingua) override;
    // Writes the four settings; a failure is reported once, naming the file.
    void saveSettingsFile() override;
    void showMainWindow() override;
    void enableTimerMove() override;
    QString separatorQuestion() const override;
    // Loads the catalogue file `fileName` (a bare name); a problem is reported once.
    void loadCatalogue(const QString& fileName) override;

    // RecommendationHost
    ProgramState& programState() override { return m_program; }
    MainPublic& mainPublic() override { return m_public; }
    MainSelection mainSelection() const override;

    // CoverageHost
    void typeFocalLength(int row, const QString& text) override;
    // LensFinderHost
    void presentFromFinder(std::int16_t index) override;
    // SitePlanHost
    void showInCoverage(const SiteCamera& camera, const LevelSet& levels) override;

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
    // Opens the site plan on `path`, as the command line asks.
    void openSiteFile(const QString& path);
    // Offers to restore the site plan's changes that a run did not end normally with.
    void offerSiteRecovery();

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

    // What the windows that follow the main window are given, built afresh from it.
    CalculatorReading calculatorReading() const;
    std::optional<LensOnShow> lensOnShow() const;
    FinderInputs finderInputs();
    // The coverage inputs that the coverage window and the lens finder share, read on first use.
    CoverageSettings& coverageSettings();
    // Pushes what the main window holds now to the coverage window and the lens finder that are
    // open; each does nothing when it is as it was.
    void followCoverage();
    void refreshLensFinder();
    void makeSitePlan();
    void followSitePlan();
    // Asks the site plan about its unsaved changes; false when the user keeps it open.
    bool sitePlanClosed();

    void setLensLayout(bool zoom, const QString& code);
    // The client area for one calculator row, or two for a zoom.
    void setClientHeight(bool zoom);

    void Form_Unload();
    void startFirstRun();
    void showLanguageChooser();
    // The recommendation window, created hidden on first use.
    CConsiglia& consiglia();

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

    QPointer<frmSceltaLingua> m_chooser;
    std::unique_ptr<CConsiglia> m_consiglia;
    std::unique_ptr<CoverageWindow> m_coverage;
    std::unique_ptr<LensFinder> m_lensFinder;
    std::unique_ptr<SitePlan> m_sitePlan;
    std::unique_ptr<CoverageSettings> m_coverageSettings;

    bool m_armedByPick = false; // TimerMove was armed by the language chooser's pick
};

} // namespace vistaro
