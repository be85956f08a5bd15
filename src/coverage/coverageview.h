// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "camerareport/coveragedrawing.h"

#include <QWidget>

namespace vistaro {

// A drawing of the coverage window on screen, painted by the code that prints it.
class CoverageView : public QWidget {
public:
    using Paint = void (*)(QPainter&, const QRectF&, const ViewModel&);

    CoverageView(Paint paint, QWidget* parent = nullptr);

    // Repaints only when the model changed, so an idle window costs nothing.
    void setModel(const ViewModel& model);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Paint m_paint;
    ViewModel m_model;
};

} // namespace vistaro
