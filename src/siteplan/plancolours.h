// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/levels.h"

#include <QColor>
#include <QRgb>

namespace vistaro {

// The plan's colours, the same on screen, in the report and in the drawings it exports; the
// bands take the levels' colours (levelColour).
inline constexpr QRgb WallColour = 0xff404040;
// The site boundary: a dash-dot line, as a property line is drawn.
inline constexpr QRgb BoundaryColour = 0xff009e73;
// Okabe and Ito's blue and reddish purple, apart from the bands' colours.
inline constexpr QRgb CoveredColour = 0x800072b2;
inline constexpr QRgb UncoveredColour = 0xffcc79a7;
inline constexpr int BandAlpha = 150;

inline QColor levelQColor(Level level, int alpha = 255) {
    QColor colour = QColor::fromRgba(levelColour(level));
    colour.setAlpha(alpha);
    return colour;
}

} // namespace vistaro
