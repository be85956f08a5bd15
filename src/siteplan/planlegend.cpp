// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/planlegend.h"

#include "siteplan/sitedrawings.h"

#include <QPainter>
#include <QPixmap>

namespace vistaro {

namespace {

constexpr int SwatchPixels = 16;

} // namespace

PlanLegend::PlanLegend(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("PlanLegendList"));
    setIconSize(QSize(SwatchPixels, SwatchPixels));
    setSelectionMode(NoSelection);
    setFocusPolicy(Qt::StrongFocus);
}

void PlanLegend::showEntries(const std::vector<LegendEntry>& entries) {
    clear();
    for (const LegendEntry& entry : entries) {
        QPixmap swatch(SwatchPixels * devicePixelRatio(), SwatchPixels * devicePixelRatio());
        swatch.setDevicePixelRatio(devicePixelRatio());
        swatch.fill(Qt::white);
        QPainter painter(&swatch);
        painter.setRenderHint(QPainter::Antialiasing);
        paintLegendSwatch(painter, entry, QRectF(2, 2, SwatchPixels - 4, SwatchPixels - 4));
        painter.end();
        addItem(new QListWidgetItem(QIcon(swatch), entry.text));
    }
}

} // namespace vistaro
