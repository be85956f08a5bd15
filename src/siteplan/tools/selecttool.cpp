// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "siteplan/tools/selecttool.h"

#include "siteplan/planview.h"

#include <QKeyEvent>

namespace vistaro {

namespace {

// [ and ] turn a camera this far, Shift (or { and }) this far.
constexpr double TurnDegrees = 5;
constexpr double LargeTurnDegrees = 45;
// The arrow keys move the selection this far, ten times as far with Shift.
constexpr double NudgeMetres = 0.1;

} // namespace

void SelectTool::activate() {
    view().setDragMode(QGraphicsView::RubberBandDrag);
}

bool SelectTool::key(const QKeyEvent& event) {
    const int key = event.key();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return view().tabToItem(key == Qt::Key_Tab);
    const bool control = modifiers & Qt::ControlModifier;
    const bool large = modifiers & Qt::ShiftModifier;
    if (key == Qt::Key_BracketLeft || key == Qt::Key_BraceLeft ||
        (control && key == Qt::Key_Left)) {
        view().turnSelection(large || key == Qt::Key_BraceLeft ? LargeTurnDegrees : TurnDegrees);
        return true;
    }
    if (key == Qt::Key_BracketRight || key == Qt::Key_BraceRight ||
        (control && key == Qt::Key_Right)) {
        view().turnSelection(
            -(large || key == Qt::Key_BraceRight ? LargeTurnDegrees : TurnDegrees));
        return true;
    }
    if (key == Qt::Key_Period || key == Qt::Key_Comma) {
        view().stepPickedPoint(key == Qt::Key_Period ? 1 : -1);
        return true;
    }
    if (key == Qt::Key_Escape && view().pickedPoint()) {
        view().stepPickedPoint(0);
        return true;
    }
    const double step = large ? NudgeMetres * 10 : NudgeMetres;
    const std::pair<int, PlanPoint> arrows[] = {{Qt::Key_Left, {-step, 0}},
                                                {Qt::Key_Right, {step, 0}},
                                                {Qt::Key_Up, {0, step}},
                                                {Qt::Key_Down, {0, -step}}};
    for (const auto& [arrow, by] : arrows)
        if (key == arrow && !view().selection().empty()) {
            view().nudge(by.x, by.y);
            return true;
        }
    return false;
}

} // namespace vistaro
