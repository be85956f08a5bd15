// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/levels.h"

#include <QColor>
#include <QPen>
#include <QRgb>

namespace vistaro {

// The plan's colours, the same on screen, in the report and in the drawings it exports; the
// bands take the levels' colours (levelColour).
inline constexpr QRgb WallColour = 0xff404040;
inline constexpr QRgb ObstacleColour = 0xff808080; // outlined and hatched
// The site boundary: a dash-dot line, as a property line is drawn.
inline constexpr QRgb BoundaryColour = 0xff009e73;
// Okabe and Ito's blue and reddish purple, apart from the bands' colours.
inline constexpr QRgb CoveredColour = 0x800072b2;
inline constexpr QRgb UncoveredColour = 0xffcc79a7;
inline constexpr int BandAlpha = 150;
// An area's outline: Okabe and Ito's bluish green and solid when it is met, their vermillion and
// dashed when not, so that a grey print tells them apart too.
inline constexpr QRgb MetColour = 0xff009e73;
inline constexpr QRgb NotMetColour = 0xffd55e00;

inline QPen areaOutline(bool met, qreal width) {
    return QPen(QColor::fromRgba(met ? MetColour : NotMetColour), width,
                met ? Qt::SolidLine : Qt::DashLine);
}

inline QColor levelQColor(Level level, int alpha = 255) {
    QColor colour = QColor::fromRgba(levelColour(level));
    colour.setAlpha(alpha);
    return colour;
}

} // namespace vistaro
