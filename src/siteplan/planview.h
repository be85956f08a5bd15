// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/planextent.h"
#include "site/sitecoverage.h"
#include "site/sitedocument.h"
#include "site/snapping.h"
#include "siteplan/planitems.h"

#include <QElapsedTimer>
#include <QGraphicsView>
#include <QPainterPath>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QGraphicsPathItem;
class QTimer;
class QGraphicsSimpleTextItem;

namespace vistaro {

class PlanTool;
class NorthArrowOverlay;
class ScaleBarOverlay;
class SnapMark;

// The plan in metres, x to the east and y to the north, over a grid, with a scale bar. The
// wheel zooms around the cursor; the middle button, or the left one with the space bar held,
// pans. What a click or a key does otherwise is the active tool's: selecting and moving unless
// another is chosen. The items follow the document and the coverage; what the user drags goes
// to the window through PlanEdits. It draws only when something changed: no timer runs. Points
// that the tools place and the handles drag go through its drawing aids (aided()).
class PlanView : public QGraphicsView, private PointAid {
    Q_OBJECT

public:
    PlanView(const SiteDocument& document, const SiteCoverage& coverage, PlanEdits& edits,
             QWidget* parent = nullptr);
    ~PlanView() override;

    const PlanTool& tool() const { return *m_tool; }
    const SiteDocument& document() const { return m_document; }
    // Makes `tool` (none: selecting) the active one, dropping what the one before left half
    // done.
    void setTool(PlanTool* tool);
    // `tool` becomes the active one while `action`, checkable, is checked; the action stays
    // checked as long as it is.
    void addTool(QAction* action, std::unique_ptr<PlanTool> tool);
    // A dashed line through `points`, while a tool draws; none when empty.
    void showDraft(const std::vector<PlanPoint>& points);
    // The tool places its next point `length` metres from its last in the direction
    // `degrees` counter-clockwise from east; nothing while no point is placed.
    void placeTyped(double length, double degrees);
    // `text` written at `at` over the plan, in the font on screen; none when empty.
    void showNote(const PlanPoint& at, const QString& text);
    // A figure typed on the plan while a tool draws: its first character.
    void startTyping(const QString& text) { emit typingStarted(text); }

    // Pixels a metre on screen.
    double scale() const;
    // The step of the grid on show, in metres: a round length in the site's units.
    double gridStep() const;

    // Points snap to the walls and the grid unless this turns it off; Alt held turns it off
    // while it is held.
    void setSnapping(bool on);
    // `at` as the drawing aids place it: with Shift held, the segment from `from` at a multiple
    // of 15 degrees; otherwise snapped. A mark shows where and to what.
    PlanPoint aided(const PlanPoint& at, const std::optional<PlanPoint>& from = std::nullopt);
    PlanPoint planAt(const QPoint& viewportPoint) const;
    QPoint viewportAt(const PlanPoint& point) const;
    PlanPoint centre() const;
    // Around the centre of the view.
    void zoomBy(double factor);
    // Shows the plan's extent (planExtent); an empty plan shows the ground around its origin.
    void zoomToFit();
    // Where the background picture lies on the plan, in metres, while it is shown.
    std::optional<QRectF> backgroundOnPlan() const;
    // The background picture while it is shown, else none.
    const BackgroundPicture* shownPicture() const;

    // Every label of the plan placed again where it overlaps no other and no camera, cameras
    // first, then areas, then bands; those with no room left out. The plan does it after each
    // change of the zoom or the coverage, many changes in a row once.
    void placeLabels();
    // The labels on show, in pixels of the view at its scale (scrolling moves them all alike).
    const std::vector<QRectF>& placedLabels() const { return m_placedLabels; }

    // The storey on show: its items, its background, and the walls and obstacles of the storey
    // below it faint underneath; the boundary shows on every storey.
    int storey() const { return m_storey; }
    void setStorey(int storey);
    // The walls and obstacles of the storey below, in scene coordinates.
    QPainterPath storeyBelowShown() const;
    // Where each level is the best met on the storey on show, as last painted.
    const BestLevelMap& bestLevelMap() const { return m_map; }

    const CoverageLayers& coverageLayers() const { return m_layers; }
    void setCoverageLayers(const CoverageLayers& layers);
    void showPicture(const BackgroundPicture& picture);

    std::vector<ItemRef> selection() const;
    bool boundarySelected() const { return m_boundary->isSelected(); }
    void select(const std::vector<ItemRef>& refs);
    // The item that shows `ref`, or none.
    PlanItem* itemOf(const ItemRef& ref) const;

    // What the keys do on the plan, for its description and the window's status bar.
    static QString keysHelp();
    void describeKeys();
    // The point of the selected wall or area that the keyboard works on, if any.
    std::optional<std::size_t> pickedPoint() const;
    // The next (1) or previous (-1) point of the one wall or area selected, or none (0).
    void stepPickedPoint(int step);
    // Takes the picked point out of its wall or area; false when no point is picked.
    bool deletePickedPoint();
    // Moves the picked point, or else the selection, by (dx, dy) metres.
    void nudge(double dx, double dy);
    // Counter-clockwise for a positive angle, as the pan is counted; one undo step.
    void turnSelection(double degrees);
    // Selects the next (or the previous) item, cameras first, then walls, then areas, then
    // obstacles; false past the last one.
    bool tabToItem(bool next);

signals:
    void cursorMoved(const vistaro::PlanPoint& point);
    void cursorLeft();
    void toolChanged();
    // What the active tool says in the status bar changed.
    void hintChanged();
    void draftShown(const std::vector<vistaro::PlanPoint>& points);
    void typingStarted(const QString& text);
    void selectionChanged();
    // The keys ask to move the selection by (dx, dy) metres.
    void nudged(double dx, double dy);
    void storeyChanged();

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    PlanPoint dragged(const PlanPoint& at, const ItemRef& of) override;
    // Snapped to the walls but the one numbered `withoutWall`, whose point is dragged.
    Snapped snap(const PlanPoint& at, std::optional<int> withoutWall);
    void wallsChanged(const ItemRef& ref);
    void rebuild(ItemKind kind);
    void rebuildAll();
    void showItem(const ItemRef& ref);
    void showFootprints(int camera);
    // The map of the best level or of the levels wanted, after the coverage changes that came
    // since it was last shown: many changes in a row make one.
    void showCoverageMap();

    void showAreaCoverage(int area);
    void showBoundary();
    void showStoreyBelow();
    // Each item shown while it stands on the storey on show, its footprint with it.
    void showOnStorey(const ItemRef& ref);
    // The plan's extent on the storey on show (planExtent).
    std::optional<QRectF> storeyExtent() const;
    PolyItem* pickedItem() const;
    void scaleChanged();
    void setScale(double pixelsPerMetre);
    // The plan's extent (planExtent) in scene coordinates; a null rectangle for an empty plan.
    QRectF siteExtent() const;
    // The bands cut afresh where the plan's extent moved their limit.
    void followBandLimit();
    // The camera's footprint shown as the band limit cuts it.
    void presentFootprint(int camera);
    // The scene round the site, the view's pixels counted from its middle.
    void frameSite();
    // The scene grown to keep the site and the ground round it after an edit.
    void reachSite();
    // The scale within the zoom's limits: at most as close as keeps the whole scene within the
    // scroll bars' reach.
    double clampedScale(double pixelsPerMetre) const;
    void scrollBy(const QPoint& pixels);
    std::vector<PlanItem*>& itemsOf(ItemKind kind);
    const std::vector<PlanItem*>& itemsOf(ItemKind kind) const;

    const SiteDocument& m_document;
    const SiteCoverage& m_coverage;
    PlanEdits& m_edits;
    QGraphicsScene* m_scene;
    std::vector<PlanItem*> m_cameras;
    std::vector<PlanItem*> m_walls;
    std::vector<PlanItem*> m_areas;
    std::vector<PlanItem*> m_obstacles;
    std::vector<FootprintItem*> m_footprints;
    BestLevelMap m_map;
    CoverageMapItem* m_mapItem = nullptr;
    QTimer* m_mapTimer = nullptr;
    std::set<int> m_mapChanged;              // the cameras changed since the map was shown
    bool m_mapWhole = true;                  // every camera changed
    std::chrono::milliseconds m_mapPause{0}; // the least time between two updates of the map
    QElapsedTimer m_mapShown;                // since the map was last shown
    QTimer* m_labelTimer = nullptr;
    std::vector<QRectF> m_placedLabels;
    BackgroundItem* m_background;
    QGraphicsPathItem* m_draft;
    QGraphicsSimpleTextItem* m_note;
    std::vector<PlanPoint> m_draftPoints;
    BoundaryItem* m_boundary;
    QGraphicsPathItem* m_below;
    int m_storey = 0;
    ScaleBarOverlay* m_scaleBar;
    NorthArrowOverlay* m_north;
    CoverageLayers m_layers;
    BandCut m_bandCut;
    // The walls indexed for snapping, all of them or all but one, built when first asked for.
    struct Snapper {
        std::optional<int> without;
        WallSnapper walls;
    };
    std::optional<Snapper> m_snapper;
    bool m_snapping = true;
    Qt::KeyboardModifiers m_held; // by the last mouse event or key
    SnapMark* m_snapMark;
    std::vector<std::unique_ptr<PlanTool>> m_tools; // the first selects
    PlanTool* m_tool;
    bool m_spaceHeld = false;
    bool m_fitWhenShown = false;
    // Focus came in by Tab: the next Tab starts at the first item.
    bool m_enteredByTab = false;
    std::optional<std::size_t> m_pickedPoint;
    ItemRef m_pickedOf;
    std::optional<QPoint> m_panFrom;
    QPointF m_anchor; // where the view counts its pixels from, in the scene
};

} // namespace vistaro
