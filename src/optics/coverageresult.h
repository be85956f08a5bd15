// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/camera.h"
#include "optics/depthoffield.h"
#include "optics/lensprojection.h"
#include "optics/levels.h"
#include "optics/reading.h"

#include <optional>
#include <vector>

namespace vistaro {

// What the figures of one lens setting are worked out from. A camera input that cannot be read
// leaves `camera` empty and says why in `cameraProblem`.
struct CoverageQuery {
    std::optional<Camera> camera;
    Problem cameraProblem;
    Reading focalMm;
    Reading distanceM;
    Reading mountHeightM;
    Reading targetHeightM;
    LevelSet levelSet = enLevels();
    Level level = levelSet.defaultLevel;
    Aim aim = Aim::Target;
    Reading tiltDeg; // with Aim::Tilt, down from the horizon
    Projection projection = Projection::Rectilinear;
    std::optional<Reading> datasheetAngleDeg{}; // none: the field follows the focal length
    Reading fNumber{1.6, {}};                   // for the depth of field
    Reading confusionPixels{2, {}};             // the circle of confusion, in pixel pitches
};

// Where the ground enters and leaves the view of a camera at height h (m), tilted down by
// `tilt` (radians, negative above the horizon), with vertical angle of view v (radians). An edge
// that meets the ground beyond the largest distance the calculator takes runs to the horizon.
struct GroundEdges {
    std::optional<double> nearM; // none when the view stays above the horizon
    std::optional<double> farM;  // none when unbounded or no ground is seen
    bool farUnbounded = false;   // the upper edge of the view reaches the horizon

    bool operator==(const GroundEdges&) const = default;
};
GroundEdges groundEdges(double mountHeightM, double tiltRad, double verticalAngleRad);

// Where the view enters and leaves the plane of the targets, `aboveM` below the camera (negative:
// above it, seen as the ground upside down).
GroundEdges targetPlaneEdges(double aboveM, double tiltRad, double verticalAngleRad);

// Angle of view (degrees) across `sizeMm` of the sensor with focal length f: 2 atan(size / 2f).
double angleOfViewDeg(double sizeMm, double focalMm);

// A focal length to type into the calculator for `neededMm`: rounded up to a hundredth, so the
// level it was worked out for is still met.
double focalToType(double neededMm);

// Every figure of the coverage window for one lens setting. A figure is missing when an input
// it needs is; `problem` names the first such input.
struct CoverageResult {
    std::optional<double> angleHDeg;
    std::optional<double> angleVDeg;
    std::optional<double> angleDDeg;
    std::optional<double> sceneWidthM;
    std::optional<double> sceneHeightM;
    std::optional<double> pixelsPerMetre; // on the target at the aim, along the line of sight
    std::optional<double> slantM;         // how far that target is from the camera
    std::optional<Level> levelReached;    // with pixelsPerMetre, none means below the lowest level
    // By level of the query's set: up to where on the ground, from the camera's foot along the
    // centre line at the target height, the level is met; at most the far edge there.
    std::vector<std::optional<double>> levelDistanceM;
    std::vector<double> levelDensities;  // px/m, what each level of the query's set needs
    std::optional<double> neededFocalMm; // for the query's level at the aim, as typed
    std::optional<double> tiltDeg;       // down from the horizon, as aimed
    GroundEdges ground;                  // nearM is also the dead zone in front of the camera
    Projection projection = Projection::Rectilinear;
    // Of a lens that is not rectilinear: pixelsPerMetre is the density at the centre of the
    // field, this one at its horizontal edge.
    std::optional<double> edgePixelsPerMetre{};
    std::optional<DepthOfField> depth{}; // focused at the distance
    std::optional<LensFocus> focus{};    // the same, for the blur of other distances
    std::optional<Problem> problem;

    bool operator==(const CoverageResult&) const = default;
};

CoverageResult computeCoverage(const CoverageQuery& query);

} // namespace vistaro
