// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/camera.h"
#include "optics/units.h"

#include <QString>
#include <QtCore/qnamespace.h>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace vistaro {

// A level by its place in its set, lowest first.
using Level = std::size_t;

// What a set's levels are given in.
enum class LevelMeasure {
    Density,     // pixels a metre on the target
    ScreenShare, // the share of the picture's height a person of 1.6 m fills (1 is all of it)
    PlatePixels, // pixels across a number plate of the set's plate width
};

// One level of a set.
struct LevelSpec {
    QString key;      // stable within its set: what files store
    QString name;     // as shown; a built-in set's is the English text, translated on show
    double value = 0; // in the set's measure (px/ft for a set typed so)

    bool operator==(const LevelSpec&) const = default;
};

// A number plate and the pixels across it that make it readable.
struct PlateRule {
    double widthMm = 520; // the European plate; 305 mm in the United States
    double minimumPixels = 130;

    bool operator==(const PlateRule&) const = default;
};

// EN 62676-4's identification, and the screen shares' identify: the level asked for by default.
inline constexpr Level EnIdentification = 4;

inline constexpr double MaxPlateWidthMm = 10'000;
inline constexpr double MaxPlatePixels = 100'000;

// The levels a tender or a standard holds a design to, lowest first.
struct LevelSet {
    QString key;  // a built-in set's key, or "user:" and the name for a set of the user's own
    QString name; // as shown; a built-in set's is the English text, translated on show
    LevelMeasure measure = LevelMeasure::Density;
    double plateWidthMm = 0;   // with LevelMeasure::PlatePixels
    bool typedPerFoot = false; // a set of the user's own whose densities are typed in px/ft
    std::vector<LevelSpec> levels;
    // The level new cameras and areas ask for: identification where the set has it.
    Level defaultLevel = 0;

    bool operator==(const LevelSet&) const = default;

    bool builtIn() const { return !key.startsWith(QLatin1String(UserPrefix)); }
    // The units the set's densities are typed in.
    Units typedIn() const { return typedPerFoot ? Units::Imperial : Units::Metric; }
    std::size_t size() const { return levels.size(); }
    // The level that `key` names; none when the set has no such level.
    std::optional<Level> find(const QString& levelKey) const;
    // `level` when the set has it, else its highest.
    Level clamp(Level level) const { return std::min(level, std::max<std::size_t>(size(), 1) - 1); }

    static constexpr const char* UserPrefix = "user:";
};

// The one place that knows the built-in sets.
// EN 62676-4: monitor 12.5, detection 25, observation 62.5, recognition 125, identification 250,
// inspection 1000 px/m.
LevelSet enLevels();
// The share of the picture's height that a person of 1.6 m fills: monitor 5 %, detect 10 %,
// observe 25 %, recognise 50 %, identify 100 %, inspect 400 %.
LevelSet screenShareLevels();
// One level: a plate of the rule's width read with the rule's pixels across it.
LevelSet plateLevels(const PlateRule& rule);
// The three built-in sets, the plates by `plate`.
std::vector<LevelSet> builtInLevelSets(const PlateRule& plate);
// The sets to choose from: the built-in ones, then the user's own.
std::vector<LevelSet> offeredLevelSets(const PlateRule& plate, const std::vector<LevelSet>& own);
// The set of `sets` keyed `key`; EN 62676-4 when none is.
LevelSet levelSetByKey(const std::vector<LevelSet>& sets, const QString& key);

// The level of `to` that stands for `level` of `from`: the same place when both sets have as
// many levels (EN 62676-4 and the screen shares), else `to`'s default.
Level carriedLevel(const LevelSet& from, Level level, const LevelSet& to);

// A set of the user's own of that name, its levels ordered by density, asking for the highest by
// default: its key is made from the name.
LevelSet userLevelSet(const QString& name, std::vector<LevelSpec> levels, bool typedPerFoot);

// The pixels a metre each level of the set needs on the target of `camera`'s picture, lowest
// first: a screen share by the picture's rows (rows x share / 1.6 m), a plate by its width.
std::vector<double> levelDensities(const LevelSet& set, const Camera& camera);

// What one level of the set needs with `camera`'s picture (px/m); none when the set has no such
// level.
std::optional<double> levelDensity(const LevelSet& set, Level level, const Camera& camera);

// The colour of a level in every drawing, 0xAARRGGBB: Okabe and Ito's colours, told apart with
// every common colour-blindness, in steps of lightness that a grey print keeps apart, lightest
// at the lowest level; a set of more levels than colours starts again.
std::uint32_t levelColour(Level level);
// The dead zone's colour in every drawing: a dark grey, apart from every level's colour.
inline constexpr std::uint32_t DeadZoneColour = 0xff505050;
// The hatching over a level's colour, so that the bands also read apart where colours do not
// (a grey print, a screen without colour); a set of more levels than hatchings starts again.
Qt::BrushStyle levelHatch(Level level);

// Pixels a metre across the scene at distance D (m) with focal length f (mm): the columns over
// the scene width D x w / f, with w the imaged width. None when an input is not a positive
// finite number or the result is not finite.
std::optional<double> pixelDensity(const Camera& camera, double focalMm, double distanceM);

// Whether a density meets what a level needs (px/m). A density that misses it by rounding only (a
// focal length worked out for exactly this level) meets it.
bool meetsDensity(double pixelsPerMetre, double neededPerMetre);

// The highest level a density meets, of levels needing `densities`; none below the lowest.
std::optional<Level> levelReached(double pixelsPerMetre, const std::vector<double>& densities);

// The farthest distance (m) at which a density (px/m) is met: f x columns / (density x w).
std::optional<double> levelDistance(const Camera& camera, double focalMm, double neededPerMetre);

} // namespace vistaro
