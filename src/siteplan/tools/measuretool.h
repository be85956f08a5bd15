// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "siteplan/tools/plantool.h"

#include <optional>

namespace vistaro {

// The distance and the direction between two points clicked (snapped as drawn points are),
// shown on the plan and in the status bar; nothing is kept. A third click starts again; Esc
// clears what is shown, or leaves the tool when nothing is.
class MeasureTool : public PlanTool {
public:
    using PlanTool::PlanTool;

    bool press(const PlanPoint& at, Qt::MouseButton button) override;
    bool move(const PlanPoint& at) override;
    bool key(const QKeyEvent& event) override;
    // The second point, as the status bar's fields give it.
    void place(const PlanPoint& at) override;
    void activate() override;
    void deactivate() override;
    QString hint() const override;

private:
    void show(const PlanPoint& to);
    // "12.5 m at 36.9°" from the first point to `to`.
    QString measured(const PlanPoint& to) const;

    std::optional<PlanPoint> m_from;
    std::optional<PlanPoint> m_to;
};

} // namespace vistaro
