// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/bestlevel.h"
#include "site/sitecoverage.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QRectF>
#include <QSize>
#include <variant>
#include <vector>

namespace vistaro {

// A table across a page or down a file: its heading, the column captions and a row of texts each.
struct ScheduleTable {
    QString heading;
    QStringList columns;
    QList<QStringList> rows;
};

// An entry of the plan's legend, in the order it reads: each level's band, then the dead zone,
// the covered part of an area, an area met and one not met, and a wall.
struct LegendEntry {
    enum class Kind { Band, DeadZone, Covered, Met, NotMet, Wall };
    Kind kind = Kind::Band;
    Level level = 0; // of a band
    QString text;
};

// The scale bar below a plan: its length on the drawing and what it says.
struct ScaleBar {
    double pixels = 0;
    QString text;
};

// The texts of the report's own pages, as of a day.
struct ReportTexts {
    QString planTitle;
    QString scheduleTitle;
    QString day;
    QString footer;
};

// Where the coverage lies in an SVG at 1:1 in millimetres (SvgDotsPerMetre dots a metre).
struct SvgFrame {
    QPointF origin; // the plan's point the drawing counts from, in metres
    QRectF box;     // the viewBox in metres, x to the east and y to the south of `origin`
    QSize size;     // in dots
    QString title;
    QString description;
};
inline constexpr double SvgDotsPerMetre = 10'000;

// What the designer hands over says, worked out from the site and what its cameras cover: the
// schedule, the texts of the report's pages and the figures of the drawings. The windows, the
// report and the files draw it.
class SiteDeliverables {
    Q_DECLARE_TR_FUNCTIONS(vistaro::SiteDeliverables)

public:
    // `coverage` holds the cameras and areas of `site`, in its order. Both must outlive this.
    SiteDeliverables(const Site& site, const SiteCoverage& coverage)
        : m_site(site), m_coverage(coverage) {}

    const Site& site() const { return m_site; }
    const SiteCoverage& coverage() const { return m_coverage; }

    // The schedule: a row a camera (name, lens, focal length, angles, density at aim, level,
    // area at level) and a row an area (name, level, area, covered share), numbers as `locale`
    // writes them, in the site's units.
    ScheduleTable cameraSchedule(const QLocale& locale) const;
    ScheduleTable areaSchedule(const QLocale& locale) const;
    // Both tables, the areas' after a blank line, with the rules of CsvFile and a decimal point.
    QByteArray scheduleCsv() const;

    static ReportTexts reportTexts(const QDate& date);
    // The smallest rectangle of the plan holding everything drawn, in metres; a square of 10 m
    // round the origin for an empty site.
    QRectF planBounds() const;
    // By level of the site's set: where it is the best level any camera meets.
    std::vector<PlanShape> bestLevels() const;
    std::vector<LegendEntry> legend() const;
    // A bar of 1, 2 or 5 times a power of ten of the site's unit, at most `mostPixels` long on a
    // drawing of `pixelsPerMetre`.
    ScaleBar scaleBar(double pixelsPerMetre, double mostPixels) const;
    // The SVG's frame round planBounds(); the reason when the site is too large for one.
    std::variant<SvgFrame, QString> svgFrame() const;

private:
    const Site& m_site;
    const SiteCoverage& m_coverage;
};

} // namespace vistaro
