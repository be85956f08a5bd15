// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "siteplan/tools/measuretool.h"

#include "optics/coverageformat.h"
#include "site/plancoordinates.h"
#include "siteplan/planview.h"
#include "siteplan/tools/pointtools.h"

#include <QKeyEvent>
#include <cmath>

namespace vistaro {

void MeasureTool::activate() {
    view().setDragMode(QGraphicsView::NoDrag);
}

void MeasureTool::deactivate() {
    m_from.reset();
    m_to.reset();
    view().showDraft({});
    view().showNote({}, {});
}

bool MeasureTool::press(const PlanPoint& at, Qt::MouseButton button) {
    if (button != Qt::LeftButton)
        return false;
    if (!m_from || m_to) {
        m_to.reset();
        m_from = view().aided(at);
        show(*m_from);
    } else {
        place(view().aided(at, m_from));
    }
    emit view().hintChanged();
    return true;
}

void MeasureTool::place(const PlanPoint& at) {
    if (!m_from || m_to)
        return;
    m_to = at;
    show(at);
    emit view().hintChanged();
}

bool MeasureTool::move(const PlanPoint& at) {
    if (m_from && !m_to)
        show(view().aided(at, m_from));
    else
        view().aided(at);
    return false;
}

bool MeasureTool::key(const QKeyEvent& event) {
    if (m_from && !m_to && startsFigure(event)) {
        view().startTyping(event.text());
        return true;
    }
    if (event.key() != Qt::Key_Escape)
        return false;
    if (m_from)
        deactivate();
    else
        view().setTool(nullptr);
    emit view().hintChanged();
    return true;
}

void MeasureTool::show(const PlanPoint& to) {
    view().showDraft({*m_from, to});
    view().showNote({(m_from->x + to.x) / 2, (m_from->y + to.y) / 2},
                    *m_from == to ? QString() : measured(to));
}

QString MeasureTool::measured(const PlanPoint& to) const {
    return PlanTool::tr("%1 at %2")
        .arg(CoverageText::length(std::hypot(to.x - m_from->x, to.y - m_from->y),
                                  view().document().site().units),
             CoverageText::angle(panTowards(*m_from, to)));
}

QString MeasureTool::hint() const {
    if (m_from && m_to)
        return PlanTool::tr("Measured: %1. Click to measure again, Esc clears.")
            .arg(measured(*m_to));
    return PlanTool::tr("Click two points to measure between them; Esc ends.");
}

} // namespace vistaro
