// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/dxftextpainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <cmath>

namespace vistaro {

namespace {

// The width of a line that is not wrapped, in the font's pixels: beyond any label's.
constexpr double UnwrappedWidth = 1e7;

// How far down from the first base line the text's anchor lies, in the font's pixels.
double anchorBelowFirstBaseline(DxfVAlign align, const QFontMetricsF& metrics, double capHeight,
                                double lastBaseline) {
    switch (align) {
    case DxfVAlign::Baseline:
        return 0;
    case DxfVAlign::Top:
        return -capHeight;
    case DxfVAlign::Middle:
        return (lastBaseline - capHeight) / 2;
    case DxfVAlign::Bottom:
        return lastBaseline + metrics.descent();
    }
    return 0;
}

} // namespace

void paintDxfText(QPainter& painter, const DxfText& text, const QFont& font) {
    if (!(text.height > 0) || text.text.isEmpty())
        return;
    const QFontMetricsF metrics(font);
    const double capHeight = metrics.capHeight() > 0 ? metrics.capHeight() : metrics.ascent();
    const double scale = text.height / capHeight;
    const bool wrapped = text.wrapWidth > 0;
    const double lineWidth = wrapped ? text.wrapWidth / scale : UnwrappedWidth;
    if (!std::isfinite(scale) || !std::isfinite(lineWidth))
        return;

    QString lines = text.text;
    lines.replace(u'\n', QChar::LineSeparator);
    QTextLayout layout(lines, font);
    QTextOption option;
    option.setWrapMode(wrapped ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    // Line after line downwards from the first base line at 0.
    double baseline = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(lineWidth);
        const double width = line.naturalTextWidth();
        const double x = text.hAlign == DxfHAlign::Left     ? 0
                         : text.hAlign == DxfHAlign::Centre ? -width / 2
                                                            : -width;
        line.setPosition(QPointF(x, baseline - line.ascent()));
        baseline += metrics.lineSpacing();
    }
    layout.endLayout();
    const double lastBaseline = baseline - metrics.lineSpacing();

    painter.save();
    painter.translate(text.position.x(), -text.position.y());
    painter.rotate(-text.angleDeg);
    painter.scale(scale, scale);
    layout.draw(&painter, QPointF(0, -anchorBelowFirstBaseline(text.vAlign, metrics, capHeight,
                                                               lastBaseline)));
    painter.restore();
}

} // namespace vistaro
