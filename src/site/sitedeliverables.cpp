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

using namespace Qt::StringLiterals;

SiteDeliverables::SiteDeliverables(const Site& site, const SiteCoverage& coverage,
                                   const std::optional<QRectF>& background)
    : m_site(site), m_coverage(coverage), m_extent(planExtent(site, background)) {
    // Drawn to the frame; a boundary has cut the bands already.
    BandCut cut;
    if (m_extent && site.boundary.empty())
        cut.setLimit(printedFrame(*m_extent));
    m_drawn.reserve(static_cast<std::size_t>(coverage.cameraCount()));
    for (int i = 0; i < coverage.cameraCount(); ++i)
        m_drawn.push_back(cut.cut(coverage.footprint(i)));
}

template <typename Item>
void SiteDeliverables::withStoreys(ScheduleTable& table, const std::vector<Item>& items) const {
    if (m_site.storeys.size() < 2)
        return;
    table.columns.insert(1, tr("Storey"));
    for (qsizetype i = 0; i < table.rows.size() && std::size_t(i) < items.size(); ++i)
        table.rows[i].insert(1, storeyName(m_site, items[std::size_t(i)].storey));
}

ScheduleTable SiteDeliverables::cameraSchedule(const QLocale& locale) const {
    const Units units = m_site.units;
    const QString length = lengthUnit(units);
    const auto withDegrees = [](const QString& caption) { return withUnit(caption, u"\u00b0"_s); };
    ScheduleTable table{tr("Cameras"),
                        {tr("Name"), withUnit(tr("X"), length), withUnit(tr("Y"), length),
                         withUnit(tr("Height"), length), withDegrees(tr("Pan")),
                         withDegrees(tr("Tilt")), tr("Lens"), tr("Focal (mm)"), tr("Level wanted"),
                         tr("Level at aim")},
                        {}};
    const auto figure = [&](double value, int decimals) {
        return CoverageText::figure(value, decimals, Rounding::Nearest, locale);
    };
    for (std::size_t i = 0; i < m_site.cameras.size(); ++i) {
        const SiteCamera& camera = m_site.cameras[i];
        const CameraRowTexts texts =
            cameraRowTexts(camera, m_site.levelSet, std::nullopt, units, locale);
        const std::optional<double> tilt = cameraFigures(camera, m_site.levelSet).wide.tiltDeg;
        table.rows.append({camera.name, figure(toUnits(camera.position.x, units), 2),
                           figure(toUnits(camera.position.y, units), 2),
                           figure(toUnits(camera.mountHeightM, units), 2), figure(camera.panDeg, 1),
                           tilt ? figure(*tilt, 1) : u"-"_s, camera.lens, texts.focal, texts.level,
                           levelReached(int(i))});
    }
    withStoreys(table, m_site.cameras);
    return table;
}

ScheduleTable SiteDeliverables::areaSchedule(const QLocale& locale) const {
    ScheduleTable table{
        tr("Areas"),
        {tr("Name"), tr("Level required"), tr("Required (%)"), tr("Covered (%)"), tr("Met")},
        {}};
    for (std::size_t i = 0; i < m_site.areas.size(); ++i) {
        const SiteArea& area = m_site.areas[i];
        const bool known = int(i) < m_coverage.areaCount();
        const double share = known ? m_coverage.coverage(int(i)).share : 0;
        table.rows.append({area.name, CoverageText::levelName(m_site.levelSet, area.level),
                           requiredText(area, locale),
                           known ? coveredText(share, locale) : QString(),
                           known ? (areaMet(area, share) ? tr("yes") : tr("no")) : QString()});
    }
    withStoreys(table, m_site.areas);
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

ScheduleTable SiteDeliverables::cover(const QDate& date) const {
    const SiteProperties& given = m_site.properties;
    ScheduleTable table{given.project.isEmpty() ? tr("Site plan") : given.project, {}, {}};
    const std::pair<QString, QString> lines[] = {
        {tr("Client"), given.client},
        {tr("Address"), given.address},
        {tr("Designer"), given.designer},
        {tr("Company"), given.company},
        {tr("Revision"), given.revision},
        {tr("Date"), QLocale().toString(date, QLocale::LongFormat)},
        {tr("Cameras"), QLocale().toString(qsizetype(m_site.cameras.size()))},
        {tr("Areas to cover"), QLocale().toString(qsizetype(m_site.areas.size()))},
        {tr("Notes"), given.notes}};
    for (const auto& [label, value] : lines)
        if (!value.trimmed().isEmpty())
            table.rows.append({label, value});
    return table;
}

ScheduleTable SiteDeliverables::summary(const QLocale& locale) const {
    ScheduleTable table{tr("Summary"), {}, {}};
    table.rows.append({tr("Cameras"), locale.toString(qsizetype(m_site.cameras.size()))});
    QList<QStringList> areas;
    int met = 0;
    for (std::size_t i = 0; i < m_site.areas.size() && int(i) < m_coverage.areaCount(); ++i) {
        const SiteArea& area = m_site.areas[i];
        const double share = m_coverage.coverage(int(i)).share;
        const bool passed = areaMet(area, share);
        met += passed ? 1 : 0;
        areas.append({m_site.storeys.size() > 1
                          ? tr("%1 (%2)").arg(area.name, storeyName(m_site, area.storey))
                          : area.name,
                      tr("%1: %2 % covered, %3 % required at %4")
                          .arg(passed ? tr("Met") : tr("Not met"), coveredText(share, locale),
                               requiredText(area, locale),
                               CoverageText::levelName(m_site.levelSet, area.level))});
    }
    table.rows.append(
        {tr("Areas met"), tr("%1 of %2").arg(locale.toString(met), locale.toString(areas.size()))});
    table.rows.append(areas);
    return table;
}

QString SiteDeliverables::levelReached(int camera) const {
    const CameraFigures figures =
        cameraFigures(m_site.cameras.at(std::size_t(camera)), m_site.levelSet);
    return CoverageText::levelReached(figures.wide, m_site.levelSet);
}

QString SiteDeliverables::scaleText(int scale, const QString& paper) {
    return paper.isEmpty() ? tr("Scale 1:%1").arg(scale)
                           : tr("Scale 1:%1 on %2").arg(scale).arg(paper);
}

int planScale(const QSizeF& extentMetres, const QSizeF& paperMm) {
    // A hair of slack, so that a plan that fits exactly is not pushed to the next scale.
    const auto fits = [&](double scale) {
        return extentMetres.width() * 1000 / scale <= paperMm.width() * (1 + 1e-9) &&
               extentMetres.height() * 1000 / scale <= paperMm.height() * (1 + 1e-9);
    };
    for (const int scale : {50, 100, 200, 500})
        if (fits(scale))
            return scale;
    for (int power = 1000; power <= 100'000'000; power *= 10)
        for (const int step : {1, 2, 5})
            if (fits(double(power) * step))
                return power * step;
    return 0;
}

QRectF SiteDeliverables::planBounds() const {
    return m_extent ? printedFrame(*m_extent) : QRectF(-5, -5, 10, 10);
}

QRectF SiteDeliverables::cameraWindow(int camera) const {
    const PlanPoint& at = m_site.cameras.at(std::size_t(camera)).position;
    double left = at.x, right = at.x, bottom = at.y, top = at.y;
    const auto take = [&](const PlanShape& shape) {
        for (const std::vector<PlanPoint>& ring : shape.rings)
            for (const PlanPoint& p : ring) {
                left = std::min(left, p.x);
                right = std::max(right, p.x);
                bottom = std::min(bottom, p.y);
                top = std::max(top, p.y);
            }
    };
    if (std::size_t(camera) < m_drawn.size()) {
        const CameraFootprint& footprint = m_drawn[std::size_t(camera)];
        for (const LevelBand& band : footprint.bands)
            take(band.shape);
        take(footprint.deadZone);
    }
    // Enough room round a small footprint for the camera's name and the walls beside it.
    const double margin = std::max(2.0, std::max(right - left, top - bottom) * 0.1);
    return QRectF(QPointF(left, bottom), QPointF(right, top))
        .adjusted(-margin, -margin, margin, margin);
}

const std::vector<PlanShape>& SiteDeliverables::bestLevels(int storey) const {
    if (const auto kept = m_bestLevels->find(storey); kept != m_bestLevels->end())
        return kept->second;
    // One tile over the whole plan, so that a drawing's regions are not cut at tiles' edges; of
    // the footprints as drawn, so that they end where the drawing does.
    BestLevelMap map(WholePlanMetres);
    std::vector<BestLevelMap::Camera> cameras;
    cameras.reserve(m_drawn.size());
    for (const CameraFootprint& footprint : m_drawn)
        cameras.push_back({&footprint.cover, std::nullopt});
    map.reset(cameras, storey);
    std::vector<PlanShape> levels = map.levels();
    levels.resize(std::max(levels.size(), m_site.levelSet.size()));
    return m_bestLevels->emplace(storey, std::move(levels)).first->second;
}

std::vector<LegendEntry> SiteDeliverables::legend(const LevelSet& levels) {
    std::vector<LegendEntry> entries;
    for (Level level = 0; level < levels.size(); ++level)
        entries.push_back({LegendEntry::Kind::Band, level, CoverageText::levelName(levels, level)});
    entries.push_back({LegendEntry::Kind::DeadZone, 0, tr("Dead zone")});
    entries.push_back({LegendEntry::Kind::Covered, 0, tr("Area covered")});
    entries.push_back({LegendEntry::Kind::Met, 0,
                       tr("Area met (%1, solid outline)").arg(FigureCaptions::metMark(true))});
    entries.push_back(
        {LegendEntry::Kind::NotMet, 0,
         tr("Area not met (%1, dashed outline)").arg(FigureCaptions::metMark(false))});
    entries.push_back({LegendEntry::Kind::Wall, 0, tr("Wall")});
    entries.push_back({LegendEntry::Kind::Obstacle, 0, tr("Obstacle")});
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
    // from: the drawing counts from the site's reference point, which lies at its drawing's
    // corner, else from the whole kilometre nearest the site's middle; its description names
    // the point, and its y grows down, so north is up. (+ 0.0 makes a -0 a plain 0.)
    const auto kilometre = [](double metres) { return std::round(metres / 1000) * 1000 + 0.0; };
    const QPointF origin =
        m_site.properties.reference
            ? QPointF(m_site.properties.reference->x, m_site.properties.reference->y)
            : QPointF(kilometre(bounds.center().x()), kilometre(bounds.center().y()));
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
                        .arg(QLocale::c().toString(origin.x(), 'f', QLocale::FloatingPointShortest),
                             QLocale::c().toString(origin.y(), 'f', QLocale::FloatingPointShortest))
                        .arg(scale)};
}

} // namespace vistaro
