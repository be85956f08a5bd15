// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "match/sensorfit.h"

namespace vistaro {

namespace {

// Whether a lens that covers up to `largest` serves the `selected` format.
bool formatServes(SensorFormat largest, SensorFormat selected) {
    // SensorFormat runs from the largest format to the smallest, so "covers" is "not larger".
    return selected >= largest;
}

} // namespace

std::optional<SensorFormat> largestFormatCovered(const QString& name) {
    if (name.isEmpty())
        return std::nullopt;
    switch (name.front().unicode()) {
    case u'V':
        return SensorFormat::One;
    case u'M':
        return SensorFormat::TwoThirds;
    case u'H':
        return SensorFormat::Half;
    case u'T':
        return SensorFormat::Third;
    default:
        return std::nullopt;
    }
}

bool coversSensor(const QString& name, SensorFormat selected) {
    const std::optional<SensorFormat> largest = largestFormatCovered(name);
    return largest && formatServes(*largest, selected);
}

} // namespace vistaro
