// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/sitedrawings.h"

#include "camerareport/sitecamerareport.h"
#include "optics/coverageformat.h"
#include "platform/savefile.h"
#include "render/renderview.h"
#include "site/plancoordinates.h"
#include "site/planfigures.h"
#include "siteplan/backgroundpicture.h"
#include "siteplan/plancolours.h"
#include "siteplan/planitems.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

namespace vistaro {

namespace {

// The plan page's drawing, in screen pixels: the page's printable width, and room below; across
// the paper for a plan wider than high.
const QSizeF PlanPageSize(680, 900);
const QSizeF PlanPageAcross(1000, 600);
// The plan round a camera on its page, beside the coverage drawings.
const QSizeF ExcerptSize(400, 400);
constexpr qreal LegendHeight = 70;
// The camera's view beside it is as wide, at the camera's aspect, drawn at this many dots an inch
// of paper: the drawing's own size on the page is all a print shows.
constexpr qreal ViewDotsPerInch = 150;
constexpr int ViewReasonPixels = 16;
// Line widths and marks in the SVG, in metres: a wall is 15 cm wide on the drawing.
constexpr qreal SvgUnit = 0.05;
// The SVG's width and height in millimetres: 254 dots an inch is ten a millimetre.
constexpr int SvgDotsPerInch = static_cast<int>(SvgDotsPerMillimetre * 25.4);
constexpr int DeadZoneSvgAlpha = 70;
constexpr int ObstacleAlpha = 90;

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

// The content of `storey`'s plan through `toOut` (plan metres to the painter's units), lines and
// marks `unit` wide: where each level is the best met (one group in an SVG), the dead zones filled
// with `deadZone`, the areas with their covered parts, the boundary, the obstacles, the walls and
// the cameras with their names.
void paintContent(QPainter& painter, const SiteDeliverables& deliverables, const QTransform& toOut,
                  qreal unit, const QBrush& deadZone, int storey) {
    const Site& site = deliverables.site();
    const SiteCoverage& coverage = deliverables.coverage();
    painter.setPen(Qt::NoPen);
    const std::vector<PlanShape>& best = deliverables.bestLevels(storey);
    for (Level level = 0; level < best.size(); ++level) {
        painter.setBrush(levelQColor(level, BandAlpha));
        painter.drawPath(drawnPath(best[level], toOut));
    }
    painter.setPen(QPen(QColor::fromRgba(DeadZoneColour), unit * 0.5));
    painter.setBrush(deadZone);
    for (int i = 0; i < coverage.cameraCount(); ++i)
        if (deliverables.drawnFootprint(i).cover.storey == storey)
            painter.drawPath(drawnPath(deliverables.drawnFootprint(i).deadZone, toOut));
    for (std::size_t i = 0; i < site.areas.size() && int(i) < coverage.areaCount(); ++i) {
        const SiteArea& area = site.areas[i];
        if (area.storey != storey)
            continue;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromRgba(CoveredColour));
        painter.drawPath(drawnPath(coverage.coverage(int(i)).covered, toOut));
        const double share = coverage.coverage(int(i)).share;
        painter.setPen(areaOutline(areaMet(area, share), unit * 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(drawnPolygon(area.points, toOut));
        painter.setPen(QColor::fromRgba(WallColour));
        if (!area.points.empty())
            label(painter, toOut.map(QPointF(area.points.front().x, area.points.front().y)),
                  FigureCaptions::areaLabel(area, site.levelSet, share), unit * 9);
    }
    if (!site.boundary.empty()) {
        painter.setPen(QPen(QColor::fromRgba(BoundaryColour), unit, Qt::DashDotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(drawnPolygon(site.boundary, toOut));
    }
    // Obstacles under the walls, tinted: a hatching would be drawn in metres in an SVG.
    QColor obstacleTint = QColor::fromRgba(ObstacleColour);
    obstacleTint.setAlpha(ObstacleAlpha);
    painter.setPen(QPen(QColor::fromRgba(ObstacleColour), unit));
    painter.setBrush(obstacleTint);
    for (const SiteObstacle& obstacle : site.obstacles)
        if (obstacle.storey == storey)
            painter.drawPolygon(drawnPolygon(obstacle.points, toOut));
    painter.setPen(
        QPen(QColor::fromRgba(WallColour), unit * 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    for (const SiteWall& wall : site.walls)
        if (wall.storey == storey)
            painter.drawPolyline(drawnPolygon(wall.points, toOut));
    for (const SiteCamera& camera : site.cameras) {
        if (camera.storey != storey)
            continue;
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

// The legend's entries below the plan, then the scale bar at the given pixels a metre and the
// scale `stated`.
void paintLegend(QPainter& painter, const QRectF& strip, double pixelsPerMetre,
                 const SiteDeliverables& deliverables, const QString& stated) {
    const qreal swatch = 12;
    qreal x = strip.left();
    qreal y = strip.top() + 6;
    for (const LegendEntry& entry : SiteDeliverables::legend(deliverables.site().levelSet)) {
        const qreal width = swatch + 6 + painter.fontMetrics().horizontalAdvance(entry.text) + 16;
        if (x + width > strip.right()) {
            x = strip.left();
            y += swatch + 6;
        }
        paintLegendSwatch(painter, entry, QRectF(x, y, swatch, swatch));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x + swatch + 6, y + swatch - 2), entry.text);
        x += width;
    }

    const ScaleBar scale = deliverables.scaleBar(pixelsPerMetre, strip.width() * 0.3);
    const qreal bar = scale.pixels;
    const qreal base = strip.bottom() - 6;
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawLine(QPointF(strip.left(), base), QPointF(strip.left() + bar, base));
    for (const qreal tick : {0.0, bar / 2, bar})
        painter.drawLine(QPointF(strip.left() + tick, base - 5),
                         QPointF(strip.left() + tick, base));
    painter.drawText(QPointF(strip.left() + bar + 8, base), scale.text);
    painter.drawText(
        QPointF(strip.left() + bar + 32 + painter.fontMetrics().horizontalAdvance(scale.text),
                base),
        stated);
}

ReportTable reportTable(const ScheduleTable& table) {
    return {table.heading, table.columns, table.rows};
}

// Lines of label and value as a section under `heading`.
ReportSection keyValues(const QString& heading, const ScheduleTable& lines) {
    ReportSection section{heading, {}, {}};
    for (const QStringList& line : lines.rows)
        section.rows.append({line.value(0), {line.value(1)}});
    return section;
}

// Camera `camera`'s view, drawn when its page is painted, at most as many pixels as the camera's
// own picture and as print needs at the drawing's size on paper; or the one line saying why
// there is none.
ReportDrawing viewDrawing(const Site& site, int camera,
                          const std::shared_ptr<const RenderScene>& scene) {
    const SiteCamera& shown = site.cameras.at(std::size_t(camera));
    const SensorSize imaged = imagedArea(shown.camera.sensor, shown.camera.image);
    const double aspect = imaged.heightMm / imaged.widthMm;
    const QSizeF size(ExcerptSize.width(),
                      ExcerptSize.width() * (aspect > 0 && aspect < 10 ? aspect : 3.0 / 4));
    return {
        SiteDeliverables::tr("View"), size,
        [site = &site, camera, scene](QPainter& painter, const QRectF& area) {
            const QRectF onDevice = painter.deviceTransform().mapRect(area);
            const qreal inches = onDevice.width() / std::max(1, painter.device()->logicalDpiX());
            const ImageSize own = site->cameras.at(std::size_t(camera)).camera.image;
            const int width =
                std::clamp(int(std::lround(inches * ViewDotsPerInch)), 1, std::max(1, own.columns));
            const int height = std::max(1, int(std::lround(width * area.height() / area.width())));
            const std::variant<CameraView, QString> view =
                renderView(*scene, *site, camera, width, height);
            if (const auto* picture = std::get_if<CameraView>(&view)) {
                painter.drawImage(area, picture->image);
                return;
            }
            painter.setPen(QColor::fromRgba(WallColour));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(area);
            QFont font = painter.font();
            font.setPixelSize(ViewReasonPixels);
            painter.setFont(font);
            painter.drawText(area.adjusted(ViewReasonPixels, 0, -ViewReasonPixels, 0),
                             Qt::AlignCenter | Qt::TextWordWrap, std::get<QString>(view));
        }};
}

} // namespace

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

void paintLegendSwatch(QPainter& painter, const LegendEntry& entry, const QRectF& box) {
    const QColor dead = QColor::fromRgba(DeadZoneColour);
    switch (entry.kind) {
    case LegendEntry::Kind::Band:
        painter.setPen(Qt::NoPen);
        painter.setBrush(levelQColor(entry.level, BandAlpha));
        break;
    case LegendEntry::Kind::DeadZone:
        painter.setPen(QPen(dead));
        painter.setBrush(QBrush(dead, Qt::FDiagPattern));
        break;
    case LegendEntry::Kind::Covered:
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromRgba(CoveredColour));
        break;
    case LegendEntry::Kind::Wall:
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromRgba(WallColour));
        break;
    case LegendEntry::Kind::Obstacle:
        // Outlined and hatched, as the plan draws it.
        painter.setPen(QPen(QColor::fromRgba(ObstacleColour)));
        painter.setBrush(QBrush(QColor::fromRgba(ObstacleColour), Qt::BDiagPattern));
        break;
    case LegendEntry::Kind::Met:
    case LegendEntry::Kind::NotMet:
        painter.setPen(areaOutline(entry.kind == LegendEntry::Kind::Met, 2));
        painter.setBrush(Qt::NoBrush);
        break;
    }
    painter.drawRect(box);
}

void paintSitePlan(QPainter& painter, const QRectF& area, const SiteDeliverables& deliverables,
                   const PlanSheet& sheet) {
    const QRectF plan = area.adjusted(0, 0, 0, -LegendHeight);
    const QRectF bounds = sheet.window.value_or(deliverables.planBounds());
    double scale = std::min(plan.width() / bounds.width(), plan.height() / bounds.height());
    QString stated;
    if (sheet.toStandardScale) {
        // The painter's unit on the paper, in millimetres: the device's dots as scaled.
        const QTransform& world = painter.worldTransform();
        const double millimetres = std::hypot(world.m11(), world.m12()) * 25.4 /
                                   std::max(1, painter.device()->logicalDpiX());
        if (const int standard = planScale(bounds.size(), plan.size() * millimetres)) {
            scale = 1000.0 / standard / millimetres;
            const auto* paper = dynamic_cast<const QPagedPaintDevice*>(painter.device());
            stated = SiteDeliverables::scaleText(
                standard, paper ? paper->pageLayout().pageSize().name() : QString());
        }
    }
    // North up: plan y grows up the page.
    QTransform toPage;
    toPage.translate(plan.center().x(), plan.top() + bounds.height() * scale / 2);
    toPage.scale(scale, -scale);
    toPage.translate(-bounds.center().x(), -bounds.center().y());
    const QRectF frame = toPage.mapRect(bounds);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    painter.setClipRect(frame, Qt::IntersectClip);
    if (const std::optional<SiteBackground>& background =
            deliverables.site().storeys.at(std::size_t(sheet.storey)).background)
        sheet.background.paintOnPlan(painter, *background, toPage);
    paintContent(painter, deliverables, toPage, 1,
                 QBrush(QColor::fromRgba(DeadZoneColour), Qt::FDiagPattern), sheet.storey);
    painter.restore();
    painter.setPen(QPen(QColor::fromRgba(WallColour), 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    const QRectF strip(area.left(), frame.bottom() + 8, area.width(), LegendHeight - 8);
    paintLegend(painter, strip, scale, deliverables, stated);
    paintNorth(painter, QPointF(strip.right() - 12, strip.bottom() - 40));
    painter.restore();
}

QList<ReportDocument> siteReport(const SiteDeliverables& deliverables, const QDate& date,
                                 const std::vector<BackgroundPicture>& backgrounds) {
    const Site& site = deliverables.site();
    const ReportTexts texts = SiteDeliverables::reportTexts(date);
    const ScheduleTable cover = deliverables.cover(date);
    QList<ReportDocument> pages{{cover.heading,
                                 SiteDeliverables::tr("Camera coverage of the site"),
                                 {keyValues(QString(), cover)},
                                 {},
                                 texts.footer,
                                 {}}};
    const bool storeys = site.storeys.size() > 1;
    const auto backgroundOf = [&backgrounds](int storey) {
        return std::size_t(storey) < backgrounds.size() ? backgrounds[std::size_t(storey)]
                                                        : BackgroundPicture();
    };
    const QRectF extent = deliverables.planBounds();
    // One copy for every page's drawings: each holds every camera's footprint.
    const auto shared = std::make_shared<const SiteDeliverables>(deliverables);
    // Each storey raised once for its cameras' views, which are drawn as their pages are.
    std::vector<std::shared_ptr<const RenderScene>> scenes(site.storeys.size());
    for (const SiteCamera& camera : site.cameras)
        if (std::size_t(camera.storey) < scenes.size() && !scenes[std::size_t(camera.storey)])
            scenes[std::size_t(camera.storey)] = std::make_shared<RenderScene>(site, camera.storey);
    for (int storey = 0; storey < int(site.storeys.size()); ++storey) {
        ReportDocument plan{
            storeys ? SiteDeliverables::tr("%1: %2").arg(texts.planTitle, storeyName(site, storey))
                    : texts.planTitle,
            texts.day,
            {},
            {},
            texts.footer,
            {}};
        plan.landscape = extent.width() > extent.height();
        plan.drawings.append(
            {QString(), plan.landscape ? PlanPageAcross : PlanPageSize,
             [shared, background = backgroundOf(storey), storey](QPainter& painter,
                                                                 const QRectF& area) {
                 paintSitePlan(painter, area, *shared, {background, std::nullopt, true, storey});
             }});
        pages.append(plan);
    }
    const ScheduleTable summary = deliverables.summary(QLocale());
    pages.append(
        {summary.heading, texts.day, {keyValues(QString(), summary)}, {}, texts.footer, {}});
    for (std::size_t i = 0; i < site.cameras.size(); ++i) {
        const SiteCamera& camera = site.cameras[i];
        ReportDocument page = siteCameraReport(camera, site.levelSet, site.units, date);
        page.sections.prepend(
            {SiteDeliverables::tr("Level"),
             {},
             {{SiteDeliverables::tr("Wanted"),
               {CoverageText::levelName(site.levelSet, camera.level)}},
              {SiteDeliverables::tr("Reached at the aim"), {deliverables.levelReached(int(i))}}}});
        if (storeys)
            page.sections.prepend(
                {QString(),
                 {},
                 {{SiteDeliverables::tr("Storey"), {storeyName(site, camera.storey)}}}});
        const QRectF window = deliverables.cameraWindow(int(i));
        page.drawings.append(
            {SiteDeliverables::tr("On the plan"), ExcerptSize,
             [shared, background = backgroundOf(camera.storey), window,
              storey = camera.storey](QPainter& painter, const QRectF& area) {
                 paintSitePlan(painter, area, *shared, {background, window, false, storey});
             }});
        if (std::size_t(camera.storey) < scenes.size())
            page.drawings.append(viewDrawing(site, int(i), scenes[std::size_t(camera.storey)]));
        pages.append(page);
    }
    ReportDocument schedule{texts.scheduleTitle, texts.day, {}, {}, texts.footer, {}};
    schedule.tables = {reportTable(deliverables.cameraSchedule(QLocale())),
                       reportTable(deliverables.areaSchedule(QLocale()))};
    pages.append(schedule);
    return pages;
}

DxfCoverage dxfCoverageOf(const SiteDeliverables& deliverables) {
    const Site& site = deliverables.site();
    DxfCoverage drawing;
    drawing.walls = site.walls;
    for (const SiteArea& area : site.areas)
        drawing.areas.push_back({area.name, area.points, area.storey});
    for (const SiteObstacle& obstacle : site.obstacles)
        drawing.obstacles.push_back({obstacle.name, obstacle.points, obstacle.storey});
    for (const SiteCamera& camera : site.cameras)
        drawing.cameras.push_back({camera.name, camera.position, camera.panDeg, camera.storey});
    drawing.levelSet = site.levelSet;
    for (int storey = 0; storey < int(site.storeys.size()); ++storey) {
        if (site.storeys.size() > 1)
            drawing.storeys.append(storeyName(site, storey));
        const std::vector<PlanShape>& best = deliverables.bestLevels(storey);
        for (Level level = 0; level < site.levelSet.size(); ++level)
            drawing.bands.push_back({level, best[level].rings, storey});
    }
    return drawing;
}

std::optional<QString> saveSiteSvg(const QString& path, const SiteDeliverables& deliverables,
                                   const std::vector<BackgroundPicture>& backgrounds) {
    const std::variant<SvgFrame, QString> framed = deliverables.svgFrame();
    if (const auto* tooLarge = std::get_if<QString>(&framed))
        return SaveFailure{path, *tooLarge}.message();
    const SvgFrame& frame = std::get<SvgFrame>(framed);
    const Site& site = deliverables.site();
    const auto draw = [&](QIODevice& file, int storey) -> std::optional<QString> {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setResolution(SvgDotsPerInch);
        svg.setSize(frame.size);
        svg.setViewBox(frame.box);
        svg.setTitle(frame.title);
        svg.setDescription(frame.description);
        QPainter painter;
        if (!painter.begin(&svg))
            return SiteDeliverables::tr("the drawing could not be begun");
        // A hatching's pattern would be drawn in metres, a line every few of them: a tint.
        QColor deadZone = QColor::fromRgba(DeadZoneColour);
        deadZone.setAlpha(DeadZoneSvgAlpha);
        const QTransform toSvg(1, 0, 0, -1, -frame.origin.x(), frame.origin.y());
        const std::optional<SiteBackground>& placed =
            site.storeys.at(std::size_t(storey)).background;
        const BackgroundPicture* background =
            std::size_t(storey) < backgrounds.size() ? &backgrounds[std::size_t(storey)] : nullptr;
        if (background && !background->isNull() && placed) {
            // From the picture's pixels (y down) to the plan, as the plan view places it.
            const double metres = metresPerPixel(*placed);
            painter.save();
            painter.setTransform(
                QTransform(metres, 0, 0, -metres, placed->offset.x, placed->offset.y) * toSvg);
            painter.setOpacity(placed->opacity);
            background->paint(painter, background->rect());
            painter.restore();
        }
        paintContent(painter, deliverables, toSvg, SvgUnit, deadZone, storey);
        painter.end();
        return std::nullopt;
    };
    if (site.storeys.size() < 2)
        return failureMessage(saveWhole(path, [&](QIODevice& file) { return draw(file, 0); }));
    // A group a storey, titled with its name, each drawn as a site of one storey would be: one
    // drawing's head, then every drawing's content.
    const QByteArray endOfHead = "</defs>\n";
    const QByteArray end = "</svg>";
    QByteArray drawing;
    for (int storey = 0; storey < int(site.storeys.size()); ++storey) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (const std::optional<QString> failure = draw(buffer, storey))
            return SaveFailure{path, *failure}.message();
        const QByteArray& one = buffer.data();
        const qsizetype content = one.indexOf(endOfHead) + endOfHead.size();
        if (storey == 0)
            drawing = one.left(content);
        drawing += "<g id=\"storey-" + QByteArray::number(storey + 1) + "\">\n<title>" +
                   storeyName(site, storey).toHtmlEscaped().toUtf8() + "</title>\n" +
                   one.mid(content, one.lastIndexOf(end) - content) + "</g>\n";
    }
    return failureMessage(saveWhole(path, drawing + end + '\n'));
}

} // namespace vistaro
