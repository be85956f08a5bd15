// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dxf/dxfdrawing.h"

#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <QStringList>
#include <vector>

class QPainter;

namespace vistaro {

// A DXF drawing made ready to draw: one path per layer, built once, so that a plan of a few
// hundred thousand entities draws in one call per layer. It draws in the background's pixels:
// drawing units with y turned over (see BackgroundScale).
class DxfPlan {
public:
    explicit DxfPlan(DxfDrawing drawing);

    const DxfDrawing& drawing() const { return m_drawing; }
    // The box around the whole drawing, every layer shown or not.
    QRectF rect() const { return m_rect; }
    // Draws the layers not named in `hidden` (compared ignoring case), each in its colour.
    void paint(QPainter& painter, const QStringList& hidden) const;

private:
    struct Layer {
        QString name;
        QColor colour;
        QPainterPath lines;
        std::vector<DxfText> texts;
    };

    DxfDrawing m_drawing;
    std::vector<Layer> m_layers;
    QRectF m_rect;
};

} // namespace vistaro
