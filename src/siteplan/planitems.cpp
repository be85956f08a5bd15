// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/planitems.h"

#include "optics/coverageformat.h"
#include "site/plancoordinates.h"
#include "site/planfigures.h"
#include "siteplan/plancolours.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPalette>
#include <QStyleOptionGraphicsItem>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace vistaro {

namespace {

constexpr QRgb Ink = 0xff202020;

// Sizes on screen, in pixels, whatever the zoom.
constexpr double CameraRadius = 7;
constexpr double ArmLength = 30;
constexpr double KnobRadius = 5;
constexpr double HandleSize = 8;
constexpr double PickWidth = 10;

QColor highlight() {
    return QApplication::palette().color(QPalette::Highlight);
}

// Draws `path`, given in the painter's coordinates, with pens and patterns in screen pixels.
void paintOnScreen(QPainter& painter, const QPainterPath& path, const QPen& pen,
                   const QBrush& brush) {
    const QPainterPath device = painter.transform().map(path);
    painter.save();
    painter.resetTransform();
    painter.setPen(pen);
    painter.setBrush(brush);
    painter.drawPath(device);
    painter.restore();
}

QPointF direction(double panDeg) {
    const double radians = panDeg * std::numbers::pi / 180;
    return {std::cos(radians), -std::sin(radians)};
}

// The points of a wall, an area or an obstacle.
template <typename Item> auto& pointsOf(Item& item) {
    if (auto* wall = std::get_if<SiteWall>(&item))
        return wall->points;
    if (auto* obstacle = std::get_if<SiteObstacle>(&item))
        return obstacle->points;
    return std::get<SiteArea>(item).points;
}

// Areas and obstacles are closed outlines; walls are open polylines.
bool closed(ItemKind kind) {
    return kind != ItemKind::Wall;
}

// The knob at the end of a camera's arm: dragging it turns the camera.
class TurnKnob : public QGraphicsEllipseItem {
public:
    explicit TurnKnob(CameraItem* camera)
        : QGraphicsEllipseItem(-KnobRadius, -KnobRadius, 2 * KnobRadius, 2 * KnobRadius, camera),
          m_camera(camera) {
        setBrush(Qt::white);
        setPen(QPen(QColor::fromRgba(Ink), 1.5));
        setCursor(Qt::SizeAllCursor);
        setAcceptedMouseButtons(Qt::LeftButton);
        // Drawn once into a pixmap of its size on screen, as the camera is.
        setCacheMode(DeviceCoordinateCache);
    }

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override {
        m_camera->setSelected(true);
        m_gesture = m_camera->edits().startGesture();
        event->accept();
    }
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override {
        m_camera->turnTowards(event->scenePos(), m_gesture);
    }

private:
    CameraItem* m_camera;
    int m_gesture = 0;
};

// A point of a wall, an area or the boundary, dragged to move it.
class PointHandle : public QGraphicsRectItem {
public:
    using Move = std::function<void(const PlanPoint& to, int gesture)>;
    PointHandle(QGraphicsItem* owner, PlanEdits& edits, Move move)
        : QGraphicsRectItem(-HandleSize / 2, -HandleSize / 2, HandleSize, HandleSize, owner),
          m_edits(edits), m_move(std::move(move)) {
        setFlag(ItemIgnoresTransformations);
        setBrush(Qt::white);
        setPen(QPen(highlight(), 1.5));
        setCursor(Qt::SizeAllCursor);
        setAcceptedMouseButtons(Qt::LeftButton);
    }

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override {
        m_gesture = m_edits.startGesture();
        event->accept();
    }
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override {
        m_move(toPlan(event->scenePos()), m_gesture);
    }

private:
    PlanEdits& m_edits;
    Move m_move;
    int m_gesture = 0;
};

// As many handles as `points`, each at its point and seen while `owner` is selected; a new one
// moves its point through `move`.
void placeHandles(QGraphicsItem& owner, std::vector<QGraphicsItem*>& handles,
                  const std::vector<PlanPoint>& points, PlanEdits& edits,
                  const std::function<void(std::size_t, const PlanPoint&, int)>& move) {
    while (handles.size() > points.size()) {
        delete handles.back();
        handles.pop_back();
    }
    while (handles.size() < points.size())
        handles.push_back(new PointHandle(
            &owner, edits, [move, index = handles.size()](const PlanPoint& to, int gesture) {
                move(index, to, gesture);
            }));
    for (std::size_t i = 0; i < handles.size(); ++i) {
        handles[i]->setPos(toScene(points[i]));
        handles[i]->setVisible(owner.isSelected());
    }
}

// How many metres a pixel spans in the first view of the item's scene.
double metresPerPixelOf(const QGraphicsItem& item) {
    const QList<QGraphicsView*> views =
        item.scene() ? item.scene()->views() : QList<QGraphicsView*>();
    const double scale = views.isEmpty() ? 0 : views.first()->transform().m11();
    return scale > 0 ? 1 / scale : 0.05;
}

} // namespace

void ScreenLabel::paint(QPainter& painter, const QPointF& at, const QString& text,
                        const QRectF& room) {
    if (m_laid.text() != text || m_font != painter.font()) {
        m_font = painter.font();
        m_laid.setTextFormat(Qt::PlainText);
        m_laid.setText(text);
        m_laid.prepare(QTransform(), m_font);
    }
    const QSizeF size = m_laid.size();
    if (!room.isNull()) {
        const QRectF onScreen = painter.transform().mapRect(room);
        if (onScreen.width() < size.width() + 4 || onScreen.height() < size.height())
            return;
    }
    const QPointF centre = painter.transform().map(at);
    painter.save();
    painter.resetTransform();
    painter.setPen(QColor::fromRgba(Ink));
    painter.drawStaticText(centre - QPointF(size.width() / 2, size.height() / 2), m_laid);
    painter.restore();
}

QPolygonF drawnPolygon(const std::vector<PlanPoint>& points, const QTransform& toOut) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const PlanPoint& point : points)
        polygon << toOut.map(QPointF(point.x, point.y));
    return polygon;
}

QPainterPath drawnPath(const PlanShape& shape, const QTransform& toOut) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const std::vector<PlanPoint>& ring : shape.rings) {
        path.addPolygon(drawnPolygon(ring, toOut));
        path.closeSubpath();
    }
    return path;
}

PlanItem::PlanItem(const ItemRef& ref, PlanEdits& edits) : m_ref(ref), m_edits(edits) {
    setFlags(ItemIsSelectable | ItemIsFocusable);
}

void PlanItem::mousePressEvent(QGraphicsSceneMouseEvent* event) {
    QGraphicsItem::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    m_gesture = m_edits.startGesture();
    m_dragged = event->scenePos();
}

void PlanItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton))
        return;
    std::vector<ItemRef> refs;
    if (isSelected() && scene()) {
        for (QGraphicsItem* item : scene()->selectedItems())
            if (auto* planItem = qgraphicsitem_cast<PlanItem*>(item))
                refs.push_back(planItem->ref());
    } else {
        refs.push_back(m_ref);
    }
    // In one order at every step, so that the steps merge.
    std::sort(refs.begin(), refs.end());
    const PlanPoint from = toPlan(m_dragged);
    const PlanPoint to = toPlan(event->scenePos());
    m_dragged = event->scenePos();
    m_edits.moveItems(refs, to.x - from.x, to.y - from.y, m_gesture);
}

CameraItem::CameraItem(const ItemRef& ref, const SiteCamera& camera, PlanEdits& edits)
    : PlanItem(ref, edits) {
    setFlag(ItemIgnoresTransformations);
    // Its size on screen never changes, so it is drawn once into a pixmap and then only copied
    // while the plan repaints around it, until it changes itself.
    setCacheMode(DeviceCoordinateCache);
    setZValue(CameraLayer);
    setCursor(Qt::OpenHandCursor);
    m_knob = new TurnKnob(this);
    present(camera);
}

void CameraItem::present(const SiteItem& item) {
    const auto& camera = std::get<SiteCamera>(item);
    if (camera.name != m_camera.name || m_labelSize.isEmpty()) {
        prepareGeometryChange();
        const QFontMetricsF metrics(QApplication::font());
        m_labelSize = QSizeF(metrics.horizontalAdvance(camera.name) + 4, metrics.height());
        m_label = QRectF(QPointF(CameraRadius + 3, CameraRadius - 2), m_labelSize);
        setToolTip(camera.name);
    }
    m_camera = camera;
    setPos(toScene(camera.position));
    m_knob->setPos(knobOffset());
    update();
}

double CameraItem::symbolRadius() {
    return CameraRadius + 2;
}

void CameraItem::placeLabel(const std::optional<QRectF>& place) {
    if (place.value_or(QRectF()) == m_label)
        return;
    prepareGeometryChange();
    m_label = place.value_or(QRectF());
    update();
}

QPointF CameraItem::knobOffset() const {
    return direction(m_camera.panDeg) * ArmLength;
}

QRectF CameraItem::boundingRect() const {
    const double reach = ArmLength + KnobRadius + 2;
    return QRectF(-reach, -reach, 2 * reach, 2 * reach).united(m_label);
}

QPainterPath CameraItem::shape() const {
    QPainterPath path;
    path.addEllipse(QPointF(), CameraRadius + 2, CameraRadius + 2);
    path.addRect(m_label);
    return path;
}

void CameraItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    const QColor ink = QColor::fromRgba(Ink);
    painter->setPen(QPen(ink, 2));
    painter->drawLine(QPointF(), knobOffset());
    if (option->state & QStyle::State_Selected) {
        painter->setPen(QPen(highlight(), 3));
        painter->setBrush(Qt::NoBrush);
        painter->drawEllipse(QPointF(), CameraRadius + 3, CameraRadius + 3);
    }
    painter->setPen(QPen(Qt::white, 1.5));
    painter->setBrush(levelQColor(m_camera.level).darker(140));
    painter->drawEllipse(QPointF(), CameraRadius, CameraRadius);
    if (m_label.isNull())
        return;
    if (option->state & QStyle::State_HasFocus) {
        painter->setPen(QPen(ink, 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(m_label);
    }
    painter->setPen(ink);
    painter->drawText(m_label, Qt::AlignCenter, m_camera.name);
}

void CameraItem::turnTowards(const QPointF& scenePoint, int gesture) {
    SiteCamera turned = m_camera;
    turned.panDeg = panTowards(m_camera.position, toPlan(scenePoint));
    edits().changeItem(ref(), turned, gesture);
}

PolyItem::PolyItem(const ItemRef& ref, const SiteItem& item, PlanEdits& edits, PointAid& aid,
                   const LevelSet& levels)
    : PlanItem(ref, edits), m_item(item), m_aid(aid), m_levels(levels) {
    setZValue(ref.kind == ItemKind::Wall       ? WallLayer
              : ref.kind == ItemKind::Obstacle ? ObstacleLayer
                                               : AreaLayer);
    // A wall or an obstacle changes only when it is edited or the plan zooms, yet a large site
    // repaints hundreds of them at each step of a drag: each is drawn once into a pixmap until
    // then.
    if (blocksSight(ref.kind))
        setCacheMode(DeviceCoordinateCache);
    present(item);
}

const std::vector<PlanPoint>& PolyItem::points() const {
    return pointsOf(m_item);
}

void PolyItem::present(const SiteItem& item) {
    prepareGeometryChange();
    m_item = item;
    placeHandles(*this, m_handles, points(), edits(),
                 [this](std::size_t index, const PlanPoint& to, int gesture) {
                     movePoint(index, aid().dragged(to, ref()), gesture);
                 });
    rescale();
}

void PolyItem::showCoverage(const AreaCoverage& coverage) {
    m_coverage = coverage;
    rescale();
}

double PolyItem::metresPerPixel() const {
    return metresPerPixelOf(*this);
}

QPainterPath PolyItem::outline() const {
    QPainterPath path;
    path.addPolygon(drawnPolygon(points()));
    if (closed(ref().kind))
        path.closeSubpath();
    return path;
}

QPointF PolyItem::labelAnchor() const {
    return outline().boundingRect().center();
}

void PolyItem::placeLabel(const std::optional<QRectF>& place) {
    if (m_labelPlaced && place == m_labelPlace)
        return;
    m_labelPlaced = true;
    m_labelPlace = place;
    rescale();
}

QString PolyItem::label() const {
    const auto* area = std::get_if<SiteArea>(&m_item);
    if (!area)
        return {};
    return FigureCaptions::areaLabel(*area, m_levels, m_coverage.share);
}

void PolyItem::rescale() {
    prepareGeometryChange();
    const double pixel = metresPerPixel();
    m_bounds = outline().boundingRect().adjusted(-PickWidth * pixel, -PickWidth * pixel,
                                                 PickWidth * pixel, PickWidth * pixel);
    if (ref().kind == ItemKind::Area) {
        const QFontMetricsF metrics(QApplication::font());
        const QSizeF size(metrics.horizontalAdvance(label()) * pixel, metrics.height() * pixel);
        m_bounds |=
            m_labelPlaced
                ? m_labelPlace.value_or(QRectF())
                : QRectF(m_bounds.center() - QPointF(size.width(), size.height()) / 2, size);
        setToolTip(label());
    }
    update();
}

QRectF PolyItem::boundingRect() const {
    return m_bounds;
}

QPainterPath PolyItem::shape() const {
    QPainterPathStroker stroker;
    stroker.setWidth(PickWidth * metresPerPixel());
    QPainterPath path = stroker.createStroke(outline());
    if (closed(ref().kind))
        path.addPath(outline());
    return path;
}

void PolyItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    const bool selected = option->state & QStyle::State_Selected;
    const QPainterPath path = outline();
    if (selected)
        paintOnScreen(*painter, path, QPen(highlight(), 8, Qt::SolidLine, Qt::RoundCap),
                      Qt::NoBrush);
    if (const auto* area = std::get_if<SiteArea>(&m_item)) {
        paintOnScreen(*painter, path, Qt::NoPen,
                      QBrush(QColor::fromRgba(UncoveredColour), Qt::DiagCrossPattern));
        paintOnScreen(*painter, drawnPath(m_coverage.covered), Qt::NoPen,
                      QColor::fromRgba(CoveredColour));
        paintOnScreen(*painter, path, areaOutline(areaMet(*area, m_coverage.share), 2.5),
                      Qt::NoBrush);
        if (!m_labelPlaced || m_labelPlace)
            m_label.paint(*painter, m_labelPlaced ? m_labelPlace->center() : labelAnchor(),
                          label());
    } else if (ref().kind == ItemKind::Obstacle) {
        paintOnScreen(*painter, path, QPen(QColor::fromRgba(ObstacleColour), 1.5),
                      QBrush(QColor::fromRgba(ObstacleColour), Qt::BDiagPattern));
    } else {
        paintOnScreen(
            *painter, path,
            QPen(QColor::fromRgba(WallColour), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin),
            Qt::NoBrush);
    }
}

QVariant PolyItem::itemChange(GraphicsItemChange change, const QVariant& value) {
    if (change == ItemSelectedHasChanged)
        for (QGraphicsItem* handle : m_handles)
            handle->setVisible(value.toBool());
    return PlanItem::itemChange(change, value);
}

void PolyItem::movePoint(std::size_t index, const PlanPoint& point, int gesture) {
    SiteItem moved = m_item;
    pointsOf(moved).at(index) = point;
    edits().changeItem(ref(), moved, gesture);
}

bool PolyItem::removePoint(std::size_t index, int gesture) {
    const std::size_t least = closed(ref().kind) ? 3 : 2;
    SiteItem fewer = m_item;
    auto& points = pointsOf(fewer);
    if (points.size() <= least || index >= points.size())
        return false;
    points.erase(points.begin() + static_cast<std::ptrdiff_t>(index));
    edits().changeItem(ref(), fewer, gesture);
    return true;
}

void PolyItem::showPicked(std::optional<std::size_t> index) {
    for (std::size_t i = 0; i < m_handles.size(); ++i)
        static_cast<QGraphicsRectItem*>(m_handles[i])
            ->setBrush(index == i ? highlight() : QColor(Qt::white));
}

BoundaryItem::BoundaryItem(PlanEdits& edits) : m_edits(edits) {
    setZValue(AreaLayer);
    setFlag(ItemIsSelectable);
    setAcceptedMouseButtons(Qt::LeftButton);
}

void BoundaryItem::present(const std::vector<PlanPoint>& points) {
    prepareGeometryChange();
    m_points = points;
    placeHandles(*this, m_handles, m_points, m_edits,
                 [this](std::size_t index, const PlanPoint& to, int gesture) {
                     movePoint(index, to, gesture);
                 });
    setVisible(!m_points.empty());
    update();
}

void BoundaryItem::movePoint(std::size_t index, const PlanPoint& point, int gesture) {
    std::vector<PlanPoint> moved = m_points;
    moved.at(index) = point;
    m_edits.changeBoundary(moved, gesture);
}

QPainterPath BoundaryItem::outline() const {
    QPainterPath path;
    path.addPolygon(drawnPolygon(m_points));
    path.closeSubpath();
    return path;
}

QRectF BoundaryItem::boundingRect() const {
    const double pick = PickWidth * metresPerPixelOf(*this);
    return outline().boundingRect().adjusted(-pick, -pick, pick, pick);
}

QPainterPath BoundaryItem::shape() const {
    QPainterPathStroker stroker;
    stroker.setWidth(PickWidth * metresPerPixelOf(*this));
    return stroker.createStroke(outline());
}

void BoundaryItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    const QPainterPath path = outline();
    if (option->state & QStyle::State_Selected)
        paintOnScreen(*painter, path, QPen(highlight(), 8, Qt::SolidLine, Qt::RoundCap),
                      Qt::NoBrush);
    paintOnScreen(*painter, path, QPen(QColor::fromRgba(BoundaryColour), 2, Qt::DashDotLine),
                  Qt::NoBrush);
}

QVariant BoundaryItem::itemChange(GraphicsItemChange change, const QVariant& value) {
    if (change == ItemSelectedHasChanged)
        for (QGraphicsItem* handle : m_handles)
            handle->setVisible(value.toBool());
    return QGraphicsItem::itemChange(change, value);
}

FootprintItem::FootprintItem(const CoverageLayers& layers, const LevelSet& levels)
    : m_layers(layers), m_levels(levels) {
    setZValue(FootprintLayer);
    setAcceptedMouseButtons(Qt::NoButton);
}

void FootprintItem::present(const CameraFootprint& footprint) {
    prepareGeometryChange();
    m_footprint = footprint;
    m_bands.clear();
    m_labels.resize(footprint.bands.size());
    m_labelsShown.assign(footprint.bands.size(), true);
    m_bounds = {};
    for (const LevelBand& band : footprint.bands) {
        m_bands.push_back(drawnPath(band.shape));
        m_bounds |= m_bands.back().boundingRect();
    }
    m_deadZone = drawnPath(footprint.deadZone);
    m_bounds |= m_deadZone.boundingRect();
    update();
}

void FootprintItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    // The other views paint the bands of every camera together, in CoverageMapItem.
    const std::size_t bands = m_layers.view == PlanShows::EachCamera ? m_bands.size() : 0;
    for (std::size_t i = 0; i < bands; ++i) {
        const LevelBand& band = m_footprint.bands[i];
        if (!m_layers.shows(band.level))
            continue;
        // Named, in colours that a grey print keeps apart: unlike the coverage window's few
        // bands, the plan's thousands take no hatching, which would cost a third of each drag.
        painter->setPen(Qt::NoPen);
        painter->setBrush(levelQColor(band.level, BandAlpha));
        painter->drawPath(m_bands[i]);
        if (band.labelAt && m_labelsShown[i])
            m_labels[i].paint(*painter, toScene(*band.labelAt),
                              CoverageText::levelName(m_levels, band.level),
                              m_bands[i].boundingRect());
    }
    if (m_layers.deadZones && !m_deadZone.isEmpty())
        paintOnScreen(*painter, m_deadZone, QPen(QColor::fromRgba(DeadZoneColour), 1),
                      QBrush(QColor::fromRgba(DeadZoneColour), Qt::FDiagPattern));
}

CoverageMapItem::CoverageMapItem(const CoverageLayers& layers) : m_layers(layers) {
    setZValue(FootprintLayer);
    setFlag(ItemUsesExtendedStyleOption);
    setAcceptedMouseButtons(Qt::NoButton);
}

void CoverageMapItem::present(const BestLevelMap& map,
                              const std::set<BestLevelMap::TileKey>& changed) {
    // Only the tiles that changed are painted again: a drag changes a few of hundreds.
    QRectF dirty;
    const auto show = [this, &dirty](const BestLevelMap::TileKey& key,
                                     const BestLevelMap::Tile& tile) {
        Tile& shown = m_tiles[key];
        shown.box = PlanToScene.mapRect(tile.box);
        shown.levels.clear();
        for (const PlanShape& level : tile.levels)
            shown.levels.push_back(drawnPath(level));
        dirty |= shown.box;
    };
    if (changed.empty()) {
        for (const auto& [key, tile] : m_tiles)
            dirty |= tile.box;
        m_tiles.clear();
        for (const auto& [key, tile] : map.tiles())
            show(key, tile);
    }
    for (const BestLevelMap::TileKey& key : changed) {
        const auto found = map.tiles().find(key);
        if (found != map.tiles().end()) {
            show(key, found->second);
        } else if (const auto gone = m_tiles.find(key); gone != m_tiles.end()) {
            dirty |= gone->second.box;
            m_tiles.erase(gone);
        }
    }
    QRectF bounds;
    for (const auto& [key, tile] : m_tiles)
        bounds |= tile.box;
    if (bounds != m_bounds) {
        prepareGeometryChange();
        m_bounds = bounds;
    }
    update(dirty);
}

void CoverageMapItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) {
    // Tiles side by side, each edge drawn sharp: smoothed, their shared edges would show as
    // seams.
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(Qt::NoPen);
    if (m_limit)
        painter->setClipRect(*m_limit, Qt::IntersectClip);
    for (const auto& [key, tile] : m_tiles) {
        if (!tile.box.intersects(option->exposedRect))
            continue;
        for (Level level = 0; level < tile.levels.size(); ++level)
            if (m_layers.shows(level) && !tile.levels[level].isEmpty()) {
                painter->setBrush(levelQColor(level, BandAlpha));
                painter->drawPath(tile.levels[level]);
            }
    }
}

void CoverageMapItem::setLimit(const std::optional<QRectF>& limit) {
    const std::optional<QRectF> inScene =
        limit ? std::optional(QRectF(toScene({limit->left(), limit->bottom()}),
                                     toScene({limit->right(), limit->top()})))
              : std::nullopt;
    if (inScene != m_limit) {
        m_limit = inScene;
        update();
    }
}

void FootprintItem::showLabels(const std::vector<bool>& shown) {
    if (shown.size() == m_labelsShown.size() && shown != m_labelsShown) {
        m_labelsShown = shown;
        update();
    }
}

BackgroundItem::BackgroundItem(PlanEdits& edits) : m_edits(edits) {
    setZValue(BackgroundLayer);
    present(std::nullopt);
}

void BackgroundItem::showPicture(const BackgroundPicture& picture) {
    prepareGeometryChange();
    m_picture = picture;
    // A large drawing is drawn again only when the zoom or its layers change, not on each pan.
    setCacheMode(picture.dxf() ? DeviceCoordinateCache : NoCache);
    update();
}

void BackgroundItem::present(const std::optional<SiteBackground>& background) {
    m_background = background.value_or(SiteBackground{});
    setVisible(background && background->visible);
    setPos(toScene(m_background.offset));
    const double scale = vistaro::metresPerPixel(m_background);
    setTransform(QTransform::fromScale(scale, scale));
    setOpacity(m_background.opacity);
    setAcceptedMouseButtons(m_background.locked ? Qt::NoButton : Qt::LeftButton);
    setCursor(m_background.locked ? Qt::ArrowCursor : Qt::SizeAllCursor);
}

QRectF BackgroundItem::boundingRect() const {
    return m_picture.rect();
}

void BackgroundItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    m_picture.paint(*painter, boundingRect());
}

void BackgroundItem::mousePressEvent(QGraphicsSceneMouseEvent* event) {
    m_gesture = m_edits.startGesture();
    m_grab = event->scenePos() - pos();
    event->accept();
}

void BackgroundItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event) {
    SiteBackground moved = m_background;
    moved.offset = toPlan(event->scenePos() - m_grab);
    m_edits.changeBackground(moved, m_gesture);
}

} // namespace vistaro
