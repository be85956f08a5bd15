// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deliverablesbench.h"

#include "report/reportfiles.h"
#include "report/reportpage.h"
#include "site/plangeometry.h"
#include "siteplan/sitedrawings.h"
#include "timing.h"

#include <QDir>
#include <QPdfDocument>
#include <string>

namespace vistaro::bench {

namespace {

constexpr int Cameras = 100;
constexpr int Repetitions = 3;
constexpr double ReportBudgetMs = 10'000;

// 100 cameras on a 10 x 10 grid 20 m apart, each turned another way, a wall beside each, and an
// area to cover in every row.
Site site() {
    Site site;
    for (int i = 0; i < Cameras; ++i) {
        SiteCamera camera;
        camera.name = QStringLiteral("Camera %1").arg(i + 1);
        camera.position = {(i % 10) * 20.0, (i / 10) * 20.0};
        camera.panDeg = i * 36.0;
        camera.level = Level(i) % site.levelSet.size();
        site.cameras.push_back(camera);
        const PlanPoint& at = camera.position;
        site.walls.push_back({{{at.x - 5, at.y - 5}, {at.x + 5, at.y - 5}, {at.x + 5, at.y}}});
    }
    for (int row = 0; row < 10; ++row)
        site.areas.push_back({QStringLiteral("Row %1").arg(row + 1),
                              3, // recognition
                              {{0, row * 20.0 + 2},
                               {180, row * 20.0 + 2},
                               {180, row * 20.0 + 8},
                               {0, row * 20.0 + 8}}});
    return site;
}

} // namespace

std::vector<ResultRow> deliverablesRows(const QString& folder) {
    const std::string measure = "Report of 100 cameras";
    SiteDocument document;
    PlanGeometry geometry;
    const SiteCoverage coverage(document, geometry);
    document.reset(site());
    const SiteDeliverables deliverables(document.site(), coverage);
    const QString path = QDir(folder).filePath(QStringLiteral("site.pdf"));
    std::vector<double> samples;
    std::optional<QString> error;
    for (int i = 0; i < Repetitions && !error; ++i)
        samples.push_back(elapsedMs([&] {
            const QList<ReportDocument> pages = siteReport(deliverables, QDate(2026, 1, 1));
            error = saveReportPdf(path, pages, preferredPageSize());
        }));
    if (error)
        return {failedRow(measure, error->toStdString(), 1)};
    QPdfDocument pdf;
    pdf.load(path);
    return {budgetRow(measure, median(samples),
                      " (" + std::to_string(Cameras) + " cameras, " +
                          std::to_string(pdf.pageCount()) + " pages)",
                      ReportBudgetMs)};
}

} // namespace vistaro::bench
