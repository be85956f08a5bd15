// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/newcamera.h"

#include "optics/reading.h"

#include <cmath>
#include <numbers>

namespace vistaro {

SiteCamera cameraFromCalculator(const CalculatorReading& reading, const CoverageInputs& inputs,
                                const std::optional<QString>& lens, const LevelSet& siteLevels) {
    SiteCamera camera;
    if (const std::optional<Camera> own = cameraOf(inputs, reading.format))
        camera.camera = *own;
    camera.focalMm = readNumber(reading.focal1, Quantity::Focal).value.value_or(camera.focalMm);
    if (reading.zoom)
        camera.focalTeleMm = readNumber(reading.focal2, Quantity::Focal).value;
    camera.distanceM =
        readNumber(reading.distance1, Quantity::Distance).value.value_or(camera.distanceM);
    camera.lens = lens.value_or(QString());
    camera.level = carriedLevel(inputs.levelSet, inputs.level, siteLevels);
    camera.mountHeightM = inputs.mountHeightM;
    camera.targetHeightM = inputs.targetHeightM;
    camera.lensModel = inputs.lens;
    return camera;
}

CoverageInputs coverageInputsOf(const SiteCamera& camera, const LevelSet& levels,
                                CoverageInputs inputs) {
    inputs.sensorSource = SensorSource::Custom;
    inputs.customSensor = camera.camera.sensor;
    inputs.image = camera.camera.image;
    inputs.levelSet = levels;
    inputs.level = levels.clamp(camera.level);
    inputs.lens = camera.lensModel;
    inputs.mountHeightM = camera.mountHeightM;
    inputs.targetHeightM =
        camera.aim == Aim::Tilt
            ? camera.mountHeightM -
                  camera.distanceM * std::tan(camera.tiltDeg * std::numbers::pi / 180)
            : camera.targetHeightM;
    return inputs;
}

} // namespace vistaro
