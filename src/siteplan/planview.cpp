// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/planview.h"

#include "optics/coverageformat.h"
#include "site/labelplacement.h"
#include "site/plancoordinates.h"
#include "siteplan/sitedrawings.h"
#include "siteplan/tools/selecttool.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QGraphicsPathItem>
#include <QGraphicsSimpleTextItem>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

namespace vistaro {

namespace {

// The ground the scene spans, in metres each way beyond the site: far beyond any site.
constexpr double SceneReach = 100'000;
constexpr double SmallestScale = 0.02; // pixels a metre
constexpr double LargestScale = 2000;
// The view's pixels, counted from the site's middle, stay within this of it: the scroll bars
// that place the view count in int.
constexpr double ScrollPixels = 1e9;
// Grid lines at least this many pixels apart; a scale bar about this long.
constexpr double GridPixels = 60;
constexpr double ScaleBarPixels = 120;
constexpr double EmptyPlanMetres = 20;
// A point within this many pixels of a wall snaps to it.
constexpr double SnapPixels = 8;
constexpr double SnapDegrees = 15;
constexpr int ItemPixmapsKiB = 64 * 1024;
constexpr qint64 MostMapPauseMs = 250;

constexpr QRgb GridColour = 0xffe6e6e6;
constexpr QRgb AxisColour = 0xffbdbdbd;
constexpr QRgb BelowColour = 0xffc8c8c8;

} // namespace

// The length of a round distance on screen, in the corner of the view; it lies over the view
// rather than in the scene, so scrolling never smears it.
class ScaleBarOverlay : public QWidget {
public:
    explicit ScaleBarOverlay(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setObjectName(QStringLiteral("ScaleBar"));
    }

    void showScale(double pixelsPerMetre, Units units) {
        m_metres = roundLength(ScaleBarPixels / pixelsPerMetre, units);
        m_pixels = m_metres * pixelsPerMetre;
        m_text = CoverageText::length(m_metres, units);
        const QFontMetrics metrics(font());
        resize(static_cast<int>(m_pixels) + metrics.horizontalAdvance(m_text) + 24,
               metrics.height() + 10);
        update();
    }
    QString text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QColor ground = palette().color(QPalette::Base);
        ground.setAlpha(200);
        painter.fillRect(rect(), ground);
        painter.setPen(QPen(palette().color(QPalette::Text), 2));
        const double y = height() / 2.0;
        const QPointF start(8, y);
        painter.drawLine(start, start + QPointF(m_pixels, 0));
        for (const double x : {0.0, m_pixels})
            painter.drawLine(start + QPointF(x, -4), start + QPointF(x, 4));
        painter.drawText(QRectF(m_pixels + 14, 0, width(), height()), Qt::AlignVCenter, m_text);
    }

private:
    double m_metres = 0;
    double m_pixels = 0;
    QString m_text;
};

// Where a point drawn snapped, and to what: a square on a wall's corner, a diamond on a wall's
// line, a cross on the grid.
class SnapMark : public QGraphicsItem {
public:
    SnapMark() {
        setFlag(ItemIgnoresTransformations);
        setZValue(DraftLayer);
        hide();
    }

    void mark(const Snapped& snapped) {
        setPos(toScene(snapped.point));
        if (m_kind != snapped.kind) {
            m_kind = snapped.kind;
            update();
        }
        setVisible(snapped.kind != SnapKind::None);
    }

    QRectF boundingRect() const override { return QRectF(-8, -8, 16, 16); }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget* widget) override {
        painter->setPen(QPen(widget ? widget->palette().color(QPalette::Highlight) : Qt::blue, 2));
        painter->setBrush(Qt::NoBrush);
        if (m_kind == SnapKind::End)
            painter->drawRect(QRectF(-5, -5, 10, 10));
        else if (m_kind == SnapKind::Line)
            painter->drawPolygon(QPolygonF({{0, -6}, {6, 0}, {0, 6}, {-6, 0}}));
        else {
            painter->drawLine(QPointF(-6, 0), QPointF(6, 0));
            painter->drawLine(QPointF(0, -6), QPointF(0, 6));
        }
    }

private:
    SnapKind m_kind = SnapKind::None;
};

// North, +y, up the view, in its top right corner over the plan as the scale bar is.
class NorthArrowOverlay : public QWidget {
public:
    explicit NorthArrowOverlay(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setObjectName(QStringLiteral("NorthArrow"));
        resize(36, 56);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QColor ground = palette().color(QPalette::Base);
        ground.setAlpha(200);
        painter.fillRect(rect(), ground);
        paintNorth(painter, QPointF(width() / 2.0, 6));
    }
};

PlanView::PlanView(const SiteDocument& document, const SiteCoverage& coverage, PlanEdits& edits,
                   QWidget* parent)
    : QGraphicsView(parent), m_document(document), m_coverage(coverage), m_edits(edits),
      m_scene(new QGraphicsScene(this)), m_background(new BackgroundItem(edits)),
      m_draft(new QGraphicsPathItem), m_note(new QGraphicsSimpleTextItem),
      m_boundary(new BoundaryItem(edits)), m_below(new QGraphicsPathItem),
      m_scaleBar(new ScaleBarOverlay(this)), m_north(new NorthArrowOverlay(this)),
      m_snapMark(new SnapMark) {
    setObjectName(QStringLiteral("PlanView"));
    // The coverage's items are large and overlap, and a drag moves them at every step: a tree of
    // the items' places would hand each repaint most items many times over, and a plain list of
    // a few thousand items is quicker to go through.
    m_scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    // Room for the pixmaps that the cameras and the walls are drawn from on a site of thousands
    // of them: when the cache is full, each repaint draws them again.
    QPixmapCache::setCacheLimit(std::max(QPixmapCache::cacheLimit(), ItemPixmapsKiB));
    setScene(m_scene);
    setRenderHint(QPainter::Antialiasing);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setResizeAnchor(AnchorViewCenter);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundBrush(Qt::white);

    m_scene->addItem(m_background);
    m_mapItem = new CoverageMapItem(m_layers);
    m_scene->addItem(m_mapItem);
    m_mapTimer = new QTimer(this);
    m_mapTimer->setSingleShot(true);
    connect(m_mapTimer, &QTimer::timeout, this, &PlanView::showCoverageMap);
    m_labelTimer = new QTimer(this);
    m_labelTimer->setSingleShot(true);
    connect(m_labelTimer, &QTimer::timeout, this, &PlanView::placeLabels);
    QPen draft(palette().color(QPalette::Highlight), 2, Qt::DashLine);
    draft.setCosmetic(true);
    m_draft->setPen(draft);
    m_draft->setZValue(DraftLayer);
    m_scene->addItem(m_draft);
    m_scene->addItem(m_snapMark);
    m_scene->addItem(m_boundary);
    // The storey below, to draw this one over: faint, under everything of this one's.
    QPen below(QColor::fromRgba(BelowColour), 1.5);
    below.setCosmetic(true);
    m_below->setPen(below);
    m_below->setZValue(BackgroundLayer + 1);
    m_scene->addItem(m_below);
    m_note->setFlag(QGraphicsItem::ItemIgnoresTransformations);
    m_note->setZValue(DraftLayer);
    m_note->setBrush(palette().color(QPalette::Highlight));
    m_scene->addItem(m_note);

    connect(m_scene, &QGraphicsScene::selectionChanged, this, &PlanView::selectionChanged);
    connect(&document, &SiteDocument::siteReset, this, [this] {
        m_snapper.reset();
        // A storey on show that the site no longer has gives way to the first.
        const bool gone = m_storey >= static_cast<int>(m_document.site().storeys.size());
        if (gone)
            m_storey = 0;
        rebuildAll();
        if (gone)
            emit storeyChanged();
    });
    connect(&document, &SiteDocument::itemsChanged, this, [this](const std::vector<ItemRef>& refs) {
        for (const ItemRef& ref : refs) {
            wallsChanged(ref);
            showItem(ref);
        }
        if (std::any_of(refs.begin(), refs.end(),
                        [](const ItemRef& ref) { return blocksSight(ref.kind); }))
            showStoreyBelow();
        reachSite();
    });
    // Items that come or go all at once: each kind among them built again once.
    for (const auto signal : {&SiteDocument::itemsInserted, &SiteDocument::itemsRemoved})
        connect(&document, signal, this, [this](const std::vector<ItemRef>& refs) {
            std::set<ItemKind> kinds;
            for (const ItemRef& ref : refs)
                kinds.insert(ref.kind);
            for (const ItemKind kind : kinds)
                rebuild(kind);
            if (kinds.contains(ItemKind::Wall))
                m_snapper.reset();
            if (std::any_of(kinds.begin(), kinds.end(), blocksSight))
                showStoreyBelow();
        });
    connect(&document, &SiteDocument::backgroundChanged, this, [this] {
        m_background->present(m_document.site().storeys.at(std::size_t(m_storey)).background);
        reachSite();
    });
    connect(&document, &SiteDocument::boundaryChanged, this, &PlanView::showBoundary);
    connect(&coverage, &SiteCoverage::cameraCoverageChanged, this, &PlanView::showFootprints);
    connect(&coverage, &SiteCoverage::areaCoverageChanged, this, &PlanView::showAreaCoverage);

    m_tools.push_back(std::make_unique<SelectTool>(*this));
    m_tool = m_tools.front().get();
    m_tool->activate();

    rebuildAll();
    m_mapTimer->start(0);
    setScale(20);
}

PlanView::~PlanView() {
    // The items refer to the layers and the edits, which go before the scene does.
    m_scene->clear();
}

std::vector<PlanItem*>& PlanView::itemsOf(ItemKind kind) {
    return const_cast<std::vector<PlanItem*>&>(std::as_const(*this).itemsOf(kind));
}

const std::vector<PlanItem*>& PlanView::itemsOf(ItemKind kind) const {
    switch (kind) {
    case ItemKind::Wall:
        return m_walls;
    case ItemKind::Area:
        return m_areas;
    case ItemKind::Obstacle:
        return m_obstacles;
    case ItemKind::Camera:
        break;
    }
    return m_cameras;
}

void PlanView::rebuildAll() {
    for (const ItemKind kind : ItemKinds)
        rebuild(kind);
    m_background->present(m_document.site().storeys.at(std::size_t(m_storey)).background);
    showBoundary();
    showStoreyBelow();
    frameSite();
}

void PlanView::setStorey(int storey) {
    if (storey == m_storey || storey < 0 ||
        storey >= static_cast<int>(m_document.site().storeys.size()))
        return;
    m_storey = storey;
    m_snapper.reset();
    stepPickedPoint(0);
    for (const ItemKind kind : ItemKinds)
        for (int i = 0; i < m_document.count(kind); ++i)
            showOnStorey({kind, i});
    m_background->present(m_document.site().storeys.at(std::size_t(m_storey)).background);
    showStoreyBelow();
    reachSite();
    // The best level met is the storey's own cameras'.
    m_mapWhole = true;
    m_mapTimer->start(0);
    m_labelTimer->start(0);
    emit storeyChanged();
}

void PlanView::showOnStorey(const ItemRef& ref) {
    PlanItem* item = itemOf(ref);
    if (!item || !m_document.holds(ref))
        return;
    const bool shown = storeyOf(m_document.item(ref)) == m_storey;
    item->setVisible(shown);
    if (ref.kind == ItemKind::Camera && ref.index < static_cast<int>(m_footprints.size()))
        m_footprints[static_cast<std::size_t>(ref.index)]->setVisible(shown);
}

QPainterPath PlanView::storeyBelowShown() const {
    return m_below->path();
}

void PlanView::showStoreyBelow() {
    QPainterPath path;
    const Site& site = m_document.site();
    if (const std::optional<int> below = nextStorey(site, m_storey, -1)) {
        for (const SiteWall& wall : site.walls)
            if (wall.storey == *below)
                path.addPolygon(drawnPolygon(wall.points));
        for (const SiteObstacle& obstacle : site.obstacles)
            if (obstacle.storey == *below) {
                path.addPolygon(drawnPolygon(obstacle.points));
                path.closeSubpath();
            }
    }
    m_below->setPath(path);
}

std::optional<QRectF> PlanView::storeyExtent() const {
    // A drag asks at every step: a site of one storey needs no copy.
    const Site& site = m_document.site();
    return site.storeys.size() == 1 ? planExtent(site, backgroundOnPlan())
                                    : planExtent(storeyOnly(site, m_storey), backgroundOnPlan());
}

std::optional<QRectF> PlanView::backgroundOnPlan() const {
    const QRectF scene = m_background->sceneBoundingRect();
    if (!m_background->isVisible() || scene.isEmpty())
        return std::nullopt;
    return QRectF(QPointF(scene.left(), -scene.bottom()), QPointF(scene.right(), -scene.top()));
}

const BackgroundPicture* PlanView::shownPicture() const {
    return backgroundOnPlan() ? &m_background->picture() : nullptr;
}

QRectF PlanView::siteExtent() const {
    const std::optional<QRectF> extent = storeyExtent();
    if (!extent)
        return {};
    // A plan of one point still has a place to frame.
    return QRectF(QPointF(extent->left(), -extent->bottom()),
                  QPointF(extent->right(), -extent->top()))
        .adjusted(0, 0, 1e-9, 1e-9);
}

void PlanView::followBandLimit() {
    const std::optional<QRectF> limit = bandLimit(m_document.site(), storeyExtent());
    if (limit == m_bandCut.limit())
        return;
    const int count = std::min(static_cast<int>(m_footprints.size()), m_coverage.cameraCount());
    std::vector<bool> whole;
    for (int i = 0; i < count; ++i)
        whole.push_back(m_bandCut.keepsWhole(m_coverage.footprint(i)));
    m_bandCut.setLimit(limit);
    m_mapItem->setLimit(limit);
    for (int i = 0; i < count; ++i) {
        const CameraFootprint& footprint = m_coverage.footprint(i);
        if (!whole[static_cast<std::size_t>(i)] || !m_bandCut.keepsWhole(footprint))
            presentFootprint(i);
    }
}

void PlanView::presentFootprint(int camera) {
    const CameraFootprint& footprint = m_coverage.footprint(camera);
    FootprintItem* item = m_footprints.at(static_cast<std::size_t>(camera));
    // Most cameras lie well within the limit: no copy to cut.
    if (m_bandCut.keepsWhole(footprint))
        item->present(footprint);
    else
        item->present(m_bandCut.cut(footprint));
}

void PlanView::frameSite() {
    const QRectF extent = siteExtent();
    m_anchor = extent.isValid() ? extent.center() : QPointF();
    m_scene->setSceneRect(QRectF(m_anchor, QSizeF()) +
                          QMarginsF(SceneReach, SceneReach, SceneReach, SceneReach));
    reachSite();
    setScale(clampedScale(scale()));
}

void PlanView::reachSite() {
    followBandLimit();
    const QRectF extent = siteExtent();
    if (extent.isValid())
        m_scene->setSceneRect(m_scene->sceneRect() |
                              (extent + QMarginsF(SceneReach, SceneReach, SceneReach, SceneReach)));
}

double PlanView::clampedScale(double pixelsPerMetre) const {
    const QRectF rect = m_scene->sceneRect();
    const double reach = std::max({m_anchor.x() - rect.left(), rect.right() - m_anchor.x(),
                                   m_anchor.y() - rect.top(), rect.bottom() - m_anchor.y()});
    return std::clamp(pixelsPerMetre, SmallestScale, std::min(LargestScale, ScrollPixels / reach));
}

void PlanView::rebuild(ItemKind kind) {
    std::vector<PlanItem*>& items = itemsOf(kind);
    for (PlanItem* item : items)
        delete item;
    items.clear();
    if (kind == ItemKind::Camera) {
        for (FootprintItem* footprint : m_footprints)
            delete footprint;
        m_footprints.clear();
    }
    for (int i = 0; i < m_document.count(kind); ++i) {
        const ItemRef ref{kind, i};
        const SiteItem item = m_document.item(ref);
        if (kind == ItemKind::Camera) {
            items.push_back(new CameraItem(ref, std::get<SiteCamera>(item), m_edits));
            m_footprints.push_back(new FootprintItem(m_layers, m_document.site().levelSet));
            presentFootprint(i);
            m_scene->addItem(m_footprints.back());
        } else {
            items.push_back(new PolyItem(ref, item, m_edits, *this, m_document.site().levelSet));
        }
        m_scene->addItem(items.back());
        showOnStorey(ref);
        if (kind == ItemKind::Area)
            showAreaCoverage(i);
    }
    reachSite();
}

void PlanView::showItem(const ItemRef& ref) {
    m_labelTimer->start(0);
    if (PlanItem* item = itemOf(ref))
        item->present(m_document.item(ref));
    showOnStorey(ref);
}

// The coverage follows the document first; items that it no longer has are about to go.
void PlanView::showFootprints(int camera) {
    const int count = std::min(static_cast<int>(m_footprints.size()), m_coverage.cameraCount());
    for (int i = 0; i < count; ++i)
        if (camera < 0 || i == camera)
            presentFootprint(i);
    if (camera < 0)
        m_mapWhole = true;
    else
        m_mapChanged.insert(camera);
    // While a camera is dragged the map follows it at most every twice the time it last took,
    // so that the drag itself keeps its pace; a change long after the last shows at once.
    if (!m_mapTimer->isActive()) {
        const qint64 since = m_mapShown.isValid() ? m_mapShown.elapsed() : MostMapPauseMs;
        m_mapTimer->start(
            std::chrono::milliseconds(std::max<qint64>(0, m_mapPause.count() - since)));
    }
}

void PlanView::showCoverageMap() {
    m_labelTimer->start(0);
    m_mapItem->setVisible(m_layers.view != PlanShows::EachCamera);
    if (!m_mapItem->isVisible()) {
        // Worked out again whole when it shows again.
        m_mapWhole = true;
        return;
    }
    QElapsedTimer took;
    took.start();
    const std::vector<BestLevelMap::Camera> cameras =
        mapCameras(m_coverage, m_document.site(), m_layers.view);
    if (m_mapWhole) {
        m_map.reset(cameras, m_storey);
        m_mapItem->present(m_map);
    } else {
        const std::set<BestLevelMap::TileKey> changed = m_map.update(cameras, m_mapChanged);
        if (!changed.empty())
            m_mapItem->present(m_map, changed);
    }
    m_mapWhole = false;
    m_mapChanged.clear();
    m_mapPause = std::chrono::milliseconds(std::min<qint64>(2 * took.elapsed(), MostMapPauseMs));
    m_mapShown.start();
}

void PlanView::showAreaCoverage(int area) {
    m_labelTimer->start(0);
    const int count = std::min(static_cast<int>(m_areas.size()), m_coverage.areaCount());
    for (int i = 0; i < count; ++i)
        if (area < 0 || i == area)
            static_cast<PolyItem*>(m_areas[static_cast<std::size_t>(i)])
                ->showCoverage(m_coverage.coverage(i));
}

void PlanView::showBoundary() {
    m_boundary->present(m_document.site().boundary);
    reachSite();
}

void PlanView::placeLabels() {
    // In pixels from the scene's origin: scrolling moves none of them against another.
    const QTransform toPixels = QTransform::fromScale(scale(), scale());
    const QFontMetricsF metrics(QApplication::font());
    std::vector<LabelRequest> labels;
    std::vector<QRectF> symbols;
    const double radius = CameraItem::symbolRadius();
    // The items of other storeys, hidden, name nothing and take no room.
    const auto shown = [](const QGraphicsItem* item) { return item->isVisible() ? 1.0 : 0.0; };
    for (PlanItem* item : m_cameras) {
        const QPointF at = toPixels.map(item->pos());
        labels.push_back(
            {at, static_cast<CameraItem*>(item)->labelSize() * shown(item), 0, radius});
        if (item->isVisible())
            symbols.push_back(QRectF(at - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)));
    }
    for (PlanItem* item : m_areas) {
        const auto* area = static_cast<PolyItem*>(item);
        labels.push_back(
            {toPixels.map(area->labelAnchor()),
             QSizeF(metrics.horizontalAdvance(area->label()) + 4, metrics.height()) * shown(item),
             1});
    }
    const bool bands = m_layers.view == PlanShows::EachCamera;
    const LevelSet& levels = m_document.site().levelSet;
    for (const FootprintItem* footprint : bands ? m_footprints : std::vector<FootprintItem*>{})
        for (const LevelBand& band : footprint->footprint().bands)
            labels.push_back(
                {toPixels.map(toScene(band.labelAt.value_or(PlanPoint{}))),
                 QSizeF(metrics.horizontalAdvance(CoverageText::levelName(levels, band.level)) + 4,
                        metrics.height()) *
                     (band.labelAt ? shown(footprint) : 0), // a band seen nowhere names nothing
                 2});
    const std::vector<std::optional<QRectF>> places = vistaro::placeLabels(labels, symbols);
    m_placedLabels.clear();
    for (const std::optional<QRectF>& place : places)
        if (place)
            m_placedLabels.push_back(*place);
    std::size_t next = 0;
    for (PlanItem* item : m_cameras) {
        std::optional<QRectF> place = places[next++];
        if (place)
            place->translate(-toPixels.map(item->pos()));
        static_cast<CameraItem*>(item)->placeLabel(place);
    }
    const QTransform toScene = toPixels.inverted();
    for (PlanItem* item : m_areas) {
        const std::optional<QRectF>& place = places[next++];
        static_cast<PolyItem*>(item)->placeLabel(place ? std::optional(toScene.mapRect(*place))
                                                       : std::nullopt);
    }
    for (FootprintItem* footprint : m_footprints) {
        std::vector<bool> shown;
        for (std::size_t i = 0; bands && i < footprint->footprint().bands.size(); ++i)
            shown.push_back(places[next++].has_value());
        if (bands)
            footprint->showLabels(shown);
    }
}

PlanItem* PlanView::itemOf(const ItemRef& ref) const {
    const std::vector<PlanItem*>& items = itemsOf(ref.kind);
    return ref.index >= 0 && ref.index < static_cast<int>(items.size())
               ? items[static_cast<std::size_t>(ref.index)]
               : nullptr;
}

void PlanView::setTool(PlanTool* tool) {
    m_tool->deactivate();
    m_snapMark->hide();
    if (!tool)
        tool = m_tools.front().get();
    if (tool == m_tool)
        return;
    m_tool = tool;
    m_tool->activate();
    viewport()->setCursor(m_tool->cursor());
    emit toolChanged();
}

void PlanView::addTool(QAction* action, std::unique_ptr<PlanTool> tool) {
    PlanTool* added = m_tools.emplace_back(std::move(tool)).get();
    connect(action, &QAction::triggered, this, [this, added](bool checked) {
        setTool(checked ? added : nullptr);
        setFocus();
    });
    connect(this, &PlanView::toolChanged, action, [this, action, added] {
        const QSignalBlocker quiet(action);
        action->setChecked(m_tool == added);
    });
}

double PlanView::scale() const {
    return transform().m11();
}

double PlanView::gridStep() const {
    return roundLength(GridPixels / scale(), m_document.site().units);
}

void PlanView::setSnapping(bool on) {
    m_snapping = on;
}

// A wall whose point is dragged changes at every step; the others stay as indexed.
void PlanView::wallsChanged(const ItemRef& ref) {
    if (ref.kind == ItemKind::Wall && !(m_snapper && m_snapper->without == ref.index))
        m_snapper.reset();
}

Snapped PlanView::snap(const PlanPoint& at, std::optional<int> withoutWall) {
    if (!m_snapper || m_snapper->without != withoutWall) {
        std::vector<SiteWall> walls;
        for (int i = 0; i < m_document.count(ItemKind::Wall); ++i)
            if (const SiteWall& wall = m_document.site().walls[std::size_t(i)];
                i != withoutWall && wall.storey == m_storey)
                walls.push_back(wall);
        m_snapper.emplace(Snapper{withoutWall, WallSnapper(walls)});
    }
    const SnapRule rule{SnapPixels / scale(), gridStep(),
                        m_snapping && !(m_held & Qt::AltModifier)};
    const Snapped snapped = m_snapper->walls.snap(at, rule);
    m_snapMark->mark(snapped);
    return snapped;
}

PlanPoint PlanView::aided(const PlanPoint& at, const std::optional<PlanPoint>& from) {
    if (from && (m_held & Qt::ShiftModifier)) {
        m_snapMark->hide();
        const bool snapping = m_snapping && !(m_held & Qt::AltModifier);
        return heldAtAngle(*from, at, SnapDegrees, snapping ? gridStep() : 0);
    }
    return snap(at, std::nullopt).point;
}

PlanPoint PlanView::dragged(const PlanPoint& at, const ItemRef& of) {
    return snap(at, of.kind == ItemKind::Wall ? std::optional(of.index) : std::nullopt).point;
}

PlanPoint PlanView::planAt(const QPoint& viewportPoint) const {
    return toPlan(mapToScene(viewportPoint));
}

QPoint PlanView::viewportAt(const PlanPoint& point) const {
    return mapFromScene(toScene(point));
}

PlanPoint PlanView::centre() const {
    return planAt(viewport()->rect().center());
}

void PlanView::setScale(double pixelsPerMetre) {
    // Pixels counted from the site's middle rather than from the origin: a site in national grid
    // coordinates lies millions of metres from it, farther than the scroll bars count.
    setTransform(QTransform(pixelsPerMetre, 0, 0, pixelsPerMetre, -m_anchor.x() * pixelsPerMetre,
                            -m_anchor.y() * pixelsPerMetre));
    scaleChanged();
}

void PlanView::zoomBy(double factor) {
    setTransformationAnchor(AnchorViewCenter);
    setScale(clampedScale(scale() * factor));
}

void PlanView::zoomToFit() {
    // Before it is first shown the view has no size of its own to fit into.
    m_fitWhenShown = !isVisible();
    if (m_fitWhenShown)
        return;
    QRectF bounds = siteExtent();
    if (bounds.width() < 1 && bounds.height() < 1)
        bounds = QRectF(bounds.center(), QSizeF()) +
                 QMarginsF(EmptyPlanMetres, EmptyPlanMetres, EmptyPlanMetres, EmptyPlanMetres);
    const double margin = std::max(bounds.width(), bounds.height()) * 0.05;
    bounds += QMarginsF(margin, margin, margin, margin);
    const double fit =
        std::min(viewport()->width() / bounds.width(), viewport()->height() / bounds.height());
    setScale(clampedScale(fit));
    centerOn(bounds.center());
}

void PlanView::scaleChanged() {
    for (const std::vector<PlanItem*>* items : {&m_walls, &m_areas, &m_obstacles})
        for (PlanItem* item : *items)
            static_cast<PolyItem*>(item)->rescale();
    m_boundary->rescale();
    m_scaleBar->showScale(scale(), m_document.site().units);
    m_scaleBar->move(8, height() - m_scaleBar->height() - 8);
    m_north->move(width() - m_north->width() - 8, 8);
    m_labelTimer->start(0);
}

void PlanView::setCoverageLayers(const CoverageLayers& layers) {
    if (layers.view != m_layers.view) {
        m_mapWhole = true;
        m_mapTimer->start(0);
    }
    m_layers = layers;
    for (FootprintItem* footprint : m_footprints)
        footprint->update();
    m_mapItem->update();
}

void PlanView::showPicture(const BackgroundPicture& picture) {
    m_background->showPicture(picture);
    reachSite();
}

std::vector<ItemRef> PlanView::selection() const {
    std::vector<ItemRef> refs;
    for (QGraphicsItem* item : m_scene->selectedItems())
        if (auto* planItem = qgraphicsitem_cast<PlanItem*>(item))
            refs.push_back(planItem->ref());
    std::sort(refs.begin(), refs.end());
    return refs;
}

void PlanView::select(const std::vector<ItemRef>& refs) {
    const QSignalBlocker quiet(m_scene);
    m_scene->clearSelection();
    for (const ItemRef& ref : refs)
        if (PlanItem* item = itemOf(ref)) {
            item->setSelected(true);
            // A camera's bounds are in pixels, not metres: its place is what must be seen.
            if (refs.size() == 1)
                ensureVisible(item->flags() & QGraphicsItem::ItemIgnoresTransformations
                                  ? QRectF(item->scenePos(), QSizeF())
                                  : item->sceneBoundingRect());
        }
    emit selectionChanged();
}

// The point under the cursor stays under it. Qt's own anchor follows the last mouse move,
// which a wheel turned without moving the mouse has not made.
void PlanView::wheelEvent(QWheelEvent* event) {
    const QPoint cursor = event->position().toPoint();
    const QPointF held = mapToScene(cursor);
    setTransformationAnchor(NoAnchor);
    setScale(clampedScale(scale() * std::pow(1.0015, event->angleDelta().y())));
    scrollBy(mapFromScene(held) - cursor);
    event->accept();
}

void PlanView::scrollBy(const QPoint& pixels) {
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + pixels.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() + pixels.y());
}

void PlanView::mousePressEvent(QMouseEvent* event) {
    m_held = event->modifiers();
    if (event->button() == Qt::MiddleButton || (event->button() == Qt::LeftButton && m_spaceHeld)) {
        m_panFrom = event->position().toPoint();
        viewport()->setCursor(Qt::ClosedHandCursor);
        event->accept();
        return;
    }
    if (m_tool->press(planAt(event->position().toPoint()), event->button())) {
        event->accept();
        return;
    }
    QGraphicsView::mousePressEvent(event);
}

void PlanView::mouseMoveEvent(QMouseEvent* event) {
    m_held = event->modifiers();
    // Shown again by the tool or the handle that snaps a point.
    m_snapMark->hide();
    const QPoint at = event->position().toPoint();
    emit cursorMoved(planAt(at));
    if (m_panFrom) {
        scrollBy(*m_panFrom - at);
        m_panFrom = at;
        event->accept();
        return;
    }
    if (m_tool->move(planAt(at))) {
        event->accept();
        return;
    }
    QGraphicsView::mouseMoveEvent(event);
}

void PlanView::mouseReleaseEvent(QMouseEvent* event) {
    m_held = event->modifiers();
    if (m_panFrom && (event->button() == Qt::MiddleButton || event->button() == Qt::LeftButton)) {
        m_panFrom.reset();
        viewport()->setCursor(m_spaceHeld ? Qt::OpenHandCursor : m_tool->cursor());
        event->accept();
        return;
    }
    if (m_tool->release(planAt(event->position().toPoint()), event->button())) {
        event->accept();
        return;
    }
    QGraphicsView::mouseReleaseEvent(event);
}

void PlanView::mouseDoubleClickEvent(QMouseEvent* event) {
    m_held = event->modifiers();
    if (m_tool->doubleClick(planAt(event->position().toPoint()))) {
        event->accept();
        return;
    }
    QGraphicsView::mouseDoubleClickEvent(event);
}

void PlanView::keyPressEvent(QKeyEvent* event) {
    m_held = event->modifiers();
    const int key = event->key();
    if (key == Qt::Key_Space && !event->isAutoRepeat()) {
        m_spaceHeld = true;
        viewport()->setCursor(Qt::OpenHandCursor);
        return;
    }
    m_enteredByTab = false;
    // Ctrl+Tab leaves the plan whatever the tool.
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) &&
        (event->modifiers() & Qt::ControlModifier)) {
        QGraphicsView::focusNextPrevChild(key == Qt::Key_Tab &&
                                          !(event->modifiers() & Qt::ShiftModifier));
        return;
    }
    if (!m_tool->key(*event))
        QGraphicsView::keyPressEvent(event);
}

void PlanView::keyReleaseEvent(QKeyEvent* event) {
    m_held = event->modifiers();
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        m_spaceHeld = false;
        viewport()->setCursor(m_tool->cursor());
        return;
    }
    QGraphicsView::keyReleaseEvent(event);
}

void PlanView::leaveEvent(QEvent* event) {
    emit cursorLeft();
    QGraphicsView::leaveEvent(event);
}

void PlanView::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    scaleChanged();
}

void PlanView::showEvent(QShowEvent* event) {
    QGraphicsView::showEvent(event);
    if (m_fitWhenShown)
        zoomToFit();
}

void PlanView::showDraft(const std::vector<PlanPoint>& points) {
    QPainterPath path;
    path.addPolygon(drawnPolygon(points));
    m_draft->setPath(path);
    m_draftPoints = points;
    emit draftShown(points);
}

void PlanView::showNote(const PlanPoint& at, const QString& text) {
    m_note->setText(text);
    m_note->setPos(toScene(at));
    m_note->setVisible(!text.isEmpty());
}

void PlanView::placeTyped(double length, double degrees) {
    if (m_draftPoints.size() >= 2)
        m_tool->place(pointAt(m_draftPoints[m_draftPoints.size() - 2], length, degrees));
}

void PlanView::drawBackground(QPainter* painter, const QRectF& rect) {
    painter->fillRect(rect, Qt::white);
    const double step = gridStep();
    if (!(step > 0) || rect.width() / step > 2000 || rect.height() / step > 2000)
        return;
    QPen grid(QColor::fromRgba(GridColour), 0);
    QPen axis(QColor::fromRgba(AxisColour), 0);
    painter->setRenderHint(QPainter::Antialiasing, false);
    for (double x = std::floor(rect.left() / step) * step; x <= rect.right(); x += step) {
        painter->setPen(std::abs(x) < step / 2 ? axis : grid);
        painter->drawLine(QPointF(x, rect.top()), QPointF(x, rect.bottom()));
    }
    for (double y = std::floor(rect.top() / step) * step; y <= rect.bottom(); y += step) {
        painter->setPen(std::abs(y) < step / 2 ? axis : grid);
        painter->drawLine(QPointF(rect.left(), y), QPointF(rect.right(), y));
    }
}

} // namespace vistaro
