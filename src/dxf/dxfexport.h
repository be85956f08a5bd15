// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "optics/levels.h"
#include "site/site.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace vistaro {

// What the coverage drawing for the architect shows, in plan metres.
struct DxfCameraMark {
    QString name;
    PlanPoint position;
    double panDeg = 0; // counter-clockwise from east
    int storey = 0;

    bool operator==(const DxfCameraMark&) const = default;
};

// An area or an obstacle: a closed outline and its name.
struct DxfAreaRing {
    QString name;
    std::vector<PlanPoint> ring; // three points or more; a repeated first point is dropped
    int storey = 0;

    bool operator==(const DxfAreaRing&) const = default;
};

// The polygons where a level is met, as the site plan works them out.
struct DxfLevelBands {
    Level level = 0; // of the coverage's level set
    std::vector<std::vector<PlanPoint>> polygons;
    int storey = 0;

    bool operator==(const DxfLevelBands&) const = default;
};

struct DxfCoverage {
    std::vector<SiteWall> walls;
    std::vector<DxfAreaRing> areas;
    std::vector<DxfAreaRing> obstacles;
    std::vector<DxfCameraMark> cameras;
    std::vector<DxfLevelBands> bands;
    LevelSet levelSet = enLevels();
    // By storey, the names of a site of several: each has layers of its own. None for one.
    QStringList storeys;

    bool operator==(const DxfCoverage&) const = default;
};

// The drawing's layers: walls, areas and obstacles (each a closed polyline and its name),
// cameras (a circle of DxfCameraRadius round the camera, a line of DxfPanLength along its pan and
// its name) and one layer a level with its bands as closed polylines; a site of several storeys
// has these layers for each storey, named with the storey's name after a "-".
inline constexpr char DxfWallsLayer[] = "VISTARO-WALLS";
inline constexpr char DxfAreasLayer[] = "VISTARO-AREAS";
inline constexpr char DxfObstaclesLayer[] = "VISTARO-OBSTACLES";
inline constexpr char DxfCamerasLayer[] = "VISTARO-CAMERAS";
inline constexpr double DxfCameraRadius = 0.25;
inline constexpr double DxfPanLength = 1;
// "VISTARO-" and the level's key in capitals ("VISTARO-IDENTIFICATION"), then the storey's name
// in capitals when given ("VISTARO-IDENTIFICATION-GROUND_FLOOR"), any character a layer name
// cannot hold made "_".
QString dxfLevelLayer(const LevelSet& set, Level level, const QString& storey = {});
// `layer` of `storey` as dxfLevelLayer() names it ("VISTARO-WALLS-GROUND_FLOOR"); `layer` for
// none.
QString dxfStoreyLayer(const QString& layer, const QString& storey);

// Farther than this from the plan's origin a point is a mistake, not a site.
inline constexpr double MaxExportMetres = 1e7;

// Writes an AutoCAD 2000 DXF drawing in metres ($INSUNITS 6) at the plan's own coordinates, so
// that it lies on the architect's plan that the walls came from. The whole file or nothing: an
// earlier file stays as it was on failure, and the message names the file. A point that is not
// finite or lies beyond MaxExportMetres fails too.
std::optional<QString> saveDxf(const QString& path, const DxfCoverage& coverage);

} // namespace vistaro
