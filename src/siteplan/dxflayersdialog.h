// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dxf/dxfdrawing.h"

#include <QDialog>
#include <QStringList>
#include <vector>

class QTableWidget;

namespace vistaro {

// A layer whose closed outlines become obstacles, between these heights above the floor.
struct LayerObstacles {
    QString name;
    double bottomM = 0;
    double topM = 0;

    bool operator==(const LayerObstacles&) const = default;
};

// What the layers dialog settles: the layers not drawn, those whose lines become walls and those
// whose closed outlines become obstacles.
struct LayerChoice {
    QStringList hidden;
    QStringList walls;
    std::vector<LayerObstacles> obstacles;

    bool operator==(const LayerChoice&) const = default;
};

// The layers of a DXF drawing, one a row with its entities, "shown", "use as walls" and "use as
// obstacles"; as it is accepted, the heights of each layer used as obstacles are asked once.
class DxfLayersDialog : public QDialog {
    Q_OBJECT

public:
    DxfLayersDialog(const DxfDrawing& drawing, const QStringList& hidden,
                    QWidget* parent = nullptr);

    QTableWidget& table() const { return *m_table; }
    LayerChoice choice() const;
    void accept() override;

private:
    QTableWidget* m_table;
    std::vector<LayerObstacles> m_obstacles; // as the heights were last asked
};

} // namespace vistaro
