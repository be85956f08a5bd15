// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/sensorformat.h"

#include <QString>
#include <optional>

namespace vistaro {

// The calculator as the coverage window follows it: the stored texts of each row's focal
// length and distance (ValFocale1, ValL1, ValFocale2, ValL2), the lens type and the format.
struct CalculatorReading {
    QString focal1;
    QString distance1;
    QString focal2;
    QString distance2;
    bool zoom = false;
    SensorFormat format = SensorFormat::Third;

    bool operator==(const CalculatorReading&) const = default;
};

// The lens the recommendation window shows, its catalogue fields as written.
struct LensOnShow {
    QString name;
    QString typeCode; // "FF", "HSP", "VAR" or "ZOOM"
    QString iris;     // "MI", "DD", "VD" or "M"
    QString focalMin; // mm
    QString focalMax; // mm, the long end of a varifocal or zoom lens
    QString fStop;
    QString minFocus;  // m, "0" for none
    QString datasheet; // the datasheet's path, empty when the lens has none
};

// What the coverage window needs of the main window, which implements it.
class CoverageHost {
public:
    virtual ~CoverageHost() = default;

    virtual CalculatorReading calculatorReading() const = 0;
    // Puts `text` into the focal length field of calculator row `row` (0 or 1) as if the user
    // had typed it and clicked there.
    virtual void typeFocalLength(int row, const QString& text) = 0;
    // The lens the recommendation window shows; none when that window is closed or shows none.
    virtual std::optional<LensOnShow> lensOnShow() const = 0;

protected:
    CoverageHost() = default;
    CoverageHost(const CoverageHost&) = default;
    CoverageHost& operator=(const CoverageHost&) = default;
};

} // namespace vistaro
