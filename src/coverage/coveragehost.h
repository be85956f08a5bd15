// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/sensorformat.h"

#include <QString>

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

// What the coverage window needs of the main window, which implements it.
class CoverageHost {
public:
    virtual ~CoverageHost() = default;

    virtual CalculatorReading calculatorReading() const = 0;
    // Puts `text` into the focal length field of calculator row `row` (0 or 1) as if the user
    // had typed it and clicked there.
    virtual void typeFocalLength(int row, const QString& text) = 0;

protected:
    CoverageHost() = default;
    CoverageHost(const CoverageHost&) = default;
    CoverageHost& operator=(const CoverageHost&) = default;
};

} // namespace vistaro
