// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/sensorformat.h"

#include <QString>
#include <optional>

namespace vistaro {

// The first character of a lens name tells the largest sensor format the lens covers ("T"
// 1/3", "H" 1/2", "M" 2/3", "V" 1"); a lens serves that format and every smaller one. Any
// other first character, or an empty name, serves none.
bool coversSensor(const QString& name, SensorFormat selected);

// The largest format a lens of this name covers; none for a name that tells none.
std::optional<SensorFormat> largestFormatCovered(const QString& name);

} // namespace vistaro
