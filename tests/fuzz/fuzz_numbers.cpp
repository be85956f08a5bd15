// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// In both locales a number read from the input, or made of its first bytes, reads back from its
// text to 15 digits.
#include "fuzzinput.h"
#include "platform/numberformat.h"

#include <QLocale>
#include <cmath>
#include <cstring>

using namespace vistaro;

namespace {

// From this magnitude on the 15-digit text says 1.79769313486232E+308, beyond the largest double.
constexpr double LargestReadable = 1.797693134862315e308;

void roundTrip(double value) {
    const std::optional<double> back = num::toDouble(num::toText(value));
    fuzz::require(back ? std::abs(*back - value) <= 1e-14 * std::abs(value)
                       : std::abs(value) >= LargestReadable);
}

} // namespace

void vistaro::fuzz::check(const QByteArray& input, const QString&) {
    double bits = 0;
    if (input.size() >= qsizetype(sizeof bits))
        std::memcpy(&bits, input.constData(), sizeof bits);
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::Italian, QLocale::Italy)}) {
        QLocale::setDefault(locale);
        if (const std::optional<double> value = num::toDouble(QString::fromUtf8(input)))
            roundTrip(*value);
        if (std::isfinite(bits))
            roundTrip(bits);
    }
}
