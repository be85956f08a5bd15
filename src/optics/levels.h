// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/camera.h"

#include <QtCore/qnamespace.h>
#include <array>
#include <cstdint>
#include <optional>

namespace vistaro {

// The observation levels of EN 62676-4, lowest first.
enum class Level { Detection, Observation, Recognition, Identification };

inline constexpr std::array<Level, 4> AllLevels{Level::Detection, Level::Observation,
                                                Level::Recognition, Level::Identification};

// Each level's colour in every drawing, 0xAARRGGBB: Okabe and Ito's colours, told apart with every
// common colour-blindness, from detection to identification.
inline constexpr std::array<std::uint32_t, 4> LevelColours{0xff56b4e9, 0xff009e73, 0xffe69f00,
                                                           0xffd55e00};
// Each level's hatching over its colour, lines denser from detection up, so that the bands
// also read apart in greyscale, where detection and recognition look alike.
inline constexpr std::array<Qt::BrushStyle, 4> LevelHatches{Qt::NoBrush, Qt::HorPattern,
                                                            Qt::BDiagPattern, Qt::CrossPattern};

// The pixel density a level needs on the target, in pixels a metre: 25, 62.5, 125 and 250.
double levelDensity(Level level);

// Pixels a metre across the scene at distance D (m) with focal length f (mm): the columns over
// the scene width D x w / f, with w the imaged width. None when an input is not a positive
// finite number or the result is not finite.
std::optional<double> pixelDensity(const Camera& camera, double focalMm, double distanceM);

// Whether a density meets a level. A density that misses it by rounding only (a focal length
// worked out for exactly this level) meets it.
bool meetsLevel(double pixelsPerMetre, Level level);

// The highest level a density meets; none below detection.
std::optional<Level> levelReached(double pixelsPerMetre);

// The farthest distance (m) at which a level is met: f x columns / (level x w).
std::optional<double> levelDistance(const Camera& camera, double focalMm, Level level);

// The focal length (mm) that meets a level at distance D: level x D x w / columns.
std::optional<double> neededFocal(const Camera& camera, double distanceM, Level level);

} // namespace vistaro
