// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/sitedeliverables.h"

#include "optics/coverageformat.h"
#include "optics/units.h"
#include "platform/csvfile.h"
#include "site/planextent.h"
#include "site/planfigures.h"

#include <climits>
#include <cmath>

namespace vistaro {

SiteDeliverables::SiteDeliverables(const Site& site, const SiteCoverage& coverage,
                                   const std::optional<QRectF>& background)
    : m_site(site), m_coverage(coverage), m_extent(planExtent(site, background)) {
    BandCut cut;
    cut.setLimit(bandLimit(site, m_extent));
    m_drawn.reserve(static_cast<std::size_t>(coverage.cameraCount()));
    for (int i = 0; i < coverage.cameraCount(); ++i)
        m_drawn.push_back(cut.cut(coverage.footprint(i)));
}

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
    return m_extent ? withBandMargin(*m_extent) : QRectF(-5, -5, 10, 10);
}

std::vector<const PlanShape*> SiteDeliverables::bandsAt(Level level) const {
    std::vector<const PlanShape*> shapes;
    for (const CameraFootprint& footprint : m_drawn)
        for (const LevelBand& band : footprint.bands)
            if (band.level == level)
                shapes.push_back(&band.shape);
    return shapes;
}

std::vector<LegendEntry> SiteDeliverables::legend() const {
    std::vector<LegendEntry> entries;
    for (Level level = 0; level < m_site.levelSet.size(); ++level)
        entries.push_back(
            {LegendEntry::Kind::Band, level, CoverageText::levelName(m_site.levelSet, level)});
    entries.push_back({LegendEntry::Kind::DeadZone, 0, tr("Dead zone")});
    entries.push_back({LegendEntry::Kind::Covered, 0, tr("Area covered")});
    entries.push_back({LegendEntry::Kind::Wall, 0, tr("Wall")});
    return entries;
}

ScaleBar SiteDeliverables::scaleBar(double pixelsPerMetre, double mostPixels) const {
    const double metres = roundLength(mostPixels / pixelsPerMetre, m_site.units);
    return {metres * pixelsPerMetre,
            QLocale().toString(toUnits(metres, m_site.units)) + u' ' + lengthUnit(m_site.units)};
}

std::variant<SvgFrame, QString> SiteDeliverables::svgFrame(int scale) const {
    const QRectF bounds = planBounds();
    // SVG numbers keep six digits, millimetres only within a kilometre of where they count
    // from: the drawing counts from the whole kilometre nearest the site's middle, which its
    // description names, and its y grows down, so north is up.
    // (+ 0.0 makes a -0 a plain 0.)
    const auto kilometre = [](double metres) { return std::round(metres / 1000) * 1000 + 0.0; };
    const QPointF origin(kilometre(bounds.center().x()), kilometre(bounds.center().y()));
    const QRectF box(bounds.left() - origin.x(), origin.y() - bounds.bottom(), bounds.width(),
                     bounds.height());
    const double dotsPerMetre = SvgDotsPerMillimetre * 1000 / scale;
    const double width = std::ceil(box.width() * dotsPerMetre);
    const double height = std::ceil(box.height() * dotsPerMetre);
    if (width > INT_MAX || height > INT_MAX)
        return tr("the site is too large for a drawing at 1:%1").arg(scale);
    return SvgFrame{origin, box, QSize(int(width), int(height)), tr("Site plan, 1:%1").arg(scale),
                    tr("Coverage of the site's cameras at 1:%3, in metres, x to the east and y to "
                       "the south of the plan's point %1 m east, %2 m north")
                        .arg(origin.x(), 0, 'f', 0)
                        .arg(origin.y(), 0, 'f', 0)
                        .arg(scale)};
}

} // namespace vistaro
