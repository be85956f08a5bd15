// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/plangeometry.h"
#include "siteplan/siteplan.h"
#include "support/scripteddialogs.h"

#include <memory>
#include <vector>

namespace vistaro::test {

// The main window as the site plan asks it: the cameras it was asked to show in the coverage
// window.
class PlanHost : public SitePlanHost {
public:
    void showInCoverage(const SiteCamera& camera, const LevelSet&) override {
        shown.push_back(camera);
    }
    std::vector<SiteCamera> shown;
};

// While it lives, the file dialogs answer what `picked` holds when they open and a number asked
// for is `distance`; the other questions are scripted.
class PlanDialogs : public ScriptedDialogs {
public:
    QString picked;
    std::optional<double> distance;

    QString openFile(QWidget*, const QString&, const QString&, const QString&) override {
        return picked;
    }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override {
        return picked;
    }
    std::optional<double> number(QWidget*, const QString&, const QString&, double, double, double,
                                 int) override {
        return distance;
    }
};

// A site plan window on the screen, 1000 x 700.
inline std::unique_ptr<SitePlan> shownSitePlan(SitePlanHost& host, CoverageSettings& settings) {
    auto plan = std::make_unique<SitePlan>(host, settings, std::make_unique<PlanGeometry>());
    plan->resize(1000, 700);
    plan->show();
    return plan;
}

} // namespace vistaro::test
