// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/accessibility.h"

#include <QLabel>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace vistaro {

namespace {

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

void nameFigure(QLabel* figure, const QString& name) {
    figure->setAccessibleName(name);
    describeFigure(figure);
}

void describeFigure(QLabel* label) {
    if (!label->accessibleName().isEmpty() && label->accessibleDescription() != label->text())
        label->setAccessibleDescription(label->text());
}

} // namespace vistaro
