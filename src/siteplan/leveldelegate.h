// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/levels.h"

#include <QStyledItemDelegate>

namespace vistaro {

// Edits a table's level column with a list of the level names of `levels`, the site's set, which
// outlives it; the model takes the level's index in it.
class LevelDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    LevelDelegate(const LevelSet& levels, QObject* parent)
        : QStyledItemDelegate(parent), m_levels(levels) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    const LevelSet& m_levels;
};

} // namespace vistaro
