// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/coveragefields.h"

#include "optics/coverageformat.h"
#include "optics/units.h"

#include <algorithm>

namespace vistaro {

namespace {

// Reads `text` into `kept` when it reads well; notes the first problem otherwise.
template <typename Number>
void readInto(Number& kept, const QString& text, Quantity quantity,
              std::optional<Problem>& problem) {
    const Reading reading = readNumber(text, quantity);
    if (reading.value)
        kept = static_cast<Number>(*reading.value);
    else if (!problem)
        problem = reading.problem;
}

// The height a field shows: the kept one while the field shows it as heightText does.
Reading readHeight(const QString& text, double keptM, Quantity quantity, Units units) {
    return text == heightText(keptM, units) ? checked(keptM, quantity)
                                            : readNumber(text, quantity, units);
}

} // namespace

QString heightText(double metres, Units units) {
    return CoverageText::number(toUnits(metres, units), units == Units::Imperial ? 2 : 3);
}

FieldsRead readFields(CoverageInputs& inputs, const CoverageFields& fields, bool customResolution,
                      SensorFormat calculatorFormat) {
    std::optional<Problem> problem;
    if (inputs.sensorSource == SensorSource::Custom) {
        readInto(inputs.customSensor.widthMm, fields.sensorWidthMm, Quantity::SensorWidth, problem);
        readInto(inputs.customSensor.heightMm, fields.sensorHeightMm, Quantity::SensorHeight,
                 problem);
    }
    if (inputs.sensorSource == SensorSource::PixelSize)
        readInto(inputs.pixelMicrometres, fields.pixelMicrometres, Quantity::PixelSize, problem);
    if (customResolution) {
        readInto(inputs.image.columns, fields.columns, Quantity::Columns, problem);
        readInto(inputs.image.rows, fields.rows, Quantity::Rows, problem);
    }
    FieldsRead read;
    read.mountHeightM =
        readHeight(fields.mountHeight, inputs.mountHeightM, Quantity::MountHeight, inputs.units);
    read.targetHeightM =
        readHeight(fields.targetHeight, inputs.targetHeightM, Quantity::TargetHeight, inputs.units);
    if (read.mountHeightM.value)
        inputs.mountHeightM = *read.mountHeightM.value;
    if (read.targetHeightM.value)
        inputs.targetHeightM = *read.targetHeightM.value;
    read.aim = inputs.aim;
    read.projection = inputs.lens.projection;
    if (inputs.lens.datasheetAngleHDeg)
        read.datasheetAngleDeg = checked(*inputs.lens.datasheetAngleHDeg, Quantity::DatasheetAngle);
    read.fNumber = checked(inputs.fNumber, Quantity::FNumber);
    read.confusionPixels = checked(inputs.confusionPixels, Quantity::Confusion);
    if (inputs.aim == Aim::Tilt) {
        read.tiltDeg = readNumber(fields.tiltDeg, Quantity::Tilt);
        if (read.tiltDeg.value)
            inputs.tiltDeg = *read.tiltDeg.value;
    }
    if (problem) {
        read.cameraProblem = *problem;
        return read;
    }
    read.camera = cameraOf(inputs, calculatorFormat);
    // A pixel size times a resolution can make a sensor larger or smaller than any there is.
    read.cameraProblem = {Quantity::SensorWidth, Fault::TooLarge};
    if (!read.camera)
        return read;
    const auto [smaller, larger] =
        std::minmax(read.camera->sensor.widthMm, read.camera->sensor.heightMm);
    if (smaller < smallestOf(Quantity::SensorWidth))
        read.cameraProblem.fault = Fault::TooSmall;
    else if (larger <= largestOf(Quantity::SensorWidth))
        return read;
    read.camera.reset();
    return read;
}

CoverageQuery queryOf(const FieldsRead& fields, const LevelSet& levelSet, Level level,
                      const QString& focalText, const QString& distanceText) {
    return {fields.camera,
            fields.cameraProblem,
            readNumber(focalText, Quantity::Focal),
            readNumber(distanceText, Quantity::Distance),
            fields.mountHeightM,
            fields.targetHeightM,
            levelSet,
            level,
            fields.aim,
            fields.tiltDeg,
            fields.projection,
            fields.datasheetAngleDeg,
            fields.fNumber,
            fields.confusionPixels};
}

} // namespace vistaro
