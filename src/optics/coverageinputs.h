// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/sensorformat.h"
#include "optics/camera.h"
#include "optics/lensprojection.h"
#include "optics/levels.h"
#include "optics/units.h"

#include <QString>
#include <optional>

class QSettings;

namespace vistaro {

// Where the sensor size comes from.
enum class SensorSource {
    Calculator, // the format selected in the main window
    Preset,     // one of sensorPresets(), by name
    Custom,     // width and height typed in mm
    PixelSize,  // pixel size x resolution
};

// How the camera's tilt is given: so that its axis meets the target height at the distance, or
// as an angle typed in.
enum class Aim { Target, Tilt };

// What the coverage window asks besides the calculator's focal length and distance, as it is
// remembered between runs. Lengths are held in metres whatever the units on show.
struct CoverageInputs {
    SensorSource sensorSource = SensorSource::Calculator;
    QString sensorPreset = QStringLiteral("1/3\"");
    SensorSize customSensor{4.8, 3.6};
    double pixelMicrometres = 2.9;
    ImageSize image{1920, 1080};
    LevelSet levelSet = enLevels();
    PlateRule plate{}; // the rule of the number plates' set, when it is chosen or chosen again
    Level level = levelSet.defaultLevel;
    double mountHeightM = 3;
    double targetHeightM = 1.7;
    Units units = Units::Metric;
    Aim aim = Aim::Target;
    double tiltDeg = 10;        // down from the horizon
    LensModel lens{};           // a zoom's datasheet angle is that of its wide end
    double fNumber = 1.6;       // when the recommendation window shows no lens
    double confusionPixels = 2; // the circle of confusion, in pixel pitches

    bool operator==(const CoverageInputs&) const = default;
};

// Reads the inputs from the group "Coverage"; a value that is missing or cannot be read keeps
// its default, so a damaged file never stops the window from opening. A level set of the user's
// own is looked for among the sets saved in the same file.
CoverageInputs loadCoverageInputs(QSettings& settings);
void saveCoverageInputs(QSettings& settings, const CoverageInputs& inputs);

// The preset the sensor is: the calculator's format or the preset chosen by name; none for a
// size typed, one from the pixel size or a name that is no preset.
const SensorPreset* sensorPresetOf(const CoverageInputs& inputs, SensorFormat calculatorFormat);

// The camera the inputs describe with the calculator's format; none when the sensor or the
// picture is not a positive finite size.
std::optional<Camera> cameraOf(const CoverageInputs& inputs, SensorFormat calculatorFormat);

} // namespace vistaro
