// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/sensorformat.h"

#include <QString>
#include <optional>
#include <span>

namespace vistaro {

// The light-sensitive area of a sensor, in millimetres.
struct SensorSize {
    double widthMm = 0;
    double heightMm = 0;

    bool operator==(const SensorSize&) const = default;
};

// The picture the camera delivers, in pixels; pixels are square.
struct ImageSize {
    int columns = 0;
    int rows = 0;

    bool operator==(const ImageSize&) const = default;
};

struct SensorPreset {
    const char* name; // as the trade writes it, e.g. 1/2.8"
    SensorSize size;
};

// The calculator's five formats first (4:3, width = 4/3 x height), then the common formats of
// today's cameras.
std::span<const SensorPreset> sensorPresets();

// Common camera resolutions, smallest first.
std::span<const ImageSize> resolutionPresets();

// The size of one of the calculator's five formats.
SensorSize sensorOfFormat(SensorFormat format);

// The sensor of a pixel size in micrometres and a resolution; none when either is not a
// positive finite size.
std::optional<SensorSize> sensorOfPixels(double pixelMicrometres, ImageSize image);

// The part of the sensor that the picture covers: the largest area of the picture's aspect
// that fits. A 16:9 picture spans a 4:3 sensor's width and is cropped top and bottom.
SensorSize imagedArea(SensorSize sensor, ImageSize image);

// The camera whose coverage is worked out: sensor and picture.
struct Camera {
    SensorSize sensor;
    ImageSize image;

    bool operator==(const Camera&) const = default;
};

} // namespace vistaro
