// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/sitedeliverables.h"

#include "optics/coverageformat.h"
#include "optics/units.h"
#include "platform/csvfile.h"
#include "site/planfigures.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace vistaro {

ScheduleTable SiteDeliverables::cameraSchedule(const QLocale& locale) const {
    const Units units = m_site.units;
    ScheduleTable table{tr("Cameras"),
                        {tr("Name"), tr("Lens"), tr("Focal (mm)"), tr("Horizontal angle (\u00b0)"),
                         tr("Vertical angle (\u00b0)"), FigureCaptions::densityAtAim(units),
                         tr("Level"), FigureCaptions::areaAtLevel(units)},
                        {}};
    for (std::size_t i = 0; i < m_site.cameras.size(); ++i) {
        const SiteCamera& camera = m_site.cameras[i];
        const CameraRowTexts texts =
            cameraRowTexts(camera, m_site.levelSet, m_coverage.areaAtLevel(int(i), camera.level),
                           m_site.units, locale);
        table.rows.append({camera.name, camera.lens, texts.focal, texts.angleH, texts.angleV,
                           texts.density, texts.level, texts.areaAtLevel});
    }
    return table;
}

ScheduleTable SiteDeliverables::areaSchedule(const QLocale& locale) const {
    ScheduleTable table{
        tr("Areas"),
        {tr("Name"), tr("Level"), FigureCaptions::area(m_site.units), tr("Covered (%)")},
        {}};
    for (std::size_t i = 0; i < m_site.areas.size(); ++i) {
        const SiteArea& area = m_site.areas[i];
        const bool known = int(i) < m_coverage.areaCount();
        table.rows.append(
            {area.name, CoverageText::levelName(m_site.levelSet, area.level),
             known
                 ? surfaceText(m_coverage.surface(int(i)), m_site.units, Rounding::Nearest, locale)
                 : QString(),
             known ? coveredText(m_coverage.coverage(int(i)).share, locale) : QString()});
    }
    return table;
}

QByteArray SiteDeliverables::scheduleCsv() const {
    const ScheduleTable cameras = cameraSchedule(QLocale::c());
    const ScheduleTable areas = areaSchedule(QLocale::c());
    QByteArray bytes = CsvFile::table(cameras.columns, cameras.rows) + CsvFile::line({});
    bytes += CsvFile::line(areas.columns);
    for (const QStringList& row : areas.rows)
        bytes += CsvFile::line(row);
    return bytes;
}

ReportTexts SiteDeliverables::reportTexts(const QDate& date) {
    return {tr("Site plan"), tr("Schedule"), QLocale().toString(date, QLocale::LongFormat),
            tr("%1 %2, lens calculator for CCTV cameras")
                .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion())};
}

QRectF SiteDeliverables::planBounds() const {
    double left = INFINITY, right = -INFINITY, bottom = INFINITY, top = -INFINITY;
    const auto take = [&](const PlanPoint& p) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        bottom = std::min(bottom, p.y);
        top = std::max(top, p.y);
    };
    for (const SiteCamera& camera : m_site.cameras)
        take(camera.position);
    for (const SiteWall& wall : m_site.walls)
        std::for_each(wall.points.begin(), wall.points.end(), take);
    for (const SiteArea& area : m_site.areas)
        std::for_each(area.points.begin(), area.points.end(), take);
    for (int i = 0; i < m_coverage.cameraCount(); ++i)
        for (const LevelBand& band : m_coverage.footprint(i).bands)
            for (const std::vector<PlanPoint>& ring : band.shape.rings)
                std::for_each(ring.begin(), ring.end(), take);
    if (!(left <= right && bottom <= top))
        return QRectF(-5, -5, 10, 10);
    const double margin = std::max({right - left, top - bottom, 1.0}) * 0.03;
    return QRectF(QPointF(left, bottom), QPointF(right, top))
        .adjusted(-margin, -margin, margin, margin);
}

std::vector<PlanShape> SiteDeliverables::bestLevels() const {
    // One tile over the whole plan: a drawing's regions are not cut at tiles' edges.
    BestLevelMap map(WholePlanMetres);
    map.reset(mapCameras(m_coverage, m_site, PlanShows::BestLevel));
    std::vector<PlanShape> levels = map.levels();
    levels.resize(std::max(levels.size(), m_site.levelSet.size()));
    return levels;
}

std::vector<LegendEntry> SiteDeliverables::legend() const {
    std::vector<LegendEntry> entries;
    for (Level level = 0; level < m_site.levelSet.size(); ++level)
        entries.push_back(
            {LegendEntry::Kind::Band, level, CoverageText::levelName(m_site.levelSet, level)});
    entries.push_back({LegendEntry::Kind::DeadZone, 0, tr("Dead zone")});
    entries.push_back({LegendEntry::Kind::Covered, 0, tr("Area covered")});
    entries.push_back({LegendEntry::Kind::Met, 0,
                       tr("Area met (%1, solid outline)").arg(FigureCaptions::metMark(true))});
    entries.push_back(
        {LegendEntry::Kind::NotMet, 0,
         tr("Area not met (%1, dashed outline)").arg(FigureCaptions::metMark(false))});
    entries.push_back({LegendEntry::Kind::Wall, 0, tr("Wall")});
    return entries;
}

ScaleBar SiteDeliverables::scaleBar(double pixelsPerMetre, double mostPixels) const {
    const double metres = roundLength(mostPixels / pixelsPerMetre, m_site.units);
    return {metres * pixelsPerMetre,
            QLocale().toString(toUnits(metres, m_site.units)) + u' ' + lengthUnit(m_site.units)};
}

std::variant<SvgFrame, QString> SiteDeliverables::svgFrame() const {
    const QRectF bounds = planBounds();
    // SVG numbers keep six digits, millimetres only within a kilometre of where they count
    // from: the drawing counts from the whole kilometre nearest the site's middle, which its
    // description names, and its y grows down, so north is up.
    // (+ 0.0 makes a -0 a plain 0.)
    const auto kilometre = [](double metres) { return std::round(metres / 1000) * 1000 + 0.0; };
    const QPointF origin(kilometre(bounds.center().x()), kilometre(bounds.center().y()));
    const QRectF box(bounds.left() - origin.x(), origin.y() - bounds.bottom(), bounds.width(),
                     bounds.height());
    const double width = std::ceil(box.width() * SvgDotsPerMetre);
    const double height = std::ceil(box.height() * SvgDotsPerMetre);
    if (width > INT_MAX || height > INT_MAX)
        return tr("the site is too large for a drawing at 1:1");
    return SvgFrame{origin, box, QSize(int(width), int(height)), tr("Site plan"),
                    tr("Coverage of the site's cameras, in metres at 1:1, x to the east "
                       "and y to the south of the plan's point %1 m east, %2 m north")
                        .arg(origin.x(), 0, 'f', 0)
                        .arg(origin.y(), 0, 'f', 0)};
}

} // namespace vistaro
