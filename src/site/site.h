// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/camera.h"
#include "optics/coverageinputs.h"
#include "optics/levels.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

namespace vistaro {

// A point of the plan in metres: x to the east (right), y to the north (up), as in CAD.
struct PlanPoint {
    double x = 0;
    double y = 0;

    bool operator==(const PlanPoint&) const = default;
};

// One camera on the plan, with everything its coverage is worked out from.
struct SiteCamera {
    QString name;
    PlanPoint position;
    double panDeg = 0; // the direction it looks, counter-clockwise from east
    double mountHeightM = 3;
    Aim aim = Aim::Target;      // at the target height at its distance, or by its tilt
    double targetHeightM = 1.7; // with Aim::Target, and the height the field is drawn at
    double tiltDeg = 0;         // down from horizontal, with Aim::Tilt
    double distanceM = 10;      // where it is aimed, along its axis
    Camera camera{{4.8, 3.6}, {1920, 1080}};
    double focalMm = 6;
    std::optional<double> focalTeleMm; // the long end of a zoom
    QString lens;                      // the catalogue's model name, empty for none
    Level level = EnIdentification;    // of the site's level set
    LensModel lensModel{}; // its projection, and its datasheet's angle (of the wide end)
    int storey = 0;        // its place in the site's storeys

    bool operator==(const SiteCamera&) const = default;
};

// A wall blocks sight between its bottom and its top, by default at every height; a door or a
// window is a gap between two walls.
struct SiteWall {
    SiteWall(std::vector<PlanPoint> points = {}, double bottomM = 0,
             std::optional<double> topM = std::nullopt)
        : points(std::move(points)), bottomM(bottomM), topM(topM) {}

    std::vector<PlanPoint> points; // a polyline, two points or more
    double bottomM;                // above the floor
    std::optional<double> topM;    // above the floor; none: up to the ceiling
    int storey = 0;

    // From the floor to the ceiling: it hides all that lies behind it.
    bool fullHeight() const { return bottomM <= 0 && !topM; }

    bool operator==(const SiteWall&) const = default;
};

// An area that must be covered at a level by at least one camera.
struct SiteArea {
    SiteArea(QString name = {}, Level level = EnIdentification, std::vector<PlanPoint> points = {},
             double requiredShare = 1, std::optional<double> targetHeightM = std::nullopt)
        : name(std::move(name)), level(level), points(std::move(points)),
          requiredShare(requiredShare), targetHeightM(targetHeightM) {}

    QString name;
    Level level;                   // of the site's level set
    std::vector<PlanPoint> points; // a closed polygon, three points or more
    double requiredShare;          // 0 to 1: the share of its surface that must be covered
    // Where its faces (or plates) are, above the floor; none: each camera's own target height.
    std::optional<double> targetHeightM;
    int storey = 0;

    bool operator==(const SiteArea&) const = default;
};

// Something standing on the plan that blocks sight between two heights above the floor: a
// shelf, a counter, a pillar, or a beam hanging from the ceiling.
struct SiteObstacle {
    QString name;
    std::vector<PlanPoint> points; // its outline seen from above: closed, three points or more
    double bottomM = 0;
    double topM = 1;
    int storey = 0;

    bool operator==(const SiteObstacle&) const = default;
};

// Two points on the background picture, in its own pixels, and the distance between them. A DXF
// drawing's pixel is one of its drawing units, x to the right and y down (the drawing's y
// turned over), so its scale from (0, 0) to (1, 0) is the length of one unit.
struct BackgroundScale {
    PlanPoint from;
    PlanPoint to;
    double metres = 0;

    bool operator==(const BackgroundScale&) const = default;
};

// A floor plan under the cameras: a picture, a DXF drawing or a page of a PDF, placed and scaled
// on the plan. What the file is, its name's suffix says (backgroundKind).
struct SiteBackground {
    QString file; // relative to the site file when it lies beside or below it
    std::optional<BackgroundScale> scale;
    PlanPoint offset;   // where the picture's top left corner (a drawing's origin) lies on the plan
    double opacity = 1; // 0 to 1: a dimmed plan lets the coverage stand out
    bool locked = false; // a locked plan cannot be moved by mistake
    bool visible = true;
    // Of a DXF drawing: the layers not drawn; none for those the drawing keeps off or frozen.
    std::optional<QStringList> hiddenLayers;
    int page = 1;     // of a PDF: the page shown, counted from 1
    double dpi = 150; // of a PDF: the resolution the page is rendered at

    bool operator==(const SiteBackground&) const = default;
};

enum class BackgroundKind { Picture, Dxf, Pdf };

// One floor of the site. Its items stand on its floor and their heights count from it; floors
// and ceilings block sight, so a camera sees the items of its own storey only.
struct SiteStorey {
    QString name;          // empty: called by its number
    double elevationM = 0; // of its floor, above the site's datum
    double heightM = 3;    // from its floor to the next one's
    std::optional<SiteBackground> background;

    bool operator==(const SiteStorey&) const = default;
};

// Who the site is drawn for and by whom, as the report's cover page names them. Any may be empty.
struct SiteProperties {
    QString project;
    QString client;
    QString address;
    QString designer;
    QString company;
    QString revision;
    QString notes;
    // A point near the site, in plan metres: the lower left corner of the first drawing loaded,
    // or one the user sets; none until then. The SVG counts its coordinates from it; the
    // geometry needs no shift towards it: 5000 km out it still works to well under a millimetre.
    std::optional<PlanPoint> reference;

    bool operator==(const SiteProperties&) const = default;
};

// A whole site as the site plan shows it and its file keeps it.
struct Site {
    Units units = Units::Metric;
    LevelSet levelSet = enLevels(); // the levels its cameras and areas ask for
    // One at least; a site of one unnamed storey at 0 is the single floor of the files before
    // storeys.
    std::vector<SiteStorey> storeys{SiteStorey{}};
    std::vector<SiteCamera> cameras;
    std::vector<SiteWall> walls;
    std::vector<SiteArea> areas;
    // Where the site ends: a closed polygon, three points or more, that cuts what the cameras
    // cover and the areas; empty for none.
    std::vector<PlanPoint> boundary;
    SiteProperties properties;
    std::vector<SiteObstacle> obstacles;

    bool operator==(const Site&) const = default;
};

// The site under another level set: each camera and area keeps its level's place where the sets
// have as many levels, else asks for the new set's default.
Site withLevelSet(Site site, const LevelSet& levels);

// The storey's name, or "Storey 2" for the second when it has none: as every table, page and
// export names it.
QString storeyName(const Site& site, int storey);

// The storey of the next higher (step 1) or lower (step -1) elevation than `storey`'s; none
// above the top or below the bottom.
std::optional<int> nextStorey(const Site& site, int storey, int step);

// The site with the cameras, walls, obstacles and areas of one storey only.
Site storeyOnly(Site site, int storey);

// The site with new storeys: `from` gives each new storey's index among the old ones, or -1 for
// a storey added. The items of a storey that none of the new ones comes from go; the others
// follow theirs to its new index. Storeys, when `from` does not give one for each, stay.
Site withStoreys(Site site, std::vector<SiteStorey> storeys, const std::vector<int>& from);

} // namespace vistaro
