// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/camera.h"

#include <array>
#include <cmath>

namespace vistaro {

namespace {

// Sizes that differ by less are the same size made by different arithmetic.
constexpr double RoundingMm = 1e-9;

constexpr SensorSize fourThirds(SensorFormat format) {
    return {sensorHeight(format) * 4 / 3, sensorHeight(format)};
}

constexpr std::array<SensorPreset, 9> Sensors{{
    {"1\"", fourThirds(SensorFormat::One), SizeSource::NominalFormat},
    {"2/3\"", fourThirds(SensorFormat::TwoThirds), SizeSource::NominalFormat},
    {"1/2\"", fourThirds(SensorFormat::Half), SizeSource::NominalFormat},
    {"1/3\"", fourThirds(SensorFormat::Third), SizeSource::NominalFormat},
    {"1/4\"", fourThirds(SensorFormat::Quarter), SizeSource::NominalFormat},
    {"1/1.8\"", {7.18, 5.32}, SizeSource::TypicalActiveArea},
    {"1/2.7\"", {5.37, 4.04}, SizeSource::TypicalActiveArea},
    {"1/2.8\"", {5.57, 3.13}, SizeSource::TypicalActiveArea},
    {"1/2.9\"", {5.12, 2.88}, SizeSource::TypicalActiveArea},
}};

constexpr std::array<ImageSize, 9> Resolutions{{
    {720, 576},
    {1280, 720},
    {1280, 960},
    {1920, 1080},
    {2560, 1440},
    {2688, 1520},
    {2592, 1944},
    {3840, 2160},
    {4000, 3000},
}};

} // namespace

std::span<const SensorPreset> sensorPresets() {
    return Sensors;
}

std::span<const ImageSize> resolutionPresets() {
    return Resolutions;
}

const SensorPreset& formatPreset(SensorFormat format) {
    // The calculator's five formats come first among the presets, in the same order.
    return Sensors[static_cast<std::size_t>(format)];
}

SensorSize sensorOfFormat(SensorFormat format) {
    return fourThirds(format);
}

std::optional<SensorSize> sensorOfPixels(double pixelMicrometres, ImageSize image) {
    if (!(pixelMicrometres > 0) || !std::isfinite(pixelMicrometres) || image.columns <= 0 ||
        image.rows <= 0)
        return std::nullopt;
    const SensorSize size{pixelMicrometres * image.columns / 1000,
                          pixelMicrometres * image.rows / 1000};
    if (!std::isfinite(size.widthMm) || !std::isfinite(size.heightMm))
        return std::nullopt;
    return size;
}

bool isAnalogFormat(ImageSize image) {
    return (image.columns == 720 || image.columns == 704) &&
           (image.rows == 576 || image.rows == 480);
}

SensorSize imagedArea(SensorSize sensor, ImageSize image) {
    if (image.columns <= 0 || image.rows <= 0)
        return sensor;
    const double aspect = isAnalogFormat(image) ? 3.0 / 4 : double(image.rows) / image.columns;
    const double heightAtFullWidth = sensor.widthMm * aspect;
    if (heightAtFullWidth <= sensor.heightMm)
        return {sensor.widthMm, heightAtFullWidth};
    return {sensor.heightMm / aspect, sensor.heightMm};
}

bool sameSize(SensorSize a, SensorSize b) {
    return std::abs(a.widthMm - b.widthMm) < RoundingMm &&
           std::abs(a.heightMm - b.heightMm) < RoundingMm;
}

double pixelPitch(const Camera& camera) {
    return imagedArea(camera.sensor, camera.image).widthMm / camera.image.columns * 1000;
}

double diagonalMm(SensorSize size) {
    return std::hypot(size.widthMm, size.heightMm);
}

bool formatCovers(SensorFormat largest, SensorSize sensor) {
    return diagonalMm(sensor) <= diagonalMm(sensorOfFormat(largest)) + RoundingMm;
}

} // namespace vistaro
