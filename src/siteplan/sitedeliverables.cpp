// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/sitedeliverables.h"

#include "optics/coverageformat.h"
#include "optics/units.h"
#include "platform/csvfile.h"
#include "platform/savefile.h"
#include "site/planfigures.h"
#include "siteplan/plancolours.h"
#include "siteplan/planitems.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

namespace vistaro {

namespace {

// The plan page's drawing, in screen pixels: the page's printable width, and room below.
const QSizeF PlanPageSize(680, 900);
constexpr qreal LegendHeight = 70;
// Line widths and marks in the SVG, in metres: a wall is 15 cm wide on the drawing.
constexpr qreal SvgUnit = 0.05;
// The SVG at 1:1 in millimetres: 254 dots an inch is ten a millimetre.
constexpr int SvgDotsPerInch = 254;
constexpr double SvgDotsPerMetre = 10'000;
constexpr int DeadZoneSvgAlpha = 70;

// `text` with its baseline's start at `at`, `height` high in the painter's units: the painter
// is scaled rather than the font sized, so that a text a few centimetres high reads in the SVG.
void label(QPainter& painter, QPointF at, const QString& text, qreal height) {
    constexpr int Pixels = 20;
    painter.save();
    painter.translate(at);
    painter.scale(height / Pixels, height / Pixels);
    QFont font = painter.font();
    font.setPixelSize(Pixels);
    painter.setFont(font);
    painter.drawText(QPointF(0, 0), text);
    painter.restore();
}

// The smallest rectangle of the plan holding everything drawn, in metres; a square of 10 m round
// the origin for an empty site.
QRectF planBounds(const Site& site, const SiteCoverage& coverage) {
    double left = INFINITY, right = -INFINITY, bottom = INFINITY, top = -INFINITY;
    const auto take = [&](const PlanPoint& p) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        bottom = std::min(bottom, p.y);
        top = std::max(top, p.y);
    };
    for (const SiteCamera& camera : site.cameras)
        take(camera.position);
    for (const SiteWall& wall : site.walls)
        std::for_each(wall.points.begin(), wall.points.end(), take);
    for (const SiteArea& area : site.areas)
        std::for_each(area.points.begin(), area.points.end(), take);
    for (int i = 0; i < coverage.cameraCount(); ++i)
        for (const LevelBand& band : coverage.footprint(i).bands)
            for (const std::vector<PlanPoint>& ring : band.shape.rings)
                std::for_each(ring.begin(), ring.end(), take);
    if (!(left <= right && bottom <= top))
        return QRectF(-5, -5, 10, 10);
    const double margin = std::max({right - left, top - bottom, 1.0}) * 0.03;
    return QRectF(QPointF(left, bottom), QPointF(right, top))
        .adjusted(-margin, -margin, margin, margin);
}

// The content of the plan through `toOut` (plan metres to the painter's units), lines and marks
// `unit` wide: each level's bands together (one group in an SVG), the dead zones filled with
// `deadZone`, the areas with their covered parts, the walls and the cameras with their names.
void paintContent(QPainter& painter, const Site& site, const SiteCoverage& coverage,
                  const QTransform& toOut, qreal unit, const QBrush& deadZone) {
    painter.setPen(Qt::NoPen);
    for (Level level = 0; level < site.levelSet.size(); ++level) {
        painter.setBrush(levelQColor(level, BandAlpha));
        for (int i = 0; i < coverage.cameraCount(); ++i)
            for (const LevelBand& band : coverage.footprint(i).bands)
                if (band.level == level)
                    painter.drawPath(drawnPath(band.shape, toOut));
    }
    painter.setPen(QPen(QColor::fromRgba(DeadZoneColour), unit * 0.5));
    painter.setBrush(deadZone);
    for (int i = 0; i < coverage.cameraCount(); ++i)
        painter.drawPath(drawnPath(coverage.footprint(i).deadZone, toOut));
    for (std::size_t i = 0; i < site.areas.size() && int(i) < coverage.areaCount(); ++i) {
        const SiteArea& area = site.areas[i];
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromRgba(CoveredColour));
        painter.drawPath(drawnPath(coverage.coverage(int(i)).covered, toOut));
        painter.setPen(QPen(levelQColor(area.level).darker(120), unit, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(drawnPolygon(area.points, toOut));
        painter.setPen(QColor::fromRgba(WallColour));
        if (!area.points.empty())
            label(painter, toOut.map(QPointF(area.points.front().x, area.points.front().y)),
                  area.name, unit * 9);
    }
    painter.setPen(
        QPen(QColor::fromRgba(WallColour), unit * 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    for (const SiteWall& wall : site.walls)
        painter.drawPolyline(drawnPolygon(wall.points, toOut));
    for (const SiteCamera& camera : site.cameras) {
        const QPointF at = toOut.map(QPointF(camera.position.x, camera.position.y));
        const double pan = camera.panDeg * std::numbers::pi / 180;
        const QPointF ahead = toOut.map(
            QPointF(camera.position.x + std::cos(pan), camera.position.y + std::sin(pan)));
        const QPointF along =
            (ahead - at) / std::max(1e-9, std::hypot((ahead - at).x(), (ahead - at).y()));
        painter.setPen(QPen(Qt::black, unit));
        painter.drawLine(at, at + along * unit * 14);
        painter.setBrush(levelQColor(camera.level).darker(140));
        painter.drawEllipse(at, unit * 5, unit * 5);
        label(painter, at + QPointF(unit * 7, -unit * 7), camera.name, unit * 10);
    }
}

// The legend's entries below the plan, then the scale bar at the given pixels a metre.
void paintLegend(QPainter& painter, const QRectF& strip, double pixelsPerMetre, Units units,
                 const LevelSet& levels) {
    const qreal swatch = 12;
    qreal x = strip.left();
    qreal y = strip.top() + 6;
    const auto entry = [&](const QString& text, const QBrush& brush, const QPen& pen) {
        const qreal width = swatch + 6 + painter.fontMetrics().horizontalAdvance(text) + 16;
        if (x + width > strip.right()) {
            x = strip.left();
            y += swatch + 6;
        }
        painter.setPen(pen);
        painter.setBrush(brush);
        painter.drawRect(QRectF(x, y, swatch, swatch));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x + swatch + 6, y + swatch - 2), text);
        x += width;
    };
    for (Level level = 0; level < levels.size(); ++level)
        entry(CoverageText::levelName(levels, level), levelQColor(level, BandAlpha), Qt::NoPen);
    const QColor dead = QColor::fromRgba(DeadZoneColour);
    entry(SiteDeliverables::tr("Dead zone"), QBrush(dead, Qt::FDiagPattern), QPen(dead));
    entry(SiteDeliverables::tr("Area covered"), QColor::fromRgba(CoveredColour), Qt::NoPen);
    entry(SiteDeliverables::tr("Wall"), QColor::fromRgba(WallColour), Qt::NoPen);

    const double metres = roundLength(strip.width() * 0.3 / pixelsPerMetre, units);
    const qreal bar = metres * pixelsPerMetre;
    const qreal base = strip.bottom() - 6;
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawLine(QPointF(strip.left(), base), QPointF(strip.left() + bar, base));
    for (const qreal tick : {0.0, bar / 2, bar})
        painter.drawLine(QPointF(strip.left() + tick, base - 5),
                         QPointF(strip.left() + tick, base));
    painter.drawText(QPointF(strip.left() + bar + 8, base),
                     QLocale().toString(toUnits(metres, units)) + u' ' + lengthUnit(units));
}

// An arrow pointing up, north, with its letter, in the corner at `tip`.
void paintNorth(QPainter& painter, QPointF tip) {
    const qreal size = 24;
    QPolygonF arrow;
    arrow << tip << tip + QPointF(size / 3, size) << tip + QPointF(0, size * 0.75)
          << tip + QPointF(-size / 3, size);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::black);
    painter.drawPolygon(arrow);
    const QString north = SiteDeliverables::tr("N");
    painter.drawText(
        tip + QPointF(-painter.fontMetrics().horizontalAdvance(north) / 2.0, size + 14), north);
}

} // namespace

ReportTable SiteDeliverables::cameraSchedule(const QLocale& locale) const {
    const Units units = m_site.units;
    ReportTable table{tr("Cameras"),
                      {tr("Name"), tr("Lens"), tr("Focal (mm)"), tr("Horizontal angle (\u00b0)"),
                       tr("Vertical angle (\u00b0)"),
                       withUnit(tr("Density at aim"), densityUnit(units)), tr("Level"),
                       withUnit(tr("Area at level"), areaUnit(units))},
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

ReportTable SiteDeliverables::areaSchedule(const QLocale& locale) const {
    ReportTable table{
        tr("Areas"),
        {tr("Name"), tr("Level"), withUnit(tr("Area"), areaUnit(m_site.units)), tr("Covered (%)")},
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
    const ReportTable cameras = cameraSchedule(QLocale::c());
    const ReportTable areas = areaSchedule(QLocale::c());
    QByteArray bytes = CsvFile::table(cameras.columns, cameras.rows) + CsvFile::line({});
    bytes += CsvFile::line(areas.columns);
    for (const QStringList& row : areas.rows)
        bytes += CsvFile::line(row);
    return bytes;
}

void SiteDeliverables::paintPlan(QPainter& painter, const QRectF& area) const {
    const QRectF plan = area.adjusted(0, 0, 0, -LegendHeight);
    const QRectF bounds = planBounds(m_site, m_coverage);
    const double scale = std::min(plan.width() / bounds.width(), plan.height() / bounds.height());
    // North up: plan y grows up the page.
    QTransform toPage;
    toPage.translate(plan.center().x(), plan.top() + bounds.height() * scale / 2);
    toPage.scale(scale, -scale);
    toPage.translate(-bounds.center().x(), -bounds.center().y());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintContent(painter, m_site, m_coverage, toPage, 1,
                 QBrush(QColor::fromRgba(DeadZoneColour), Qt::FDiagPattern));
    painter.setPen(QPen(QColor::fromRgba(WallColour), 0.5));
    painter.setBrush(Qt::NoBrush);
    const QRectF frame = toPage.mapRect(bounds);
    painter.drawRect(frame);
    const QRectF strip(area.left(), frame.bottom() + 8, area.width(), LegendHeight - 8);
    paintLegend(painter, strip, scale, m_site.units, m_site.levelSet);
    paintNorth(painter, QPointF(strip.right() - 12, strip.bottom() - 40));
    painter.restore();
}

QList<ReportDocument> SiteDeliverables::report(const CameraPage& cameraPage,
                                               const QDate& date) const {
    const QString day = QLocale().toString(date, QLocale::LongFormat);
    const QString footer =
        tr("%1 %2, lens calculator for CCTV cameras")
            .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
    ReportDocument plan{tr("Site plan"), day, {}, {}, footer, {}};
    plan.drawings.append(
        {QString(), PlanPageSize,
         [copy = *this](QPainter& painter, const QRectF& area) { copy.paintPlan(painter, area); }});
    QList<ReportDocument> pages{plan};
    for (const SiteCamera& camera : m_site.cameras)
        pages.append(cameraPage(camera));
    ReportDocument schedule{tr("Schedule"), day, {}, {}, footer, {}};
    schedule.tables = {cameraSchedule(QLocale()), areaSchedule(QLocale())};
    pages.append(schedule);
    return pages;
}

DxfCoverage SiteDeliverables::dxfCoverage() const {
    DxfCoverage drawing;
    drawing.walls = m_site.walls;
    for (const SiteArea& area : m_site.areas)
        drawing.areas.push_back({area.name, area.points});
    for (const SiteCamera& camera : m_site.cameras)
        drawing.cameras.push_back({camera.name, camera.position, camera.panDeg});
    drawing.levelSet = m_site.levelSet;
    for (Level level = 0; level < m_site.levelSet.size(); ++level) {
        DxfLevelBands bands{level, {}};
        for (int i = 0; i < m_coverage.cameraCount(); ++i)
            for (const LevelBand& band : m_coverage.footprint(i).bands)
                if (band.level == level)
                    bands.polygons.insert(bands.polygons.end(), band.shape.rings.begin(),
                                          band.shape.rings.end());
        drawing.bands.push_back(std::move(bands));
    }
    return drawing;
}

std::optional<QString> SiteDeliverables::saveSvg(const QString& path) const {
    const QRectF bounds = planBounds(m_site, m_coverage);
    // SVG numbers keep six digits, millimetres only within a kilometre of where they count
    // from: the drawing counts from the whole kilometre nearest the site's middle, which its
    // description names, and its y grows down, so north is up.
    // (+ 0.0 makes a -0 a plain 0.)
    const auto kilometre = [](double metres) { return std::round(metres / 1000) * 1000 + 0.0; };
    const QPointF origin(kilometre(bounds.center().x()), kilometre(bounds.center().y()));
    const QTransform toSvg(1, 0, 0, -1, -origin.x(), origin.y());
    const QRectF box(bounds.left() - origin.x(), origin.y() - bounds.bottom(), bounds.width(),
                     bounds.height());
    const double width = std::ceil(box.width() * SvgDotsPerMetre);
    const double height = std::ceil(box.height() * SvgDotsPerMetre);
    if (width > INT_MAX || height > INT_MAX)
        return SaveFailure{path, tr("the site is too large for a drawing at 1:1")}.message();
    return failureMessage(saveWhole(path, [&](QIODevice& file) -> std::optional<QString> {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setResolution(SvgDotsPerInch);
        svg.setSize(QSize(int(width), int(height)));
        svg.setViewBox(box);
        svg.setTitle(tr("Site plan"));
        svg.setDescription(tr("Coverage of the site's cameras, in metres at 1:1, x to the east "
                              "and y to the south of the plan's point %1 m east, %2 m north")
                               .arg(origin.x(), 0, 'f', 0)
                               .arg(origin.y(), 0, 'f', 0));
        QPainter painter;
        if (!painter.begin(&svg))
            return tr("the drawing could not be begun");
        // A hatching's pattern would be drawn in metres, a line every few of them: a tint.
        QColor deadZone = QColor::fromRgba(DeadZoneColour);
        deadZone.setAlpha(DeadZoneSvgAlpha);
        paintContent(painter, m_site, m_coverage, toSvg, SvgUnit, deadZone);
        painter.end();
        return std::nullopt;
    }));
}

} // namespace vistaro
