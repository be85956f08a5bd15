// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coverage/coverageview.h"

#include <QPainter>

namespace vistaro {

CoverageView::CoverageView(Paint paint, QWidget* parent) : QWidget(parent), m_paint(paint) {
    setMinimumSize(320, 170);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CoverageView::setModel(const ViewModel& model) {
    if (model == m_model)
        return;
    m_model = model;
    update();
}

void CoverageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_paint(painter, rect(), m_model);
}

} // namespace vistaro
