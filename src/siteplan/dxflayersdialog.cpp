// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/dxflayersdialog.h"

#include "dxf/dxfsummary.h"
#include "siteplan/heightfields.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vistaro {

namespace {

enum Column { Name, Entities, Shown, Walls, Obstacles, ColumnCount };

QTableWidgetItem* checkItem(bool checked) {
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

QTableWidgetItem* textItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

// Asks between which heights the obstacles of `layer` block sight; none when cancelled.
std::optional<HeightSpan> askHeights(QWidget* parent, const QString& layer) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ObstacleHeights"));
    dialog.setWindowTitle(DxfLayersDialog::tr("Obstacles of layer %1").arg(layer));
    auto* form = new QFormLayout(&dialog);
    auto* heights = new HeightFields(*form, QStringLiteral("LayerObstacle"), false, &dialog);
    heights->present(HeightSpan{0, NewObstacleTopM}, Units::Metric);
    heights->retranslate();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return heights->span();
}

} // namespace

DxfLayersDialog::DxfLayersDialog(const DxfDrawing& drawing, const QStringList& hidden,
                                 QWidget* parent)
    : QDialog(parent), m_table(new QTableWidget(this)) {
    setObjectName(QStringLiteral("DxfLayers"));
    setWindowTitle(tr("Drawing layers"));
    m_table->setObjectName(QStringLiteral("DxfLayerTable"));
    m_table->setAccessibleName(tr("Drawing layers"));
    m_table->setColumnCount(ColumnCount);
    m_table->setHorizontalHeaderLabels(
        {tr("Layer"), tr("Entities"), tr("Shown"), tr("Use as walls"), tr("Use as obstacles")});
    m_table->verticalHeader()->hide();
    m_table->setTabKeyNavigation(false);
    const std::vector<int> counts = entitiesPerLayer(drawing);
    m_table->setRowCount(static_cast<int>(drawing.layers.size()));
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QString& name = drawing.layers.at(static_cast<std::size_t>(row)).name;
        m_table->setItem(row, Name, textItem(name));
        m_table->setItem(row, Entities,
                         textItem(QString::number(counts.at(static_cast<std::size_t>(row)))));
        m_table->setItem(row, Shown, checkItem(!hidden.contains(name, Qt::CaseInsensitive)));
        m_table->setItem(row, Walls, checkItem(false));
        m_table->setItem(row, Obstacles, checkItem(false));
    }
    m_table->resizeColumnsToContents();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    // What the plan leaves out, under the layers that it counts.
    const QString notDrawn = DxfSummary::notDrawn(drawing.notDrawn);
    if (!notDrawn.isEmpty()) {
        auto* label = new QLabel(notDrawn, this);
        label->setObjectName(QStringLiteral("DxfNotDrawn"));
        label->setAccessibleName(tr("Not drawn"));
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        label->setFocusPolicy(Qt::StrongFocus);
        layout->addWidget(label);
    }
    layout->addWidget(buttons);
}

LayerChoice DxfLayersDialog::choice() const {
    LayerChoice choice;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QString name = m_table->item(row, Name)->text();
        if (m_table->item(row, Shown)->checkState() != Qt::Checked)
            choice.hidden.append(name);
        if (m_table->item(row, Walls)->checkState() == Qt::Checked)
            choice.walls.append(name);
    }
    choice.obstacles = m_obstacles;
    return choice;
}

void DxfLayersDialog::accept() {
    m_obstacles.clear();
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (m_table->item(row, Obstacles)->checkState() != Qt::Checked)
            continue;
        const QString name = m_table->item(row, Name)->text();
        // Cancelled: back to the layers, which stay as they were ticked.
        const std::optional<HeightSpan> heights = askHeights(this, name);
        if (!heights)
            return;
        m_obstacles.push_back({name, heights->bottomM, heights->topM.value_or(heights->bottomM)});
    }
    QDialog::accept();
}

} // namespace vistaro
