// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/leveldelegate.h"

#include "optics/coverageformat.h"

#include <QComboBox>

namespace vistaro {

QWidget* LevelDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                     const QModelIndex&) const {
    auto* levels = new QComboBox(parent);
    levels->setObjectName(QStringLiteral("LevelEditor"));
    for (Level level = 0; level < m_levels.size(); ++level)
        levels->addItem(CoverageText::levelName(m_levels, level));
    return levels;
}

void LevelDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    static_cast<QComboBox*>(editor)->setCurrentIndex(index.data(Qt::EditRole).toInt());
}

void LevelDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                 const QModelIndex& index) const {
    model->setData(index, static_cast<QComboBox*>(editor)->currentIndex());
}

} // namespace vistaro
