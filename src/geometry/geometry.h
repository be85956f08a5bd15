// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Plane geometry of the site plan: areas, unions, differences and what a camera sees past the
// walls, computed by GEOS. Callers see plain values only.
namespace vistaro::plane {

// A point of the plan in metres, x east and y north.
struct Point {
    double x = 0;
    double y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A closed ring: the last point joins the first, which need not be repeated.
using Ring = std::vector<Point>;

// The area inside the outer ring and outside every hole.
struct Polygon {
    Ring outer;
    std::vector<Ring> holes;

    friend bool operator==(const Polygon&, const Polygon&) = default;
};

// The union of its polygons. An input's polygons may overlap; a result's never do, and name
// each point once.
using Region = std::vector<Polygon>;

// A piece of a field whose sight is asked, and a point in it whose sight is asked too.
struct Piece {
    Region region;
    std::optional<Point> probe;
    bool hideable = true; // whether what visibleParts() is told is hidden takes its part of it
};

// What the eye sees of a piece: its visible part, that part's surface in square metres, and
// whether the eye sees the piece's probe point.
struct SeenPiece {
    Region region;
    double area = 0;
    bool probeSeen = false;

    friend bool operator==(const SeenPiece&, const SeenPiece&) = default;
};

// Where an eye stands and the direction its axis points to, in radians counter-clockwise from
// east.
struct Eye {
    Point at;
    double axis = 0;
};

// A wall seen from above: it blocks sight at every height.
struct Segment {
    Point a;
    Point b;
};

// Receives the message of an operation that GEOS could not carry out.
using ErrorHandler = std::function<void(const QString& message)>;

// One GEOS context with its error handler; defined where GEOS is.
class GeosContext;

// The walls of a plan indexed once by their bounding boxes, for many visibility queries. A wall
// with a coordinate that is not usable (see Geometry) or of zero length is left out. One thread
// at a time, as for Geometry.
class WallIndex {
public:
    explicit WallIndex(const std::vector<Segment>& walls, ErrorHandler onError = {});
    ~WallIndex();
    WallIndex(WallIndex&&) noexcept;
    WallIndex& operator=(WallIndex&&) noexcept;

    // The walls whose bounding box meets the box from `low` to `high`.
    std::vector<Segment> meeting(Point low, Point high) const;

private:
    struct Tree;
    std::unique_ptr<Tree> tree_;
};

// The operations over GEOS. Inputs are cleaned first: a polygon with a coordinate that is not
// a finite number within 1e9 m of the origin is dropped whole; a ring with fewer than three
// distinct points is dropped (an outer ring with its polygon); a self-intersecting ring is
// repaired, keeping every lobe of a bow-tie. When GEOS fails anyway, the handler gets its
// message and the result is empty. One object serves one thread at a time; a moved-from object
// may only be assigned to or destroyed.
class Geometry {
public:
    explicit Geometry(ErrorHandler onError = {});
    ~Geometry();
    Geometry(Geometry&&) noexcept;
    Geometry& operator=(Geometry&&) noexcept;

    // Square metres, overlaps counted once.
    double area(const Region& region) const;
    // All the regions as one, in a single cascaded union.
    Region unite(const std::vector<Region>& regions) const;
    Region intersect(const Region& a, const Region& b) const;
    Region subtract(const Region& from, const Region& taken) const;
    // Whether the point lies in the region or on its edge.
    bool covers(const Region& region, Point point) const;
    // The smallest convex ring that holds every point; none when they span no area.
    std::optional<Ring> hull(const std::vector<Point>& points) const;
    // The region cut into convex parts: itself when it is one convex polygon, else the triangles
    // of its constrained Delaunay triangulation, whose union it is.
    std::vector<Ring> convexParts(const Region& region) const;

    // The part of `field` that the eye sees when every wall blocks sight: the field less the
    // shadows that the walls near the eye and the field cast. A wall seen edge-on casts none.
    // Walls through the eye's own place (a camera mounted on a wall, or at a corner) part the
    // plane round it along their lines, and the eye sees only the part its axis points into:
    // on a wall, the half-plane in front of it. A wall that merely ends at the eye parts
    // nothing by itself. An axis along such a wall sees the side that holds more of the field
    // (the one to its left when both hold as much).
    Region visibleFrom(const Eye& eye, const Region& field, const WallIndex& walls) const;
    // What the eye sees of each of `pieces`, as visibleFrom() would give for each, with the
    // walls' shadows worked out once over `field`, which holds every piece: the bands of one
    // camera's field take one look past the walls. The surfaces and probes are worked out on
    // the way, so the parts need not be read into GEOS again.
    // Sight is also taken away, from the pieces that are hideable, over the convex hull of each
    // point set of `hidden` (what obstacles hide at one height; they may overlap). A hull is
    // made only when its points' box meets what is still seen.
    std::vector<SeenPiece> visibleParts(const Eye& eye, const Region& field,
                                        const std::vector<Piece>& pieces, const WallIndex& walls,
                                        const std::vector<std::vector<Point>>& hidden = {}) const;

private:
    std::unique_ptr<GeosContext> context_;
};

} // namespace vistaro::plane
