// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/accessibility.h"

#include <QEvent>
#include <QLabel>
#include <QPalette>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace vistaro {

namespace {

// As large as its column would be on its own, and at least as wide as its column needs beside
// a scroll bar; as high as a few lines at least.
class PanelScroller : public QScrollArea {
public:
    QSize minimumSizeHint() const override {
        return {widget()->minimumSizeHint().width() + verticalScrollBar()->sizeHint().width() +
                    2 * frameWidth(),
                QScrollArea::minimumSizeHint().height()};
    }
    QSize sizeHint() const override {
        return widget()->sizeHint().expandedTo(minimumSizeHint()) + QSize(0, 2 * frameWidth());
    }

protected:
    // A control shown or hidden in the column changes what it needs: the window lays out again.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget() && event->type() == QEvent::LayoutRequest)
            updateGeometry();
        return QScrollArea::eventFilter(watched, event);
    }
};

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double contrastRatio(const QColor& first, const QColor& second) {
    const double one = relativeLuminance(first);
    const double other = relativeLuminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

QColor readableOn(const QColor& hue, const QColor& background) {
    const bool lightBackground = relativeLuminance(background) > 0.18;
    QColor colour = hue.toHsl();
    // Lightness in small steps keeps the hue; black or white, at the end, always reads.
    for (int step = 0; step < 50 && contrastRatio(colour, background) < ReadableContrast; ++step)
        colour = lightBackground ? colour.darker(110) : colour.lighter(110);
    if (contrastRatio(colour, background) < ReadableContrast)
        return lightBackground ? QColor(Qt::black) : QColor(Qt::white);
    return colour.toRgb();
}

void setReadableTextColour(QWidget* widget, const QColor& hue) {
    QPalette palette = widget->palette();
    palette.setColor(widget->foregroundRole(),
                     readableOn(hue, palette.color(widget->backgroundRole())));
    widget->setPalette(palette);
}

QScrollArea* scrollingPanel(QWidget* panel) {
    auto* area = new PanelScroller;
    area->setObjectName(panel->objectName() + QStringLiteral("Scroller"));
    area->setWidget(panel);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The controls in it take the focus, and it scrolls to show them.
    area->setFocusPolicy(Qt::NoFocus);
    // The window's own background shows through.
    area->viewport()->setAutoFillBackground(false);
    panel->setAutoFillBackground(false);
    return area;
}

void nameFigure(QLabel* figure, const QString& name) {
    figure->setAccessibleName(name);
    describeFigure(figure);
}

void describeFigure(QLabel* label) {
    if (!label->accessibleName().isEmpty() && label->accessibleDescription() != label->text())
        label->setAccessibleDescription(label->text());
}

} // namespace vistaro
