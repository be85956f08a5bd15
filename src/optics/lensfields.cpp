// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/lensfields.h"

#include "optics/coverageformat.h"
#include "platform/numberformat.h"

#include <cmath>

namespace vistaro {

namespace {

// `text` read as `quantity` into `kept` when it reads well.
Reading readKept(double& kept, const QString& text, Quantity quantity) {
    const Reading reading = readNumber(text, quantity);
    if (reading.value)
        kept = *reading.value;
    return reading;
}

} // namespace

void readLensFields(CoverageInputs& inputs, const LensFields& fields,
                    std::optional<double> catalogueFNumber, FieldsRead& read) {
    read.projection = inputs.lens.projection;
    read.datasheetAngleDeg.reset();
    if (fields.datasheetAngle.trimmed().isEmpty()) {
        inputs.lens.datasheetAngleHDeg.reset();
    } else {
        read.datasheetAngleDeg = readNumber(fields.datasheetAngle, Quantity::DatasheetAngle);
        if (read.datasheetAngleDeg->value)
            inputs.lens.datasheetAngleHDeg = read.datasheetAngleDeg->value;
    }
    read.fNumber = catalogueFNumber ? checked(*catalogueFNumber, Quantity::FNumber)
                                    : readKept(inputs.fNumber, fields.fNumber, Quantity::FNumber);
    read.confusionPixels =
        readKept(inputs.confusionPixels, fields.confusionPixels, Quantity::Confusion);
}

std::optional<double> catalogueFNumber(const QString& fStop) {
    const std::optional<double> value = num::toDouble(fStop.trimmed());
    return value ? checked(*value, Quantity::FNumber).value : std::nullopt;
}

QString LensText::projectionName(Projection projection) {
    switch (projection) {
    case Projection::Rectilinear:
        return tr("Rectilinear (pinhole)");
    case Projection::Equidistant:
        return tr("Equidistant fisheye (r = f\u00b7\u03b8)");
    case Projection::Equisolid:
        return tr("Equisolid fisheye (r = 2f\u00b7sin \u03b8/2)");
    case Projection::Stereographic:
        return tr("Stereographic (r = 2f\u00b7tan \u03b8/2)");
    case Projection::Orthographic:
        return tr("Orthographic (r = f\u00b7sin \u03b8)");
    }
    return {};
}

QString LensText::activeArea(const CoverageInputs& inputs, const Camera& camera,
                             SensorFormat calculatorFormat) {
    const SensorSize& sensor = camera.sensor;
    const QString area =
        tr("Active area %1, diagonal %2 mm.")
            .arg(CoverageText::millimetres(sensor), CoverageText::diagonal(sensor));
    switch (inputs.sensorSource) {
    case SensorSource::Calculator:
    case SensorSource::Preset:
        break;
    case SensorSource::Custom:
        return area + u' ' + tr("As typed.");
    case SensorSource::PixelSize:
        return area + u' ' + tr("Pixel size x resolution: the sensor's own active area.");
    }
    const SensorPreset* preset = sensorPresetOf(inputs, calculatorFormat);
    if (!preset)
        return area;
    const QString name = QString::fromUtf8(preset->name);
    return area + u' ' +
           (preset->source == SizeSource::NominalFormat
                ? tr("Nominal format %1: the size of the format's name, not a measured active "
                     "area; type the pixel size where the datasheet gives it.")
                      .arg(name)
                : tr("Nominal format %1: the typical active area of sensors sold under it.")
                      .arg(name));
}

QString LensText::camera(const CoverageInputs& inputs, SensorFormat calculatorFormat) {
    const std::optional<Camera> camera = cameraOf(inputs, calculatorFormat);
    if (!camera)
        return tr("Camera: the coverage window's sensor or picture size cannot be used");
    const QString size = CoverageText::millimetres(camera->sensor);
    const SensorPreset* preset = sensorPresetOf(inputs, calculatorFormat);
    const QString sensor =
        preset ? QStringLiteral("%1 (%2)").arg(QString::fromUtf8(preset->name), size) : size;
    return tr("Camera: %1, %2 x %3").arg(sensor).arg(camera->image.columns).arg(camera->image.rows);
}

} // namespace vistaro
