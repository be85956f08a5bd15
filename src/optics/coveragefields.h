// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/sensorformat.h"
#include "optics/coverageinputs.h"
#include "optics/coverageresult.h"

#include <QString>

namespace vistaro {

// The texts of the coverage window's own number fields; lengths in the units on show.
struct CoverageFields {
    QString sensorWidthMm;
    QString sensorHeightMm;
    QString pixelMicrometres;
    QString columns;
    QString rows;
    QString mountHeight;
    QString targetHeight;
    QString tiltDeg;
};

// The fields as read: the camera (or the first field that stops it), the two heights and how
// the camera is aimed.
struct FieldsRead {
    std::optional<Camera> camera;
    Problem cameraProblem;
    Reading mountHeightM;
    Reading targetHeightM;
    Aim aim = Aim::Target;
    Reading tiltDeg; // with Aim::Tilt
    // The lens as the inputs hold it (see readLensFields for the fields that type it).
    Projection projection = Projection::Rectilinear;
    std::optional<Reading> datasheetAngleDeg{};
    Reading fNumber{};
    Reading confusionPixels{};
};

// A height in the units on show, to the unit's precision: a millimetre, or a hundredth of a foot.
QString heightText(double metres, Units units);

// Reads the fields that `inputs` uses (the custom sensor size, the pixel size, the columns and
// rows of a custom resolution, the heights, the tilt when aimed by it) and keeps in `inputs`
// every value that reads well; a field that does not keeps the value it had before. A height
// field that still shows the kept height (heightText) keeps it as it is: showing it rounded in
// feet and switching back never moves it.
FieldsRead readFields(CoverageInputs& inputs, const CoverageFields& fields, bool customResolution,
                      SensorFormat calculatorFormat);

// The query of one calculator row, from its stored focal length and distance texts.
CoverageQuery queryOf(const FieldsRead& fields, const LevelSet& levelSet, Level level,
                      const QString& focalText, const QString& distanceText);

} // namespace vistaro
