// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/sensorformat.h"

#include <QString>

namespace vistaro {

// The calculator as the windows that follow it see it: the stored texts of each row's focal
// length and distance (ValFocale1, ValL1, ValFocale2, ValL2), the lens type, the format and the
// decimal separator the user declared, with which a number typed into the calculator is read.
struct CalculatorReading {
    QString focal1;
    QString distance1;
    QString focal2;
    QString distance2;
    bool zoom = false;
    SensorFormat format = SensorFormat::Third;
    QString decimalSeparator = QStringLiteral(".");

    bool operator==(const CalculatorReading&) const = default;
};

} // namespace vistaro
