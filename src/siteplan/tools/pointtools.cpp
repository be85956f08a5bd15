// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "siteplan/tools/pointtools.h"

#include "siteplan/planview.h"

#include <QKeyEvent>
#include <QLocale>
#include <algorithm>

namespace vistaro {

bool startsFigure(const QKeyEvent& event) {
    const QString text = event.text();
    return !text.isEmpty() && (text.front().isDigit() || text.front() == u'.' ||
                               text.front() == QLocale().decimalPoint().front());
}

PointsTool::PointsTool(PlanView& view, std::size_t least, std::size_t most, Drawn drawn, Aids aids)
    : PlanTool(view), m_least(least), m_most(most), m_drawn(std::move(drawn)), m_aids(aids) {}

PlanPoint PointsTool::aided(const PlanPoint& at) const {
    if (m_aids == Aids::Off)
        return at;
    return view().aided(at, m_points.empty() ? std::nullopt : std::optional(m_points.back()));
}

void PointsTool::activate() {
    view().setDragMode(QGraphicsView::NoDrag);
}

void PointsTool::deactivate() {
    m_points.clear();
    view().showDraft({});
}

bool PointsTool::press(const PlanPoint& at, Qt::MouseButton button) {
    if (button != Qt::LeftButton)
        return false;
    place(aided(at));
    return true;
}

void PointsTool::place(const PlanPoint& at) {
    m_points.push_back(at);
    if (m_points.size() == m_most)
        finish();
    else
        showDraft(at);
}

bool PointsTool::move(const PlanPoint& at) {
    const PlanPoint cursor = aided(at);
    if (!m_points.empty())
        showDraft(cursor);
    return false;
}

bool PointsTool::doubleClick(const PlanPoint&) {
    if (m_most != 0)
        return false;
    finish();
    return true;
}

bool PointsTool::key(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Escape)
        view().setTool(nullptr);
    else if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        finish();
    else if (m_aids == Aids::On && !m_points.empty() && startsFigure(event))
        view().startTyping(event.text());
    else
        return false;
    return true;
}

void PointsTool::finish() {
    std::vector<PlanPoint> points = m_points;
    points.erase(std::unique(points.begin(), points.end()), points.end());
    if (points.size() < m_least)
        return;
    view().setTool(nullptr);
    m_drawn(points);
}

void PointsTool::showDraft(const PlanPoint& cursor) {
    std::vector<PlanPoint> draft = m_points;
    draft.push_back(cursor);
    view().showDraft(draft);
}

QString WallTool::hint() const {
    return PlanTool::tr("Click the wall's corners; double-click or Enter ends it, Esc cancels.");
}

QString AreaTool::hint() const {
    return PlanTool::tr("Click the area's corners; double-click or Enter closes it, Esc cancels.");
}

QString ObstacleTool::hint() const {
    return PlanTool::tr("Click the obstacle's corners, as seen from above; double-click or "
                        "Enter closes it, Esc cancels.");
}

QString BoundaryTool::hint() const {
    return PlanTool::tr("Click the corners of the site's boundary, which replaces the one "
                        "before; double-click or Enter closes it, Esc cancels.");
}

QString ScaleTool::hint() const {
    return PlanTool::tr("Click two points of the background whose distance you know; Esc cancels.");
}

void CameraTool::activate() {
    view().setDragMode(QGraphicsView::NoDrag);
}

bool CameraTool::press(const PlanPoint& at, Qt::MouseButton button) {
    if (button != Qt::LeftButton)
        return false;
    m_placed(view().aided(at));
    return true;
}

bool CameraTool::move(const PlanPoint& at) {
    view().aided(at);
    return false;
}

bool CameraTool::key(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Escape)
        view().setTool(nullptr);
    else if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        m_placed(view().aided(view().centre()));
    else
        return false;
    return true;
}

QString CameraTool::hint() const {
    return PlanTool::tr("Click where the camera goes; Enter puts one mid-view, Esc ends.");
}

} // namespace vistaro
