// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QWidget>

namespace vistaro {

// Layouts are measured in twips (1/1440 inch); a widget's logical DPI turns them into pixels,
// 15 twips a pixel at 96 DPI. Qt's high-DPI scaling does the rest.
constexpr int twipsToPixels(int twips, int dpi) {
    return (twips * dpi + 720) / 1440;
}

inline int twipsToPixels(int twips, const QWidget* widget) {
    return twipsToPixels(twips, widget ? widget->logicalDpiX() : 96);
}

inline QRect twipsRect(int left, int top, int width, int height, const QWidget* widget) {
    return {twipsToPixels(left, widget), twipsToPixels(top, widget), twipsToPixels(width, widget),
            twipsToPixels(height, widget)};
}

// Places `widget` at a position and size given in twips, relative to its parent.
inline void setTwipsGeometry(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twipsRect(left, top, width, height, widget));
}

} // namespace vistaro
