// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowhub.h"

#include "app/calculatorrows.h"
#include "app/obbiettivi.h"
#include "app/optiongroups.h"
#include "coverage/coveragewindow.h"
#include "finder/finderbrowsing.h"
#include "finder/lensfinder.h"
#include "match/catalogueentry.h"
#include "match/cconsiglia.h"
#include "match/datasheet.h"
#include "match/searchstart.h"
#include "optics/coveragesettings.h"
#include "platform/forms.h"
#include "site/newcamera.h"
#include "site/plangeometry.h"
#include "siteplan/siteplan.h"
#include "siteplan/siterecovery.h"

namespace vistaro {

WindowHub::WindowHub(Obbiettivi& main, ProgramState& program, MainPublic& mainPublic,
                     MainPrivate& mainPrivate, const OptionGroups& options,
                     CalculatorRows& calculator)
    : m_main(main), m_program(program), m_public(mainPublic), m_private(mainPrivate),
      m_options(options), m_calculator(calculator) {}

// The chooser is a child of the main window, which outlives this; it asks this when it closes.
WindowHub::~WindowHub() {
    delete m_chooser;
}

// A window of its own, not owned by the main window's frame; it lives as long as the main
// window, which is the program.
CConsiglia& WindowHub::consiglia() {
    if (!m_consiglia) {
        m_consiglia = std::make_unique<CConsiglia>(*this);
        m_consiglia->follow(recommendationReading());
    }
    return *m_consiglia;
}

// Closing it on a first run, before anything was picked, ends the program rather than leave it
// running without a window.
void WindowHub::showLanguageChooser() {
    if (!m_chooser) {
        m_chooser = new frmSceltaLingua(m_program, *this, &m_main);
        connect(m_chooser, &frmSceltaLingua::closedWithoutPick, this, [this] {
            if (!m_main.isVisible())
                m_main.Form_Unload();
        });
    }
    bringToFront(*m_chooser);
}

CoverageSettings& WindowHub::coverageSettings() {
    if (!m_coverageSettings) {
        m_coverageSettings = std::make_unique<CoverageSettings>();
        connect(m_coverageSettings.get(), &CoverageSettings::changed, this,
                &WindowHub::refreshLensFinder);
    }
    return *m_coverageSettings;
}

// A window of its own, made on first use and kept, so it reopens as it was left.
void WindowHub::openCoverage() {
    if (!m_coverage)
        m_coverage =
            std::make_unique<CoverageWindow>(*this, coverageSettings(), calculatorReading());
    m_coverage->showLens(lensOnShow());
    bringToFront(*m_coverage);
}

// A window of its own, like the recommendation window; it lives as long as the main window.
void WindowHub::openLensFinder() {
    if (!m_lensFinder)
        m_lensFinder = std::make_unique<LensFinder>(*this, m_program.LensCatalogue);
    m_lensFinder->refresh(finderInputs());
    bringToFront(*m_lensFinder);
}

// A window of its own, made on first use and kept, so it reopens on the site it showed.
void WindowHub::openSitePlan() {
    makeSitePlan();
    followSitePlan();
    bringToFront(*m_sitePlan);
}

void WindowHub::makeSitePlan() {
    if (!m_sitePlan)
        m_sitePlan =
            std::make_unique<SitePlan>(*this, coverageSettings(), std::make_unique<PlanGeometry>());
}

void WindowHub::openSiteFile(const QString& path) {
    openSitePlan();
    m_sitePlan->openFile(path);
}

// Made only when a run left unsaved changes behind, and shown only when they are restored.
void WindowHub::offerSiteRecovery() {
    if (!SiteRecovery::leftIn(SiteRecovery::defaultFolder()))
        return;
    makeSitePlan();
    if (m_sitePlan->offerRecovery())
        openSitePlan();
}

bool WindowHub::sitePlanClosed() {
    return !m_sitePlan || !m_sitePlan->isVisible() || m_sitePlan->close();
}

void WindowHub::follow() {
    followCoverage();
    refreshLensFinder();
    followSitePlan();
    if (m_consiglia)
        m_consiglia->follow(recommendationReading());
}

void WindowHub::followCoverage() {
    if (!m_coverage)
        return;
    m_coverage->follow(calculatorReading());
    m_coverage->showLens(lensOnShow());
}

void WindowHub::followSitePlan() {
    if (!m_sitePlan)
        return;
    const std::optional<LensOnShow> lens = lensOnShow();
    m_sitePlan->follow(calculatorReading(),
                       lens ? std::optional<QString>(lens->name) : std::nullopt);
}

void WindowHub::refreshLensFinder() {
    if (m_lensFinder)
        m_lensFinder->refresh(finderInputs());
}

CalculatorReading WindowHub::calculatorReading() const {
    return {m_private.Row1.ValFocale(), m_private.Row1.ValL(),    m_private.Row2.ValFocale(),
            m_private.Row2.ValL(),      m_options.zoomSelected(), m_options.sensorFormat(),
            m_program.DecimalSeparator};
}

RecommendationReading WindowHub::recommendationReading() const {
    return {m_program,
            m_public,
            {m_options.sensorFormat(), m_options.zoomSelected(), m_options.varSelected(),
             m_calculator.readRow(0).L, m_calculator.readRow(1).L, m_private.SensorHeight}};
}

// The entry the recommendation window presented last; a closed window shows none, whatever it
// last held.
std::optional<LensOnShow> WindowHub::lensOnShow() const {
    if (!m_consiglia || !m_consiglia->isVisible())
        return std::nullopt;
    const LensRecord* lens = entryAt(m_program.LensCatalogue, m_consiglia->Attuale);
    if (!lens)
        return std::nullopt;
    return LensOnShow{lens->Name,     lens->TypeCode,
                      lens->Iris,     lens->FocalMin,
                      lens->FocalMax, lens->FStop,
                      lens->MinFocus, datasheetOf(m_public.Drive, *lens).value_or(QString())};
}

// The distances are the stored ones, which the coverage window reads too, so the finder's
// verdicts and the coverage figures never disagree; the level verdicts follow the coverage
// inputs as they stand.
FinderInputs WindowHub::finderInputs() {
    const FinderSelection selection{
        m_program.LensTypeCode,
        m_program.IrisCode,
        m_options.sensorFormat(),
        wantedFocal(m_program.LensTypeCode, m_private.Row1.ValFocale(), m_private.Row2.ValFocale()),
        m_private.Row1.ValL(),
        m_private.Row2.ValL(),
        m_public.Drive};
    return {selection, coverageSettings().inputs()};
}

void WindowHub::present(std::int16_t index) {
    CConsiglia& window = consiglia();
    window.follow(recommendationReading());
    window.Visualizza(index);
}

bool WindowHub::recommend() {
    const bool presented =
        startSearch(m_program, m_public, m_private.Blocks, m_private.Row1.ValFocale(),
                    m_private.Row2.ValFocale(), m_options.sensorFormat(),
                    [this](std::int16_t index) { present(index); });
    // The search sets the bounds that ">" stops at only once it has presented.
    if (m_consiglia)
        m_consiglia->follow(recommendationReading());
    return presented;
}

void WindowHub::CaricaLingua(const QString& lingua) {
    m_main.CaricaLingua(lingua);
}
void WindowHub::saveSettingsFile() {
    m_main.saveSettingsFile();
}
void WindowHub::showMainWindow() {
    m_main.show();
}
void WindowHub::enableTimerMove() {
    m_main.enableTimerMove();
}
QString WindowHub::separatorQuestion() const {
    return m_main.separatorQuestion();
}
void WindowHub::loadCatalogue(const QString& fileName) {
    m_main.loadCatalogue(fileName);
}

void WindowHub::setPDFattuale(const QString& index) {
    m_public.PDFattuale = index;
}

// As a user does: the text goes into the field, then a click there makes it the driver and
// recalculates the row; the coverage window then follows.
void WindowHub::typeFocalLength(int row, const QString& text) {
    m_calculator.enter(row == 0 ? 0 : 1, CalcField::Focale, text);
    followCoverage();
}

void WindowHub::presentFromFinder(std::int16_t index) {
    prepareBrowsing(m_program, m_public, m_private.Blocks, index, finderInputs().selection.wanted);
    present(index);
}

// As a user would: the camera's inputs into the coverage window, its distance and then its
// focal length into the calculator's first row (the focal length drives), the tele end into
// the second row of a zoom.
void WindowHub::showInCoverage(const SiteCamera& camera, const LevelSet& levels) {
    coverageSettings().set(coverageInputsOf(camera, levels, coverageSettings().inputs()));
    const QString& separator = m_program.DecimalSeparator;
    m_calculator.enter(0, CalcField::L, calculatorText(camera.distanceM, separator));
    if (camera.focalTeleMm && m_options.zoomSelected()) {
        m_calculator.enter(1, CalcField::L, calculatorText(camera.distanceM, separator));
        typeFocalLength(1, calculatorText(*camera.focalTeleMm, separator));
    }
    typeFocalLength(0, calculatorText(camera.focalMm, separator));
    openCoverage();
}

} // namespace vistaro
