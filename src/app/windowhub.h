// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "coverage/coveragehost.h"
#include "finder/finderinputs.h"
#include "finder/lensfinderhost.h"
#include "lang/languagechooser.h"
#include "lang/languagechooserhost.h"
#include "match/recommendationhost.h"
#include "optics/calculatorreading.h"
#include "siteplan/siteplanhost.h"
#include "state/sharedstate.h"

#include <QObject>
#include <QPointer>
#include <memory>

namespace vistaro {

class CalculatorRows;
class CConsiglia;
class CoverageSettings;
class CoverageWindow;
class LensFinder;
class Obbiettivi;
class OptionGroups;
class SitePlan;

// The windows beyond the main window's own controls: the recommendation window, the language
// chooser, the coverage window, the lens finder and the site plan. It makes each on first use,
// keeps it as long as the main window lives, pushes to it what the main window holds and carries
// out what it asks through its small interface.
class WindowHub : public QObject,
                  public LanguageChooserHost,
                  public RecommendationHost,
                  public CoverageHost,
                  public LensFinderHost,
                  public SitePlanHost {
public:
    WindowHub(Obbiettivi& main, ProgramState& program, MainPublic& mainPublic,
              MainPrivate& mainPrivate, const OptionGroups& options, CalculatorRows& calculator);
    ~WindowHub() override;

    // Each window once it has been made, else none; the language chooser while it is open.
    CoverageWindow* coverageWindow() const { return m_coverage.get(); }
    LensFinder* lensFinder() const { return m_lensFinder.get(); }
    SitePlan* sitePlan() const { return m_sitePlan.get(); }
    frmSceltaLingua* languageChooser() const { return m_chooser; }
    // The recommendation window, made hidden on first use.
    CConsiglia& consiglia();

    void openCoverage();
    void openLensFinder();
    void openSitePlan();
    // Opens the site plan on `path`, as the command line asks.
    void openSiteFile(const QString& path);
    // Offers to restore the site plan's changes that a run did not end normally with.
    void offerSiteRecovery();
    // Modeless, and the same window while it is open.
    void showLanguageChooser();

    // The recommendation button's search; whether it presented anything.
    bool recommend();
    // Pushes what the main window holds now to every window that is open; each does nothing
    // when it is as it was.
    void follow();
    // Asks the site plan about its unsaved changes; false when the user keeps it open.
    bool sitePlanClosed();

    // LanguageChooserHost: the main window carries each out.
    void CaricaLingua(const QString& lingua) override;
    void saveSettingsFile() override;
    void showMainWindow() override;
    void enableTimerMove() override;
    QString separatorQuestion() const override;
    void loadCatalogue(const QString& fileName) override;
    // RecommendationHost
    void setPDFattuale(const QString& index) override;
    // CoverageHost
    void typeFocalLength(int row, const QString& text) override;
    // LensFinderHost
    void presentFromFinder(std::int16_t index) override;
    // SitePlanHost
    void showInCoverage(const SiteCamera& camera, const LevelSet& levels) override;

private:
    // What the windows that follow the main window are given, built afresh from it.
    CalculatorReading calculatorReading() const;
    RecommendationReading recommendationReading() const;
    std::optional<LensOnShow> lensOnShow() const;
    FinderInputs finderInputs();
    // The coverage inputs that the coverage window, the lens finder and the site plan share,
    // read on first use.
    CoverageSettings& coverageSettings();
    // Shows catalogue entry `index` in the recommendation window, on what the main window holds.
    void present(std::int16_t index);
    void followCoverage();
    void refreshLensFinder();
    void followSitePlan();
    void makeSitePlan();

    Obbiettivi& m_main;
    ProgramState& m_program;
    MainPublic& m_public;
    MainPrivate& m_private;
    const OptionGroups& m_options;
    CalculatorRows& m_calculator;

    // Declared before the windows that share them, so that it outlives them.
    std::unique_ptr<CoverageSettings> m_coverageSettings;
    QPointer<frmSceltaLingua> m_chooser;
    std::unique_ptr<CConsiglia> m_consiglia;
    std::unique_ptr<CoverageWindow> m_coverage;
    std::unique_ptr<LensFinder> m_lensFinder;
    std::unique_ptr<SitePlan> m_sitePlan;
};

} // namespace vistaro
