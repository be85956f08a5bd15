// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "camerareport/coveragereport.h"
#include "site/site.h"

namespace vistaro {

// What the coverage window would show for a camera of the site plan, worked out from the camera
// alone: its sensor and picture, focal length(s), heights, distance and level, with the views at
// the sizes the window opens with.
CoverageShown siteCameraShown(const SiteCamera& camera, const LevelSet& levels, Units units,
                              const QDate& date);

// The coverage report's page for that camera, under its name and lens.
ReportDocument siteCameraReport(const SiteCamera& camera, const LevelSet& levels, Units units,
                                const QDate& date);

} // namespace vistaro
