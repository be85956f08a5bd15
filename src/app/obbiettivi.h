// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/calcrow.h"
#include "calc/sensorformat.h"
#include "coverage/coveragehost.h"
#include "finder/finderinputs.h"
#include "finder/lensfinderhost.h"
#include "lang/interfacetranslator.h"
#include "lang/languagechooser.h"
#include "lang/languagechooserhost.h"
#include "match/recommendationhost.h"
#include "optics/calculatorreading.h"
#include "platform/driveroots.h"
#include "siteplan/siteplanhost.h"
#include "state/sharedstate.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTimer;

namespace vistaro {

class CConsiglia;
class CoverageSettings;
class CoverageWindow;
class LensFinder;
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

    ProgramState& program() { return m_program; }
    const ProgramState& program() const { return m_program; }
    MainPublic& publicState() { return m_public; }
    const MainPublic& publicState() const { return m_public; }
    MainPrivate& privateState() { return m_private; }
    const MainPrivate& privateState() const { return m_private; }

    // The selections the recommendation feature reads.
    SensorFormat sensorFormat() const;
    bool zoomSelected() const;
    bool varSelected() const;

    QTimer* CalcoloFocale() const { return m_calcoloFocale; }
    QTimer* TimerMove() const { return m_timerMove; }
    QPushButton* MarvantoCons() const { return m_marvantoCons; }
    QAction* Language() const { return m_language; }
    QAction* DecSeparator() const { return m_decSeparator; }
    QMenu* CDDrive() const { return m_cdDrive; }
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

    // The window's outer height as the lens-type handlers last set it (3900 or 4400 twips).
    int windowHeightTwips() const { return m_heightTwips; }

    // Asks for the folder of the CD menu's "Other folder" item; empty when the user cancels.
    using FolderPicker = std::function<QString(QWidget* parent)>;
    void setFolderPicker(FolderPicker picker) { m_folderPicker = std::move(picker); }
    // Lists the CD menu's drives (cdDriveRoots() unless replaced).
    using DriveLister = std::function<QList<DriveRoot>()>;
    void setDriveLister(DriveLister lister) { m_driveLister = std::move(lister); }

    // Start-up: defaults, settings, the CD drive's check mark, the catalogue, TimerMove.
    void Form_Load();

    // Writes the four settings; a failure is reported once, naming the file.
    void saveSettingsFile();
    // Loads the catalogue file `fileName` (a bare name); a problem is reported once.
    void loadCatalogue(const QString& fileName);

    // Puts the texts of the language file `lingua` in their places. A file that cannot be read
    // keeps every text on show and says so once.
    void CaricaLingua(const QString& lingua) override;

    // LanguageChooserHost
    void saveSettings() override;
    void showMainWindow() override;
    void enableTimerMove() override;
    QString separatorQuestion() const override;
    void CaricaDatiDa(const QString& fileName) override;

    // RecommendationHost
    ProgramState& programState() override { return m_program; }
    MainPublic& mainPublic() override { return m_public; }
    MainSelection mainSelection() const override;

    // CoverageHost
    void typeFocalLength(int row, const QString& text) override;
    // LensFinderHost
    void presentFromFinder(std::int16_t index) override;
    // SitePlanHost
    void showInCoverage(const SiteCamera& camera) override;

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

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Outer window heights for one calculator row and for two (zoom).
    static constexpr int OneRowHeightTwips = 3900;
    static constexpr int TwoRowHeightTwips = 4400;

    struct RowFields {
        QLineEdit* Focale;
        QLineEdit* L;
        QLineEdit* H;
        QLineEdit* V;
    };
    struct SensorButton {
        QRadioButton* button;
        SensorFormat format;
    };
    struct DriveItem {
        QAction* action;
        QString root;
    };

    void buildOptionGroups(QWidget* client);
    void buildLogo(QWidget* client);
    void buildCalculator(QWidget* client);
    void buildMenus();
    void buildToolsMenu();
    void retranslateTools();
    void showAbout();
    // Translates the windows beyond the calculator into the language of `languageFile`.
    void applyInterfaceLanguage(const QString& languageFile);
    // CaricaLingua, reporting a file that gives no texts only when `reportProblem`.
    void applyLanguageFile(const QString& lingua, bool reportProblem);
    void buildTabOrder();
    void connectHandlers();
    void centreOnScreen();

    RowTexts readRow(int row) const;
    void writeRow(int row, const RowTexts& texts);
    void runRow(int row, const std::function<void(CalcRow&, RowTexts&)>& handler);
    void clickField(int row, CalcField field);
    void showValNum();
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
    void followSitePlan();
    // Asks the site plan about its unsaved changes; false when the user keeps it open.
    bool sitePlanClosed();

    void setLensLayout(bool zoom, const QString& code);
    void setWindowHeightTwips(int twips);

    // Shows one of the main window's modeless windows, or raises it when it is open already.
    static void bringToFront(QWidget& window);

    void Form_Unload();
    void startFirstRun();
    void showLanguageChooser();
    void setCaption(const char* name, const QString& text);
    // The recommendation window, created hidden on first use.
    CConsiglia& consiglia();
    // The CD menu's drives as the lister gives them now, each checked when its root is in use.
    void listDrives();
    void showDriveInUse();
    void chooseDriveRoot(const QString& root);
    void otherFolderClick();

    ProgramState& m_program;
    MainPublic m_public;
    MainPrivate m_private;

    QWidget* m_client = nullptr;
    QGroupBox* m_sensore = nullptr;
    QGroupBox* m_frame1 = nullptr;
    QGroupBox* m_frame2 = nullptr;
    QGroupBox* m_calcoli = nullptr;
    QList<SensorButton> m_sensorButtons;
    QRadioButton* m_zoom = nullptr;
    QRadioButton* m_var = nullptr;
    QRadioButton* m_hsp = nullptr;
    QRadioButton* m_ff = nullptr;
    QRadioButton* m_manual = nullptr;
    QRadioButton* m_dc = nullptr;
    QRadioButton* m_vd = nullptr;
    QRadioButton* m_m = nullptr;
    QPushButton* m_marvantoCons = nullptr;
    std::array<RowFields, 2> m_rows{};
    QLabel* m_macro = nullptr;
    QLabel* m_tele = nullptr;
    QTimer* m_calcoloFocale = nullptr;
    QTimer* m_timerMove = nullptr;

    QAction* m_language = nullptr;
    QAction* m_decSeparator = nullptr;
    QMenu* m_cdDrive = nullptr;
    QList<DriveItem> m_driveItems;
    QAction* m_folderItem = nullptr; // the root in use that is no drive's, elsewhere than Windows
    FolderPicker m_folderPicker;
    DriveLister m_driveLister = cdDriveRoots;
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

    int m_heightTwips = 0;
    QLineEdit* m_pressedField = nullptr;
    bool m_valNumOpen = false;  // ticks wait while the ValNum message is open
    bool m_armedByPick = false; // TimerMove was armed by the language chooser's pick
};

} // namespace vistaro
