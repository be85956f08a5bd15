// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/coveragefields.h"
#include "optics/coverageinputs.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

namespace vistaro {

// The texts of the coverage window's lens fields.
struct LensFields {
    QString datasheetAngle; // empty: the field follows the focal length
    QString fNumber;
    QString confusionPixels;
};

// Reads the lens fields into `read` and keeps in `inputs` every value that reads well, as
// readFields does for the others; an F-number from the catalogue, when there is one, stands
// instead of the typed one (and is not remembered as typed).
void readLensFields(CoverageInputs& inputs, const LensFields& fields,
                    std::optional<double> catalogueFNumber, FieldsRead& read);

// The F-number of a catalogue's FStop field ("1.4", or "1,4" with decimal commas); none when it
// is no F-number.
std::optional<double> catalogueFNumber(const QString& fStop);

// The texts of the lens and the sensor's active area, in the regional number format.
class LensText {
    Q_DECLARE_TR_FUNCTIONS(LensText)

public:
    static QString projectionName(Projection projection);
    // The sensor's active area and diagonal, and where its size comes from: the nominal size of
    // an inch format, the typical active area of sensors of that format, the pixel size times
    // the resolution, or the size typed.
    static QString activeArea(const CoverageInputs& inputs, const Camera& camera,
                              SensorFormat calculatorFormat);
    // The camera whose sensor and picture the coverage inputs describe, on one line: "Camera:
    // 1/2.8" (5.57 x 3.13 mm), 1920 x 1080", no name for a size typed or from the pixel size.
    static QString camera(const CoverageInputs& inputs, SensorFormat calculatorFormat);
};

} // namespace vistaro
