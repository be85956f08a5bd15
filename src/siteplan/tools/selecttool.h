// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "siteplan/tools/plantool.h"

namespace vistaro {

// Clicks and the rubber band select, drags move what is selected (the view's own handling);
// the keys walk through the items, move and turn the selection and pick a point of a wall or
// an area.
class SelectTool : public PlanTool {
public:
    using PlanTool::PlanTool;

    bool key(const QKeyEvent& event) override;
    void activate() override;
    QString hint() const override { return {}; }
    Qt::CursorShape cursor() const override { return Qt::ArrowCursor; }
};

} // namespace vistaro
