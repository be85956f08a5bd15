// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/siteundo.h"

#include <algorithm>

namespace vistaro {

namespace {

enum CommandId { ItemGesture = 1, BackgroundGesture };

} // namespace

SetItemCommand::SetItemCommand(SiteDocument& document, const ItemRef& ref, SiteItem after,
                               const QString& text, int gesture)
    : QUndoCommand(text), m_document(document), m_ref(ref), m_before(document.item(ref)),
      m_after(std::move(after)), m_gesture(gesture) {}

void SetItemCommand::undo() {
    m_document.setItem(m_ref, m_before);
}

void SetItemCommand::redo() {
    m_document.setItem(m_ref, m_after);
}

int SetItemCommand::id() const {
    return m_gesture != 0 ? ItemGesture : -1;
}

bool SetItemCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const SetItemCommand*>(other);
    if (next->m_gesture != m_gesture || next->m_ref != m_ref)
        return false;
    m_after = next->m_after;
    return true;
}

InsertItemsCommand::InsertItemsCommand(SiteDocument& document,
                                       std::vector<std::pair<ItemRef, SiteItem>> items,
                                       Direction direction, const QString& text)
    : QUndoCommand(text), m_document(document), m_items(std::move(items)), m_direction(direction) {
    std::sort(m_items.begin(), m_items.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
}

void InsertItemsCommand::insert() {
    for (const auto& [ref, item] : m_items)
        m_document.insertItem(ref, item);
}

void InsertItemsCommand::remove() {
    for (auto it = m_items.rbegin(); it != m_items.rend(); ++it)
        m_document.removeItem(it->first);
}

void InsertItemsCommand::undo() {
    m_direction == Direction::Insert ? remove() : insert();
}

void InsertItemsCommand::redo() {
    m_direction == Direction::Insert ? insert() : remove();
}

SetBackgroundCommand::SetBackgroundCommand(SiteDocument& document,
                                           std::optional<SiteBackground> after, const QString& text,
                                           int gesture)
    : QUndoCommand(text), m_document(document), m_before(document.site().background),
      m_after(std::move(after)), m_gesture(gesture) {}

void SetBackgroundCommand::undo() {
    m_document.setBackground(m_before);
}

void SetBackgroundCommand::redo() {
    m_document.setBackground(m_after);
}

int SetBackgroundCommand::id() const {
    return m_gesture != 0 ? BackgroundGesture : -1;
}

bool SetBackgroundCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const SetBackgroundCommand*>(other);
    if (next->m_gesture != m_gesture)
        return false;
    m_after = next->m_after;
    return true;
}

} // namespace vistaro
