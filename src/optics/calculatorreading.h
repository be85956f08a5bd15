// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/sensorformat.h"
#include "platform/numberformat.h"

#include <QLocale>
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

// `value` as typed into the calculator: it takes the user's declared separator as the decimal
// mark and deletes the other one as a group mark, whatever the regional format says.
inline QString calculatorText(double value, const QString& decimalSeparator) {
    QString text = num::toText(value);
    text.replace(QLocale().decimalPoint(), decimalSeparator);
    return text;
}

} // namespace vistaro
