// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/bestlevel.h"
#include "site/sitedocument.h"
#include "site/sitegeometry.h"
#include "siteplan/backgroundpicture.h"

#include <QFont>
#include <QGraphicsItem>
#include <QPainterPath>
#include <QPolygonF>
#include <QStaticText>
#include <QTransform>
#include <array>
#include <optional>
#include <vector>

namespace vistaro {

// What the plan's items ask of the window as the user drags them; the window makes each an
// undoable change of the document, which then moves the item.
class PlanEdits {
public:
    virtual ~PlanEdits() = default;

    // A new number for the steps of one drag, which merge into one undo step.
    virtual int startGesture() = 0;
    virtual void changeItem(const ItemRef& ref, const SiteItem& after, int gesture) = 0;
    // Moves the items by (dx, dy) metres together, a step of `gesture`.
    virtual void moveItems(const std::vector<ItemRef>& refs, double dx, double dy, int gesture) = 0;
    virtual void changeBackground(const SiteBackground& after, int gesture) = 0;
    virtual void changeBoundary(const std::vector<PlanPoint>& after, int gesture) = 0;

protected:
    PlanEdits() = default;
    PlanEdits(const PlanEdits&) = default;
    PlanEdits& operator=(const PlanEdits&) = default;
};

// Where a point of a wall or an area lands as the user drags it: the view's drawing aids.
class PointAid {
public:
    virtual ~PointAid() = default;

    virtual PlanPoint dragged(const PlanPoint& at, const ItemRef& of) = 0;

protected:
    PointAid() = default;
    PointAid(const PointAid&) = default;
    PointAid& operator=(const PointAid&) = default;
};

// Which parts of the cameras' coverage the plan shows, and how.
struct CoverageLayers {
    PlanShows view = PlanShows::BestLevel;
    bool deadZones = true;
    std::vector<bool> bands; // by level; a level past its end is shown

    bool shows(Level level) const { return level >= bands.size() || bands[level]; }

    bool operator==(const CoverageLayers&) const = default;
};

// Stacking order of the plan, bottom first.
enum PlanLayer {
    BackgroundLayer = -30,
    FootprintLayer = -20,
    AreaLayer = -10,
    ObstacleLayer = -5,
    WallLayer = 0,
    CameraLayer = 10,
    DraftLayer = 20
};

// A label in the font on screen, whatever the zoom, laid out once for as long as its text and
// the font stay the same.
class ScreenLabel {
public:
    // Writes `text` centred on `at` (the painter's coordinates); only where it fits inside
    // `room` (the painter's coordinates too) when one is given.
    void paint(QPainter& painter, const QPointF& at, const QString& text, const QRectF& room = {});

private:
    QStaticText m_laid;
    QFont m_font;
};

// A camera, a wall, an area or an obstacle: what the user selects, moves and deletes.
class PlanItem : public QGraphicsItem {
public:
    enum { Type = UserType + 1 };
    int type() const override { return Type; }

    const ItemRef& ref() const { return m_ref; }
    // Shows the item as the document now holds it.
    virtual void present(const SiteItem& item) = 0;
    PlanEdits& edits() const { return m_edits; }

protected:
    PlanItem(const ItemRef& ref, PlanEdits& edits);

    // A drag moves the item, or every item selected with it, together.
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;

private:
    ItemRef m_ref;
    PlanEdits& m_edits;
    QPointF m_dragged; // where the drag's last step left the pointer, in the scene
    int m_gesture = 0;
};

// A camera: a dot of constant size with an arm in the direction it looks, whose knob turns it.
class CameraItem : public PlanItem {
public:
    CameraItem(const ItemRef& ref, const SiteCamera& camera, PlanEdits& edits);

    void present(const SiteItem& item) override;
    const SiteCamera& camera() const { return m_camera; }
    // Where the turning knob is, relative to the camera, in pixels.
    QPointF knobOffset() const;
    // Turns the camera to look at `scenePoint`, a step of `gesture`.
    void turnTowards(const QPointF& scenePoint, int gesture);
    // Its name's size on screen, and the symbol's radius the name keeps clear of.
    QSizeF labelSize() const { return m_labelSize; }
    static double symbolRadius();
    // Its name in `place` (pixels from the camera), or left out.
    void placeLabel(const std::optional<QRectF>& place);

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    SiteCamera m_camera;
    QGraphicsItem* m_knob = nullptr;
    QSizeF m_labelSize;
    QRectF m_label; // null while left out
};

// A wall (an open polyline), an area or an obstacle (closed polygons), with a handle on each
// point while it is selected.
class PolyItem : public PlanItem {
public:
    // `levels`, the site's set, and `aid` outlive the item.
    PolyItem(const ItemRef& ref, const SiteItem& item, PlanEdits& edits, PointAid& aid,
             const LevelSet& levels);

    void present(const SiteItem& item) override;
    // The area's coverage, for its shading and label.
    void showCoverage(const AreaCoverage& coverage);
    // The view's scale changed: lines and labels keep their size on screen.
    void rescale();
    // An area's label and where it reads when nothing is in the way, in the scene.
    QString label() const;
    QPointF labelAnchor() const;
    // The area's label in `place` (the scene's coordinates), or left out.
    void placeLabel(const std::optional<QRectF>& place);
    const std::vector<PlanPoint>& points() const;
    PointAid& aid() const { return m_aid; }
    // Moves point `index` to `point`, a step of `gesture`.
    void movePoint(std::size_t index, const PlanPoint& point, int gesture);
    // Takes point `index` out, a step of `gesture`, as long as as many points stay as the
    // item needs; false when it would have too few.
    bool removePoint(std::size_t index, int gesture);
    // Fills the handle of the point that the keyboard works on, if any.
    void showPicked(std::optional<std::size_t> index);

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    QPainterPath outline() const;
    // How many metres a pixel spans in the first view of the scene.
    double metresPerPixel() const;

    SiteItem m_item;
    PointAid& m_aid;
    const LevelSet& m_levels;
    AreaCoverage m_coverage;
    ScreenLabel m_label;
    std::optional<QRectF> m_labelPlace;
    bool m_labelPlaced = false; // else it reads at its anchor
    std::vector<QGraphicsItem*> m_handles;
    QRectF m_bounds;
};

// The site boundary: a dash-dot outline, selected by a click on its line, with a handle on each
// point while it is selected.
class BoundaryItem : public QGraphicsItem {
public:
    explicit BoundaryItem(PlanEdits& edits);

    void present(const std::vector<PlanPoint>& points);
    const std::vector<PlanPoint>& points() const { return m_points; }
    // Moves point `index` to `point`, a step of `gesture`.
    void movePoint(std::size_t index, const PlanPoint& point, int gesture);
    // The view's scale changed: the line is picked as many pixels wide.
    void rescale() {
        prepareGeometryChange();
        update();
    }

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    QPainterPath outline() const;

    PlanEdits& m_edits;
    std::vector<PlanPoint> m_points;
    std::vector<QGraphicsItem*> m_handles;
};

// What one camera covers, in its level bands with their names, and its dead zone hatched.
class FootprintItem : public QGraphicsItem {
public:
    // `levels`, the site's set, outlives the item.
    FootprintItem(const CoverageLayers& layers, const LevelSet& levels);

    void present(const CameraFootprint& footprint);
    const CameraFootprint& footprint() const { return m_footprint; }
    // Which bands' names read (by band of the footprint); all until told.
    void showLabels(const std::vector<bool>& shown);
    QRectF boundingRect() const override { return m_bounds; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    const CoverageLayers& m_layers;
    const LevelSet& m_levels;
    CameraFootprint m_footprint;
    std::vector<QPainterPath> m_bands;
    std::vector<ScreenLabel> m_labels; // one for each band
    std::vector<bool> m_labelsShown;
    QPainterPath m_deadZone;
    QRectF m_bounds;
};

// The best level met, or the levels wanted (see BestLevelMap): each level's region painted once,
// tile by tile, so that no translucent band lies over another.
class CoverageMapItem : public QGraphicsItem {
public:
    // `layers` outlives the item.
    explicit CoverageMapItem(const CoverageLayers& layers);

    // Shows the tiles `changed` as `map` now has them; every tile when none are named.
    void present(const BestLevelMap& map, const std::set<BestLevelMap::TileKey>& changed = {});
    // Drawn within `limit` (plan coordinates), as the cameras' bands are; none for no limit.
    void setLimit(const std::optional<QRectF>& limit);
    QRectF boundingRect() const override { return m_bounds; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    struct Tile {
        QRectF box; // in the scene
        std::vector<QPainterPath> levels;
    };

    const CoverageLayers& m_layers;
    std::map<BestLevelMap::TileKey, Tile> m_tiles;
    QRectF m_bounds;
    std::optional<QRectF> m_limit; // in the scene
};

// The floor plan under everything; dragged while it is not locked.
class BackgroundItem : public QGraphicsItem {
public:
    explicit BackgroundItem(PlanEdits& edits);

    void showPicture(const BackgroundPicture& picture);
    void present(const std::optional<SiteBackground>& background);
    const BackgroundPicture& picture() const { return m_picture; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;

private:
    PlanEdits& m_edits;
    BackgroundPicture m_picture;
    SiteBackground m_background;
    QPointF m_grab;
    int m_gesture = 0;
};

// From plan metres to the scene: y flipped (see toScene).
inline const QTransform PlanToScene(1, 0, 0, -1, 0, 0);

// Points of the plan mapped by `toOut` (into the scene unless told), as a polyline; a shape's
// rings so mapped, closed and odd-even filled. The plan, its report page and its drawing all
// draw with these.
QPolygonF drawnPolygon(const std::vector<PlanPoint>& points, const QTransform& toOut = PlanToScene);
QPainterPath drawnPath(const PlanShape& shape, const QTransform& toOut = PlanToScene);

} // namespace vistaro
