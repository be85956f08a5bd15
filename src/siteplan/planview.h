// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/sitecoverage.h"
#include "site/sitedocument.h"
#include "siteplan/planitems.h"

#include <QGraphicsView>
#include <optional>
#include <vector>

class QGraphicsPathItem;

namespace vistaro {

class ScaleBar;

// The plan in metres, x to the east and y to the north, over a grid, with a scale bar. The
// wheel zooms around the cursor; the middle button, or the left one with the space bar held,
// pans. The items follow the document and the coverage; what the user drags goes to the
// window through PlanEdits. It draws only when something changed: no timer runs.
class PlanView : public QGraphicsView {
    Q_OBJECT

public:
    // What a click on the plan does: select, or add a point to a wall, an area, or the two
    // points of the background's scale.
    enum class Mode { Select, DrawWall, DrawArea, PickScale };

    PlanView(const SiteDocument& document, const SiteCoverage& coverage, PlanEdits& edits,
             QWidget* parent = nullptr);
    ~PlanView() override;

    Mode mode() const { return m_mode; }
    // Leaves any drawing unfinished.
    void setMode(Mode mode);

    // Pixels a metre on screen.
    double scale() const;
    PlanPoint planAt(const QPoint& viewportPoint) const;
    QPoint viewportAt(const PlanPoint& point) const;
    PlanPoint centre() const;
    // Around the centre of the view.
    void zoomBy(double factor);
    // Shows everything on the plan; an empty plan shows the ground around its origin.
    void zoomToFit();

    const CoverageLayers& coverageLayers() const { return m_layers; }
    void setCoverageLayers(const CoverageLayers& layers);
    void showPicture(const BackgroundPicture& picture);

    std::vector<ItemRef> selection() const;
    void select(const std::vector<ItemRef>& refs);
    // The item that shows `ref`, or none.
    PlanItem* itemOf(const ItemRef& ref) const;

    // What the keys do on the plan, for its description and the window's status bar.
    static QString keysHelp();
    void describeKeys();
    // The point of the selected wall or area that the keyboard works on, if any.
    std::optional<std::size_t> pickedPoint() const;
    // Takes the picked point out of its wall or area; false when no point is picked.
    bool deletePickedPoint();

signals:
    void cursorMoved(const vistaro::PlanPoint& point);
    void cursorLeft();
    void modeChanged(vistaro::PlanView::Mode mode);
    // A drawing is finished: a wall's or an area's points, or the two points of a scale.
    void drawn(vistaro::PlanView::Mode mode, const std::vector<vistaro::PlanPoint>& points);
    void selectionChanged();
    // The arrow keys ask to move the selection by (dx, dy) metres.
    void nudged(double dx, double dy);

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
    void rebuild(ItemKind kind);
    void rebuildAll();
    void showItem(const ItemRef& ref);
    void showFootprints(int camera);
    void showAreaCoverage(int area);
    // Turns the selected cameras, steps the picked point, leaves the plan: the keys that do
    // not move the selection. False for any other key.
    bool editByKey(const QKeyEvent* event);
    void turnSelection(double degrees);
    void stepPickedPoint(int step);
    PolyItem* pickedItem() const;
    bool movePickedPoint(double dx, double dy);
    void scaleChanged();
    void setScale(double pixelsPerMetre);
    // The background, the walls, the areas and the cameras, in scene coordinates.
    QRectF siteExtent() const;
    // The scene round the site, the view's pixels counted from its middle.
    void frameSite();
    // The scene grown to keep the site and the ground round it after an edit.
    void reachSite();
    // The scale within the zoom's limits: at most as close as keeps the whole scene within the
    // scroll bars' reach.
    double clampedScale(double pixelsPerMetre) const;
    void scrollBy(const QPoint& pixels);
    void finishDrawing();
    void showDraft(const std::optional<QPointF>& cursor);
    std::vector<PlanItem*>& itemsOf(ItemKind kind);
    const std::vector<PlanItem*>& itemsOf(ItemKind kind) const;

    const SiteDocument& m_document;
    const SiteCoverage& m_coverage;
    PlanEdits& m_edits;
    QGraphicsScene* m_scene;
    std::vector<PlanItem*> m_cameras;
    std::vector<PlanItem*> m_walls;
    std::vector<PlanItem*> m_areas;
    std::vector<FootprintItem*> m_footprints;
    BackgroundItem* m_background;
    QGraphicsPathItem* m_draft;
    ScaleBar* m_scaleBar;
    CoverageLayers m_layers;
    Mode m_mode = Mode::Select;
    std::vector<PlanPoint> m_drawing;
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
