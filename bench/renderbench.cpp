// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "renderbench.h"

#include "render/renderview.h"
#include "render/storeyscenes.h"
#include "report/reportfiles.h"
#include "site/plangeometry.h"
#include "sitebench.h"
#include "siteplan/sitedrawings.h"
#include "timing.h"

#include <QDir>
#include <string>

namespace vistaro::bench {

namespace {

constexpr double SceneBudgetMs = 300;
constexpr double ViewBudgetMs = 40;
constexpr int SceneRepetitions = 5;
constexpr int DraggedCameras = 7;
constexpr int DragSteps = 3;
constexpr int ViewWidth = 960;
constexpr int ViewHeight = 540;
constexpr double ReportViewsBudgetMs = 20'000;

// The site report's camera pages written as a PDF on A4, as the report lays them out, each
// camera's view cast as its page is painted; their other drawings left blank, so that the time
// is the views' (and the pages' text).
ResultRow reportViewsRow(const Site& site, const QString& folder) {
    const std::string measure = "Camera view: the views of the site report";
    SiteDocument document;
    const PlanGeometry geometry;
    const SiteCoverage coverage(document, geometry);
    document.reset(site);
    QList<ReportDocument> pages;
    for (ReportDocument& page : siteReport(SiteDeliverables(document.site(), coverage), {}))
        if (!page.drawings.isEmpty() && page.drawings.back().caption == QStringLiteral("View")) {
            for (qsizetype i = 0; i + 1 < page.drawings.size(); ++i)
                page.drawings[i].paint = {};
            pages.append(page);
        }
    std::optional<QString> error;
    const double ms = elapsedMs([&] {
        error = saveReportPdf(QDir(folder).filePath(QStringLiteral("views.pdf")), pages,
                              QPageSize(QPageSize::A4));
    });
    if (error)
        return failedRow(measure, error->toStdString(), 1);
    return budgetRow(measure, ms, " (" + std::to_string(pages.size()) + " camera pages on A4)",
                     ReportViewsBudgetMs);
}

} // namespace

std::vector<ResultRow> renderRows(const QString& folder) {
    const Site site = storeyedBenchSite();
    std::vector<double> sceneSamples;
    for (int i = 0; i < SceneRepetitions; ++i)
        sceneSamples.push_back(elapsedMs([&] { const RenderScene scene(site, 0); }));
    std::vector<int> cameras;
    for (int i = 0; i < static_cast<int>(site.cameras.size()); ++i)
        if (site.cameras[static_cast<std::size_t>(i)].storey == 0)
            cameras.push_back(i);
    // A camera dragged, as the window follows it: its first view, then each step 10 cm on and
    // 1 degree round, the storey's scene kept and its people placed again.
    Site dragged = site;
    StoreyScenes scenes;
    std::vector<double> viewSamples;
    int drawn = 0;
    for (int i = 0; i < DraggedCameras && !cameras.empty(); ++i) {
        const int camera = cameras[static_cast<std::size_t>(i) * cameras.size() / DraggedCameras];
        SiteCamera& moved = dragged.cameras[static_cast<std::size_t>(camera)];
        renderView(scenes.scene(dragged, 0), dragged, camera, ViewWidth, ViewHeight);
        for (int step = 0; step < DragSteps; ++step) {
            moved.position.x += 0.1;
            moved.panDeg += 1;
            viewSamples.push_back(elapsedMs([&] {
                drawn += std::holds_alternative<CameraView>(
                    renderView(scenes.scene(dragged, 0), dragged, camera, ViewWidth, ViewHeight));
            }));
        }
    }
    // The report of the first storey's cameras, among the walls and obstacles of all four.
    Site firstStorey = site;
    std::erase_if(firstStorey.cameras, [](const SiteCamera& camera) { return camera.storey != 0; });
    return {budgetRow("Camera view: the scene of a storey", median(sceneSamples),
                      " (" + std::to_string(cameras.size()) + " cameras' storey of 4, median of " +
                          std::to_string(SceneRepetitions) + ")",
                      SceneBudgetMs),
            budgetRow("Camera view: one view", median(viewSamples),
                      " (960 x 540, median of " + std::to_string(viewSamples.size()) +
                          " drag steps of " + std::to_string(DraggedCameras) + " cameras, " +
                          std::to_string(drawn) + " drawn)",
                      ViewBudgetMs),
            reportViewsRow(firstStorey, folder)};
}

} // namespace vistaro::bench
