// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/levels.h"

#include "optics/reading.h"
#include "optics/units.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cmath>

namespace vistaro {

namespace {

// The height of the person a screen share is measured on.
constexpr double PersonHeightM = 1.6;

bool positive(double value) {
    return value > 0 && std::isfinite(value);
}

std::optional<double> finite(double value) {
    return std::isfinite(value) ? std::optional(value) : std::nullopt;
}

// The imaged width in mm, when the camera describes a real picture.
std::optional<double> imagedWidth(const Camera& camera) {
    if (camera.image.columns <= 0 || camera.image.rows <= 0 || !positive(camera.sensor.widthMm) ||
        !positive(camera.sensor.heightMm))
        return std::nullopt;
    return imagedArea(camera.sensor, camera.image).widthMm;
}

// A built-in set of six levels, from monitor to inspection, asking for the fifth by default;
// each level's key is its English name in lower case.
LevelSet sixLevels(const char* key, const char* name, LevelMeasure measure,
                   const std::array<const char*, 6>& names, const std::array<double, 6>& values) {
    LevelSet set{QLatin1String(key), QLatin1String(name), measure, 0, false, {}, EnIdentification};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const QString levelName = QLatin1String(names.at(i));
        set.levels.push_back({levelName.toLower(), levelName, values.at(i)});
    }
    return set;
}

} // namespace

std::optional<Level> LevelSet::find(const QString& levelKey) const {
    const auto found = std::find_if(levels.begin(), levels.end(),
                                    [&](const LevelSpec& level) { return level.key == levelKey; });
    return found == levels.end() ? std::nullopt
                                 : std::optional<Level>(Level(found - levels.begin()));
}

LevelSet enLevels() {
    return sixLevels("en62676-4", QT_TRANSLATE_NOOP("CoverageText", "EN 62676-4"),
                     LevelMeasure::Density,
                     {QT_TRANSLATE_NOOP("CoverageText", "Monitor"),
                      QT_TRANSLATE_NOOP("CoverageText", "Detection"),
                      QT_TRANSLATE_NOOP("CoverageText", "Observation"),
                      QT_TRANSLATE_NOOP("CoverageText", "Recognition"),
                      QT_TRANSLATE_NOOP("CoverageText", "Identification"),
                      QT_TRANSLATE_NOOP("CoverageText", "Inspection")},
                     {12.5, 25, 62.5, 125, 250, 1000});
}

LevelSet screenShareLevels() {
    return sixLevels("screen-height", QT_TRANSLATE_NOOP("CoverageText", "Share of screen height"),
                     LevelMeasure::ScreenShare,
                     {QT_TRANSLATE_NOOP("CoverageText", "Monitor"),
                      QT_TRANSLATE_NOOP("CoverageText", "Detect"),
                      QT_TRANSLATE_NOOP("CoverageText", "Observe"),
                      QT_TRANSLATE_NOOP("CoverageText", "Recognise"),
                      QT_TRANSLATE_NOOP("CoverageText", "Identify"),
                      QT_TRANSLATE_NOOP("CoverageText", "Inspect")},
                     {0.05, 0.1, 0.25, 0.5, 1, 4});
}

LevelSet plateLevels(const PlateRule& rule) {
    return {
        QStringLiteral("plates"),
        QLatin1String(QT_TRANSLATE_NOOP("CoverageText", "Number plates")),
        LevelMeasure::PlatePixels,
        rule.widthMm,
        false,
        {{QStringLiteral("plate"),
          QLatin1String(QT_TRANSLATE_NOOP("CoverageText", "Plate readable")), rule.minimumPixels}},
        0};
}

std::vector<LevelSet> builtInLevelSets(const PlateRule& plate) {
    return {enLevels(), screenShareLevels(), plateLevels(plate)};
}

std::vector<LevelSet> offeredLevelSets(const PlateRule& plate, const std::vector<LevelSet>& own) {
    std::vector<LevelSet> sets = builtInLevelSets(plate);
    sets.insert(sets.end(), own.begin(), own.end());
    return sets;
}

LevelSet levelSetByKey(const std::vector<LevelSet>& sets, const QString& key) {
    const auto found =
        std::find_if(sets.begin(), sets.end(), [&](const LevelSet& set) { return set.key == key; });
    return found == sets.end() ? enLevels() : *found;
}

Level carriedLevel(const LevelSet& from, Level level, const LevelSet& to) {
    return from.size() == to.size() ? to.clamp(level) : to.defaultLevel;
}

LevelSet userLevelSet(const QString& name, std::vector<LevelSpec> levels, bool typedPerFoot) {
    std::stable_sort(levels.begin(), levels.end(),
                     [](const LevelSpec& a, const LevelSpec& b) { return a.value < b.value; });
    const Level highest = levels.empty() ? 0 : levels.size() - 1;
    return {QLatin1String(LevelSet::UserPrefix) + name,
            name,
            LevelMeasure::Density,
            0,
            typedPerFoot,
            std::move(levels),
            highest};
}

std::vector<double> levelDensities(const LevelSet& set, const Camera& camera) {
    std::vector<double> densities;
    for (const LevelSpec& level : set.levels) {
        switch (set.measure) {
        case LevelMeasure::Density:
            densities.push_back(densityFromUnits(level.value, set.typedIn()));
            break;
        case LevelMeasure::ScreenShare:
            densities.push_back(camera.image.rows * level.value / PersonHeightM);
            break;
        case LevelMeasure::PlatePixels:
            densities.push_back(level.value / (set.plateWidthMm / 1000));
            break;
        }
    }
    return densities;
}

std::optional<double> levelDensity(const LevelSet& set, Level level, const Camera& camera) {
    const std::vector<double> densities = levelDensities(set, camera);
    return level < densities.size() ? std::optional(densities[level]) : std::nullopt;
}

std::uint32_t levelColour(Level level) {
    // Yellow, sky blue, bluish green, blue, a dark vermilion and a dark reddish purple: CIE
    // lightness 89, 70, 58, 46, 29 and 16.
    constexpr std::array<std::uint32_t, 6> Colours{0xfff0e442, 0xff56b4e9, 0xff009e73,
                                                   0xff0072b2, 0xff7a2c00, 0xff4b0055};
    return Colours.at(level % Colours.size());
}

Qt::BrushStyle levelHatch(Level level) {
    // Lines denser from the lowest level up.
    constexpr std::array<Qt::BrushStyle, 6> Hatches{Qt::NoBrush,      Qt::HorPattern,
                                                    Qt::VerPattern,   Qt::BDiagPattern,
                                                    Qt::CrossPattern, Qt::DiagCrossPattern};
    return Hatches.at(level % Hatches.size());
}

std::optional<double> pixelDensity(const Camera& camera, double focalMm, double distanceM) {
    const std::optional<double> width = imagedWidth(camera);
    if (!width || !positive(focalMm) || !positive(distanceM))
        return std::nullopt;
    // Grouped so that no intermediate overflows at absurd but finite distances.
    return finite(camera.image.columns / distanceM * (focalMm / *width));
}

bool meetsDensity(double pixelsPerMetre, double neededPerMetre) {
    constexpr double Rounding = 1e-9;
    return pixelsPerMetre >= neededPerMetre * (1 - Rounding);
}

std::optional<Level> levelReached(double pixelsPerMetre, const std::vector<double>& densities) {
    std::optional<Level> reached;
    for (Level level = 0; level < densities.size(); ++level) {
        if (meetsDensity(pixelsPerMetre, densities[level]))
            reached = level;
    }
    return reached;
}

std::optional<double> levelDistance(const Camera& camera, double focalMm, double neededPerMetre) {
    const std::optional<double> width = imagedWidth(camera);
    if (!width || !positive(focalMm) || !positive(neededPerMetre))
        return std::nullopt;
    return finite(focalMm * camera.image.columns / (neededPerMetre * *width));
}

} // namespace vistaro
