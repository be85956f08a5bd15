// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/site.h"

#include <QCoreApplication>
#include <QString>

class QKeyEvent;

namespace vistaro {

class PlanView;

// What a click, a drag or a key on the plan does while the tool is the plan's active one. The
// view keeps what every tool shares (the wheel's zoom, panning, Ctrl+Tab) and hands the rest
// to the tool at the point of the plan in metres; a tool that does not take an event leaves it
// to the view's own handling (selecting, dragging items, the rubber band).
class PlanTool {
    Q_DECLARE_TR_FUNCTIONS(vistaro::PlanTool)

public:
    explicit PlanTool(PlanView& view) : m_view(view) {}
    PlanTool(const PlanTool&) = delete;
    PlanTool& operator=(const PlanTool&) = delete;
    virtual ~PlanTool() = default;

    // Each is true when the tool took the event.
    virtual bool press(const PlanPoint&, Qt::MouseButton) { return false; }
    virtual bool move(const PlanPoint&) { return false; }
    virtual bool release(const PlanPoint&, Qt::MouseButton) { return false; }
    virtual bool doubleClick(const PlanPoint&) { return false; }
    // A point placed by other means than a click: typed, or by the keyboard.
    virtual void place(const PlanPoint&) {}
    // Tab and Shift+Tab come here too, as the view is asked to move the focus.
    virtual bool key(const QKeyEvent&) { return false; }
    // On becoming the active tool, and on leaving it (or starting afresh): anything half done
    // is dropped.
    virtual void activate() {}
    virtual void deactivate() {}
    // What the status bar says while the tool is active; empty for none.
    virtual QString hint() const = 0;
    virtual Qt::CursorShape cursor() const { return Qt::CrossCursor; }

protected:
    PlanView& view() const { return m_view; }

private:
    PlanView& m_view;
};

} // namespace vistaro
