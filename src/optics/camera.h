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

// The picture the camera delivers, in pixels; pixels are square but for the analog formats
// (see isAnalogFormat).
struct ImageSize {
    int columns = 0;
    int rows = 0;

    bool operator==(const ImageSize&) const = default;
};

// Where a preset's size comes from: the nominal size of its inch format (the tube-era
// convention that the calculator's formats follow, larger than most real sensors of that name),
// or the active area that sensors sold under the name typically have. A pixel size times the
// resolution, where the user knows them, is the active area itself.
enum class SizeSource { NominalFormat, TypicalActiveArea };

struct SensorPreset {
    const char* name; // as the trade writes it, e.g. 1/2.8"
    SensorSize size;
    SizeSource source;
};

// The calculator's five formats first (4:3, width = 4/3 x height), then the common formats of
// today's cameras.
std::span<const SensorPreset> sensorPresets();

// Common camera resolutions, smallest first.
std::span<const ImageSize> resolutionPresets();

// The preset of one of the calculator's five formats.
const SensorPreset& formatPreset(SensorFormat format);

// The size of one of the calculator's five formats.
SensorSize sensorOfFormat(SensorFormat format);

// The sensor of a pixel size in micrometres and a resolution; none when either is not a
// positive finite size.
std::optional<SensorSize> sensorOfPixels(double pixelMicrometres, ImageSize image);

// 720 x 576, 704 x 576, 720 x 480 and 704 x 480: the digitised analog video formats, 4:3
// pictures of pixels that are not square.
bool isAnalogFormat(ImageSize image);

// The part of the sensor that the picture covers: the largest centred area of the picture's
// shape. A 16:9 picture spans a 4:3 sensor's width and loses top and bottom; a 4:3 picture on
// a 16:9 sensor loses the sides; an analog format is 4:3 whatever its pixels.
SensorSize imagedArea(SensorSize sensor, ImageSize image);

// Equal but for the rounding of the arithmetic that made them.
bool sameSize(SensorSize a, SensorSize b);

// The camera whose coverage is worked out: sensor and picture.
struct Camera {
    SensorSize sensor;
    ImageSize image;

    bool operator==(const Camera&) const = default;
};

// The width of one pixel in micrometres: the imaged width over the columns.
double pixelPitch(const Camera& camera);

// The diagonal of a sensor in mm.
double diagonalMm(SensorSize size);

// A lens made for the format `largest` draws an image circle as wide as that format's diagonal:
// it covers a sensor whose diagonal is no longer (but for the rounding of the arithmetic).
bool formatCovers(SensorFormat largest, SensorSize sensor);

} // namespace vistaro
