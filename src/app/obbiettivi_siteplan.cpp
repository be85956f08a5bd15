// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/calculatorrows.h"
#include "app/obbiettivi.h"
#include "app/optiongroups.h"
#include "coverage/sitecamerareport.h"
#include "optics/coveragesettings.h"
#include "platform/forms.h"
#include "site/newcamera.h"
#include "site/plangeometry.h"
#include "siteplan/siteplan.h"
#include "siteplan/siterecovery.h"

namespace vistaro {

// A window of its own, made on first use and kept, so it reopens on the site it showed.
void Obbiettivi::OpenSitePlan_Click() {
    makeSitePlan();
    followSitePlan();
    bringToFront(*m_sitePlan);
}

void Obbiettivi::makeSitePlan() {
    if (!m_sitePlan)
        m_sitePlan =
            std::make_unique<SitePlan>(*this, coverageSettings(), std::make_unique<PlanGeometry>());
}

// Made only when a run left unsaved changes behind, and shown only when they are restored.
void Obbiettivi::offerSiteRecovery() {
    if (!SiteRecovery::leftIn(SiteRecovery::defaultFolder()))
        return;
    makeSitePlan();
    if (m_sitePlan->offerRecovery())
        OpenSitePlan_Click();
}

void Obbiettivi::openSiteFile(const QString& path) {
    OpenSitePlan_Click();
    m_sitePlan->openFile(path);
}

void Obbiettivi::followSitePlan() {
    if (!m_sitePlan)
        return;
    const std::optional<LensOnShow> lens = lensOnShow();
    m_sitePlan->follow(calculatorReading(),
                       lens ? std::optional<QString>(lens->name) : std::nullopt);
}

bool Obbiettivi::sitePlanClosed() {
    return !m_sitePlan || !m_sitePlan->isVisible() || m_sitePlan->close();
}

// As a user would: the camera's inputs into the coverage window, its distance and then its
// focal length into the calculator's first row (the focal length drives), the tele end into
// the second row of a zoom.
void Obbiettivi::showInCoverage(const SiteCamera& camera, const LevelSet& levels) {
    coverageSettings().set(coverageInputsOf(camera, levels, coverageSettings().inputs()));
    const QString& separator = m_program.DecimalSeparator;
    m_calculator->enter(0, CalcField::L, calculatorText(camera.distanceM, separator));
    if (camera.focalTeleMm && m_options->zoomSelected()) {
        m_calculator->enter(1, CalcField::L, calculatorText(camera.distanceM, separator));
        typeFocalLength(1, calculatorText(*camera.focalTeleMm, separator));
    }
    typeFocalLength(0, calculatorText(camera.focalMm, separator));
    OpenCoverage_Click();
}

ReportDocument Obbiettivi::cameraReport(const SiteCamera& camera, const LevelSet& levels,
                                        Units units) const {
    return siteCameraReport(camera, levels, units, QDate::currentDate());
}

} // namespace vistaro
