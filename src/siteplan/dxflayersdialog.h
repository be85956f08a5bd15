// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dxf/dxfdrawing.h"

#include <QDialog>
#include <QStringList>

class QTableWidget;

namespace vistaro {

// What the layers dialog settles: the layers not drawn and those whose lines become walls.
struct LayerChoice {
    QStringList hidden;
    QStringList walls;

    bool operator==(const LayerChoice&) const = default;
};

// The layers of a DXF drawing, one a row with its entities, "shown" and "use as walls".
class DxfLayersDialog : public QDialog {
    Q_OBJECT

public:
    DxfLayersDialog(const DxfDrawing& drawing, const QStringList& hidden,
                    QWidget* parent = nullptr);

    QTableWidget& table() const { return *m_table; }
    LayerChoice choice() const;

private:
    QTableWidget* m_table;
};

} // namespace vistaro
