// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/plangeometry.h"
#include "siteplan/siteplan.h"

#include <memory>
#include <vector>

namespace vistaro::test {

// The main window as the site plan asks it: the cameras it was asked to show in the coverage
// window, and a camera's report page that only names it.
class PlanHost : public SitePlanHost {
public:
    void showInCoverage(const SiteCamera& camera, const LevelSet&) override {
        shown.push_back(camera);
    }
    ReportDocument cameraReport(const SiteCamera& camera, const LevelSet&, Units) const override {
        return {camera.name, {}, {}, {}, {}, {}};
    }
    std::vector<SiteCamera> shown;
};

// A site plan window on the screen, 1000 x 700, whose file dialogs answer what `picked` holds
// when they open.
inline std::unique_ptr<SitePlan> shownSitePlan(SitePlanHost& host, CoverageSettings& settings,
                                               const QString& picked) {
    auto plan = std::make_unique<SitePlan>(host, settings, std::make_unique<PlanGeometry>());
    const auto picker = [&picked](QWidget*, const QString&, const QString&, const QString&) {
        return picked;
    };
    plan->setOpenPicker(picker);
    plan->setSavePicker(picker);
    plan->resize(1000, 700);
    plan->show();
    return plan;
}

} // namespace vistaro::test
