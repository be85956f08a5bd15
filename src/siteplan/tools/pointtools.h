// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "siteplan/tools/plantool.h"

#include <functional>
#include <vector>

namespace vistaro {

// Whether the key types the start of a figure (a digit or the decimal point), which the status
// bar's fields take while a tool draws.
bool startsFigure(const QKeyEvent& event);

// Points clicked one after the other, a dashed line following the cursor from the last one,
// each placed by the view's drawing aids unless told otherwise. Enter finishes, and so does a
// double click when the number of points is open; Esc drops them. When finished (no fewer than
// `least` points, repeats dropped) the plan goes back to selecting and `drawn` is handed the
// points.
class PointsTool : public PlanTool {
public:
    using Drawn = std::function<void(const std::vector<PlanPoint>& points)>;
    enum class Aids { On, Off };
    // `most` of 0 leaves the number open; otherwise the last of them finishes.
    PointsTool(PlanView& view, std::size_t least, std::size_t most, Drawn drawn,
               Aids aids = Aids::On);

    bool press(const PlanPoint& at, Qt::MouseButton button) override;
    bool move(const PlanPoint& at) override;
    bool doubleClick(const PlanPoint& at) override;
    bool key(const QKeyEvent& event) override;
    void place(const PlanPoint& at) override;
    void activate() override;
    void deactivate() override;

private:
    void finish();
    void showDraft(const PlanPoint& cursor);
    PlanPoint aided(const PlanPoint& at) const;

    std::size_t m_least;
    std::size_t m_most;
    Drawn m_drawn;
    Aids m_aids;
    std::vector<PlanPoint> m_points;
};

// A wall's corners.
class WallTool : public PointsTool {
public:
    WallTool(PlanView& view, Drawn drawn) : PointsTool(view, 2, 0, std::move(drawn)) {}
    QString hint() const override;
};

// An area's corners.
class AreaTool : public PointsTool {
public:
    AreaTool(PlanView& view, Drawn drawn) : PointsTool(view, 3, 0, std::move(drawn)) {}
    QString hint() const override;
};

// An obstacle's corners.
class ObstacleTool : public PointsTool {
public:
    ObstacleTool(PlanView& view, Drawn drawn) : PointsTool(view, 3, 0, std::move(drawn)) {}
    QString hint() const override;
};

// The site boundary's corners.
class BoundaryTool : public PointsTool {
public:
    BoundaryTool(PlanView& view, Drawn drawn) : PointsTool(view, 3, 0, std::move(drawn)) {}
    QString hint() const override;
};

// Two points of the background whose distance the user knows.
class ScaleTool : public PointsTool {
public:
    ScaleTool(PlanView& view, Drawn drawn) : PointsTool(view, 2, 2, std::move(drawn), Aids::Off) {}
    QString hint() const override;
};

// A camera placed where the user clicks, or mid-view by Enter; the tool stays on for the next
// one till Esc.
class CameraTool : public PlanTool {
public:
    using Placed = std::function<void(const PlanPoint& at)>;
    CameraTool(PlanView& view, Placed placed) : PlanTool(view), m_placed(std::move(placed)) {}

    bool press(const PlanPoint& at, Qt::MouseButton button) override;
    bool move(const PlanPoint& at) override;
    bool key(const QKeyEvent& event) override;
    void activate() override;
    QString hint() const override;

private:
    Placed m_placed;
};

} // namespace vistaro
