// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dxf/dxfexport.h"
#include "report/reportdocument.h"
#include "siteplan/sitecoverage.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QRectF>
#include <functional>
#include <optional>

class QPainter;

namespace vistaro {

// What the designer hands over, made from the site and what its cameras cover: the report, the
// schedule as CSV, and the coverage as a DXF or SVG drawing at true scale in metres.
class SiteDeliverables {
    Q_DECLARE_TR_FUNCTIONS(vistaro::SiteDeliverables)

public:
    // `coverage` holds the cameras and areas of `site`, in its order. Both must outlive this.
    SiteDeliverables(const Site& site, const SiteCoverage& coverage)
        : m_site(site), m_coverage(coverage) {}

    // The schedule: a row a camera (name, lens, focal length, angles, density at aim, level,
    // area at level) and a row an area (name, level, area, covered share), numbers as `locale`
    // writes them, in the site's units.
    ReportTable cameraSchedule(const QLocale& locale) const;
    ReportTable areaSchedule(const QLocale& locale) const;
    // Both tables, the areas' after a blank line, with the rules of CsvFile and a decimal point.
    QByteArray scheduleCsv() const;

    // The plan fitted into `area`: bands, dead zones, areas and their covered parts, walls and
    // cameras, with a legend, a scale bar and a north arrow to the scale it is drawn at.
    void paintPlan(QPainter& painter, const QRectF& area) const;
    // The report: the plan, then the coverage report's page of each camera, then the schedule.
    QList<ReportDocument> report(const QDate& date) const;

    // The drawing for the architect: walls, areas, camera marks and a layer a level.
    DxfCoverage dxfCoverage() const;
    // The same as SVG in metres (its viewBox too, north up) at 1:1, a group a level's bands.
    // Whole or nothing; on failure a message naming the file.
    std::optional<QString> saveSvg(const QString& path) const;

private:
    const Site& m_site;
    const SiteCoverage& m_coverage;
};

} // namespace vistaro
