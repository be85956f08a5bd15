// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "optics/coverageresult.h"

namespace vistaro::test {

// A 1.4 mm lens on a 1/2.8" sensor (5.57 x 3.13 mm), full HD, 3 m up, aimed at 1.7 m at 5 m. The
// 16:9 picture is as high as the sensor, 3.13 mm, and 3.13 x 16 / 9 = 5.5644 mm wide.
inline CoverageQuery fisheyeQuery(Projection projection) {
    CoverageQuery query;
    query.camera = Camera{{5.57, 3.13}, {1920, 1080}};
    query.focalMm = checked(1.4, Quantity::Focal);
    query.distanceM = checked(5, Quantity::Distance);
    query.mountHeightM = checked(3, Quantity::MountHeight);
    query.targetHeightM = checked(1.7, Quantity::TargetHeight);
    query.projection = projection;
    return query;
}

} // namespace vistaro::test
