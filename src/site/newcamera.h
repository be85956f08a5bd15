// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/calculatorreading.h"
#include "optics/coverageinputs.h"
#include "site/site.h"

#include <optional>

namespace vistaro {

// A camera as the calculator and the coverage window describe it now: their sensor, picture,
// focal length (both ends for a zoom), distance, level and heights, lens projection, and the lens
// the recommendation window shows. What cannot be read keeps a new camera's default. Its level is
// the coverage window's, carried into the site's set.
SiteCamera cameraFromCalculator(const CalculatorReading& reading, const CoverageInputs& inputs,
                                const std::optional<QString>& lens, const LevelSet& siteLevels);

// The coverage inputs that describe `camera` to the coverage window: its own sensor and picture,
// its level, its lens projection and its heights (aimed by tilt, the height its axis is at at its
// distance).
CoverageInputs coverageInputsOf(const SiteCamera& camera, const LevelSet& levels,
                                CoverageInputs inputs);

} // namespace vistaro
