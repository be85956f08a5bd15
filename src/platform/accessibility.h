// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QScrollArea;
class QWidget;

namespace vistaro {

// The contrast that normal text needs against its background (WCAG 2, level AA).
inline constexpr double ReadableContrast = 4.5;

// WCAG's relative luminance of a colour, 0 for black to 1 for white.
double relativeLuminance(const QColor& colour);
// (lighter + 0.05) / (darker + 0.05): 1 for two equal colours, 21 for black on white.
double contrastRatio(const QColor& first, const QColor& second);
// `hue`, darkened on a light background or lightened on a dark one until it reads against
// `background`.
QColor readableOn(const QColor& hue, const QColor& background);

// Shows the text of `widget` in `hue`, as far as it still reads against the widget's
// background in the palette on show.
void setReadableTextColour(QWidget* widget, const QColor& hue);

// A label that shows a figure: a screen reader says `name` (what it is) and then the text the
// label shows, the value with its unit, as its description; setTextIfChanged keeps that in step.
void nameFigure(QLabel* figure, const QString& name);
// The description of a figure follows its text; other labels speak their text anyway.
void describeFigure(QLabel* label);

// A column of controls that scrolls up and down when a large font makes it taller than the
// screen, as wide as its widest control.
QScrollArea* scrollingPanel(QWidget* panel);

} // namespace vistaro
