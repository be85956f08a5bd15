// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/planview.h"
#include "siteplan/tools/plantool.h"

#include <QKeyEvent>
#include <QPainter>
#include <cmath>

namespace vistaro {

QString PlanView::keysHelp() {
    return tr("Tab selects the next item, Ctrl+Tab leaves the plan; the arrows move the "
              "selection (Shift: ten times as far); [ and ] or Ctrl+Left and Ctrl+Right turn a "
              "camera (Shift: 45\u00b0); , and . pick a point of a wall or an area, which the "
              "arrows then move and Delete removes; Esc drops the point.");
}

void PlanView::describeKeys() {
    setAccessibleDescription(keysHelp());
    setToolTip(keysHelp());
    setWhatsThis(keysHelp());
}

// Tab is the active tool's first, as the other keys are; past the last item, or where the tool
// does not take it, it leaves the plan with the selection kept.
bool PlanView::focusNextPrevChild(bool next) {
    const QKeyEvent tab(QEvent::KeyPress, next ? Qt::Key_Tab : Qt::Key_Backtab,
                        next ? Qt::NoModifier : Qt::ShiftModifier);
    return (hasFocus() && m_tool->key(tab)) || QGraphicsView::focusNextPrevChild(next);
}

bool PlanView::tabToItem(bool next) {
    std::vector<ItemRef> refs;
    for (const ItemKind kind : ItemKinds)
        for (int i = 0; i < m_document.count(kind); ++i)
            if (const PlanItem* item = itemOf({kind, i}); item && item->isVisible())
                refs.push_back({kind, i});
    const std::vector<ItemRef> selected = selection();
    const bool fromStart = std::exchange(m_enteredByTab, false);
    const auto at = selected.size() == 1 && !fromStart
                        ? std::find(refs.cbegin(), refs.cend(), selected.front())
                        : refs.cend();
    const std::ptrdiff_t count = std::ssize(refs);
    const std::ptrdiff_t index =
        at == refs.cend() ? (next ? 0 : count - 1) : (at - refs.cbegin()) + (next ? 1 : -1);
    if (index < 0 || index >= count)
        return false;
    const ItemRef ref = refs[static_cast<std::size_t>(index)];
    stepPickedPoint(0);
    select({ref});
    itemOf(ref)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void PlanView::focusInEvent(QFocusEvent* event) {
    m_enteredByTab =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    QGraphicsView::focusInEvent(event);
    viewport()->update();
}

void PlanView::focusOutEvent(QFocusEvent* event) {
    QGraphicsView::focusOutEvent(event);
    viewport()->update();
}

// A frame round the plan while it has the keyboard; the selected items show their own.
void PlanView::drawForeground(QPainter* painter, const QRectF& rect) {
    QGraphicsView::drawForeground(painter, rect);
    if (!hasFocus())
        return;
    painter->save();
    painter->resetTransform();
    painter->setPen(QPen(palette().color(QPalette::Highlight), 3));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(viewport()->rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    painter->restore();
}

void PlanView::turnSelection(double degrees) {
    const int gesture = m_edits.startGesture();
    for (const ItemRef& ref : selection())
        if (ref.kind == ItemKind::Camera) {
            auto camera = std::get<SiteCamera>(m_document.item(ref));
            camera.panDeg = std::fmod(std::fmod(camera.panDeg + degrees, 360) + 360, 360);
            m_edits.changeItem(ref, camera, gesture);
        }
}

void PlanView::stepPickedPoint(int step) {
    const std::vector<ItemRef> selected = selection();
    if (auto* item = pickedItem())
        item->showPicked(std::nullopt);
    if (step == 0 || selected.size() != 1 || selected.front().kind == ItemKind::Camera) {
        m_pickedPoint.reset();
        return;
    }
    auto* item = static_cast<PolyItem*>(itemOf(selected.front()));
    const auto count = static_cast<std::ptrdiff_t>(item->points().size());
    const std::ptrdiff_t from = m_pickedPoint && m_pickedOf == selected.front()
                                    ? static_cast<std::ptrdiff_t>(*m_pickedPoint) + step
                                    : (step > 0 ? 0 : count - 1);
    m_pickedOf = selected.front();
    m_pickedPoint = static_cast<std::size_t>((from % count + count) % count);
    item->showPicked(m_pickedPoint);
}

std::optional<std::size_t> PlanView::pickedPoint() const {
    return pickedItem() ? m_pickedPoint : std::nullopt;
}

// The picked point holds only while its item is the one selected and still has it.
PolyItem* PlanView::pickedItem() const {
    const std::vector<ItemRef> selected = selection();
    if (!m_pickedPoint || selected.size() != 1 || selected.front() != m_pickedOf)
        return nullptr;
    auto* item = static_cast<PolyItem*>(itemOf(m_pickedOf));
    return item && *m_pickedPoint < item->points().size() ? item : nullptr;
}

void PlanView::nudge(double dx, double dy) {
    PolyItem* item = pickedItem();
    if (!item) {
        emit nudged(dx, dy);
        return;
    }
    PlanPoint moved = item->points().at(*m_pickedPoint);
    moved.x += dx;
    moved.y += dy;
    item->movePoint(*m_pickedPoint, moved, m_edits.startGesture());
}

bool PlanView::deletePickedPoint() {
    PolyItem* item = pickedItem();
    if (!item)
        return false;
    const std::size_t point = *m_pickedPoint;
    if (item->removePoint(point, m_edits.startGesture())) {
        m_pickedPoint = std::min(point, item->points().size() - 1);
        item->showPicked(m_pickedPoint);
    }
    return true;
}

} // namespace vistaro
