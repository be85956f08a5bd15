// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/geometry.h"

#include <algorithm>
#include <cmath>
#include <geos_c.h>
#include <iterator>
#include <limits>
#include <numbers>
#include <optional>

namespace vistaro::plane {

namespace {

// Far beyond any site; what lies past it (or is not a number) is refused before GEOS sees it,
// so that sums and products of coordinates stay finite.
constexpr double coordinateLimit = 1e9;

// A wall that the eye sees under less than this angle (radians) is seen edge-on; one seen under
// nearly a half turn passes through the eye. Neither hides any area.
constexpr double edgeOnAngle = 1e-9;

bool usable(Point p) {
    return std::abs(p.x) <= coordinateLimit && std::abs(p.y) <= coordinateLimit;
}

// The ring's points without repeats, the closing one included; none when a point is unusable.
std::optional<Ring> withoutRepeats(const Ring& ring) {
    if (!std::all_of(ring.begin(), ring.end(), usable)) {
        return std::nullopt;
    }
    Ring points;
    std::unique_copy(ring.begin(), ring.end(), std::back_inserter(points));
    while (points.size() > 1 && points.front() == points.back()) {
        points.pop_back();
    }
    return points;
}

// Squares of distances: they compare as the distances do, without a square root each, and
// stay finite for usable points.
double squaredDistance(Point a, Point b) {
    return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y);
}

// A camera this close to a wall is mounted on it: nearer than any real camera stands off a
// wall, farther than rounding leaves a point placed on one.
constexpr double onWall = 1e-6;

// Whether the eye lies on the wall, within onWall.
bool onIt(Point eye, const Segment& wall) {
    const double dx = wall.b.x - wall.a.x;
    const double dy = wall.b.y - wall.a.y;
    const double along = std::clamp(
        ((eye.x - wall.a.x) * dx + (eye.y - wall.a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return squaredDistance(eye, {wall.a.x + along * dx, wall.a.y + along * dy}) <= onWall * onWall;
}

// The directions (radians, 0 to 2 pi) in which a wall that the eye lies on leaves it: both
// ways along it from a point between its ends, one way from an end.
std::vector<double> leaving(Point eye, const Segment& wall) {
    double forward = std::atan2(wall.b.y - wall.a.y, wall.b.x - wall.a.x);
    if (forward < 0) {
        forward += 2 * std::numbers::pi;
    }
    std::vector<double> ways;
    if (squaredDistance(eye, wall.a) > onWall * onWall) {
        ways.push_back(std::fmod(forward + std::numbers::pi, 2 * std::numbers::pi));
    }
    if (squaredDistance(eye, wall.b) > onWall * onWall) {
        ways.push_back(forward);
    }
    return ways;
}

// The wedge from the eye between two directions, `from` to `to` counter-clockwise, out to
// `reach`: its far edge, in steps of at most a quarter turn, stays beyond `reach` / sqrt 2.
Ring wedge(Point eye, double from, double to, double reach) {
    const int steps = std::max(1, int(std::ceil((to - from) / (std::numbers::pi / 2))));
    Ring corners{eye};
    for (int step = 0; step <= steps; ++step) {
        const double angle = from + (to - from) * step / steps;
        corners.push_back({eye.x + reach * std::cos(angle), eye.y + reach * std::sin(angle)});
    }
    return corners;
}

// A box with sides along the axes.
struct Box {
    Point low;
    Point high;

    // None for a ring that is not usable or holds no point.
    static std::optional<Box> of(const Ring& ring) {
        if (ring.empty() || !std::all_of(ring.begin(), ring.end(), usable)) {
            return std::nullopt;
        }
        Box box{ring.front(), ring.front()};
        for (const Point& p : ring) {
            box = box.with(p);
        }
        return box;
    }
    static Box of(const Segment& wall) {
        return {{std::min(wall.a.x, wall.b.x), std::min(wall.a.y, wall.b.y)},
                {std::max(wall.a.x, wall.b.x), std::max(wall.a.y, wall.b.y)}};
    }
    Box with(Point p) const {
        return {{std::min(low.x, p.x), std::min(low.y, p.y)},
                {std::max(high.x, p.x), std::max(high.y, p.y)}};
    }
    bool meets(const Box& other) const {
        return low.x <= other.high.x && other.low.x <= high.x && low.y <= other.high.y &&
               other.low.y <= high.y;
    }
    double squaredDistanceTo(Point p) const {
        const double dx = std::max({low.x - p.x, 0.0, p.x - high.x});
        const double dy = std::max({low.y - p.y, 0.0, p.y - high.y});
        return dx * dx + dy * dy;
    }
    double farthestFrom(Point p) const {
        return std::hypot(std::max(std::abs(p.x - low.x), std::abs(high.x - p.x)),
                          std::max(std::abs(p.y - low.y), std::abs(high.y - p.y)));
    }
};

// Two walls as seen from the eye, their ends taken from it.
struct Near {
    Point a;
    Point b;
    double squared; // the square of the distance from the eye to the wall's box
};

double cross(Point u, Point v) {
    return u.x * v.y - u.y * v.x;
}

// How far along the unit direction `way` from the eye its line meets the wall's line, and the
// fraction of the way from the wall's first end to its second end at which it meets it; none
// when they run side by side.
std::optional<std::pair<double, double>> meeting(Point way, const Near& wall) {
    const Point along{wall.b.x - wall.a.x, wall.b.y - wall.a.y};
    const double square = cross(way, along);
    if (square == 0) {
        return std::nullopt;
    }
    return std::pair{cross(wall.a, along) / square, cross(wall.a, way) / square};
}

// Where two walls cross, if they do.
std::optional<Point> crossing(const Near& one, const Near& other) {
    const Point along{one.b.x - one.a.x, one.b.y - one.a.y};
    const Point otherAlong{other.b.x - other.a.x, other.b.y - other.a.y};
    const double square = cross(along, otherAlong);
    if (square == 0) {
        return std::nullopt;
    }
    const Point apart{other.a.x - one.a.x, other.a.y - one.a.y};
    const double s = cross(apart, otherAlong) / square;
    const double t = cross(apart, along) / square;
    if (s < 0 || s > 1 || t < 0 || t > 1) {
        return std::nullopt;
    }
    return Point{one.a.x + s * along.x, one.a.y + s * along.y};
}

// The plan seen from an eye turned to its axis: x along the axis, y to its left. Directions then
// compare as angles from the axis, and far from the plan's origin no precision is lost.
class EyeFrame {
public:
    EyeFrame(Point eye, double axis) : eye_(eye), cos_(std::cos(axis)), sin_(std::sin(axis)) {}
    Point from(Point p) const {
        const double x = p.x - eye_.x;
        const double y = p.y - eye_.y;
        return {x * cos_ + y * sin_, y * cos_ - x * sin_};
    }
    Point back(Point p) const {
        return {eye_.x + p.x * cos_ - p.y * sin_, eye_.y + p.y * cos_ + p.x * sin_};
    }

private:
    Point eye_;
    double cos_;
    double sin_;
};

// The direction of `a` from the eye at the origin, and the signed turn from it to `b`'s.
std::pair<double, double> directionAndTurn(Point a, Point b) {
    return {std::atan2(a.y, a.x), std::atan2(cross(a, b), a.x * b.x + a.y * b.y)};
}

// The directions from the eye, in radians from `axis` (-pi to pi), in which it sees any part
// of `field`: none when every direction may (the eye within the field, or the field round it).
std::optional<std::pair<double, double>> sightWindow(Point eye, double axis, const Region& field) {
    constexpr double pi = std::numbers::pi;
    const EyeFrame frame(eye, axis);
    double low = pi;
    double high = -pi;
    for (const Polygon& polygon : field) {
        for (std::size_t i = 0; i < polygon.outer.size(); ++i) {
            const auto [from, turn] =
                directionAndTurn(frame.from(polygon.outer[i]),
                                 frame.from(polygon.outer[(i + 1) % polygon.outer.size()]));
            const double to = from + turn;
            // An edge across the way back, or through the eye.
            if (std::abs(from) > pi - edgeOnAngle || std::abs(to) > pi - edgeOnAngle ||
                std::abs(turn) > pi - edgeOnAngle) {
                return std::nullopt;
            }
            low = std::min({low, from, to});
            high = std::max({high, from, to});
        }
    }
    if (!(low < high)) {
        return std::nullopt;
    }
    return std::pair{low, high};
}

// What the eye sees past the walls, none of which it lies on, out to `reach`: a ring, round
// the eye or, within `window` (from the eye's axis, as sightWindow() gives it), a wedge from
// it. Between two neighbouring directions in which no wall ends and no two walls cross, the
// nearest wall ahead is one and the same all the way, since two walls' distances along the
// turning ray cross only where the walls do: the ring follows that wall there, or runs out at
// `reach` where there is none, in steps of at most a quarter turn, so that it stays beyond
// `reach` / sqrt 2. A wall seen edge-on hides nothing. Worked out from the eye, turned to its
// axis, so that far from the plan's origin no precision is lost.
Ring seenPast(const Eye& eye, std::optional<std::pair<double, double>> window,
              const std::vector<Segment>& walls, double reach) {
    constexpr double pi = std::numbers::pi;
    const EyeFrame frame(eye.at, eye.axis);
    const double low = window ? window->first : -pi;
    const double high = window ? window->second : pi;
    const auto within = [&](double angle) { return low < angle && angle < high; };
    std::vector<double> ways;
    for (double way = low; way < high; way += pi / 2) {
        ways.push_back(way);
    }
    // Each wall's directions, as an arc from -2 pi to 2 pi, and its nearest and farthest points.
    struct Arc {
        Near wall;
        double from;
        double to;
        double nearest;
        double farthest;
    };
    std::vector<Arc> arcs;
    for (const Segment& wall : walls) {
        const Point a = frame.from(wall.a);
        const Point b = frame.from(wall.b);
        const auto [start, turn] = directionAndTurn(a, b);
        if (std::abs(turn) < edgeOnAngle || std::abs(turn) > pi - edgeOnAngle) {
            continue;
        }
        const double from = std::min(start, start + turn);
        const double to = std::max(start, start + turn);
        // A wall wholly beside the window hides nothing in it; one across the way back is kept.
        if (window && std::abs(start + turn) <= pi && (to <= low || from >= high)) {
            continue;
        }
        const Point along{b.x - a.x, b.y - a.y};
        const double t = std::clamp(
            -(a.x * along.x + a.y * along.y) / (along.x * along.x + along.y * along.y), 0.0, 1.0);
        arcs.push_back({{a, b, Box::of(Segment{a, b}).squaredDistanceTo({0, 0})},
                        from,
                        to,
                        std::hypot(a.x + t * along.x, a.y + t * along.y),
                        std::sqrt(std::max(a.x * a.x + a.y * a.y, b.x * b.x + b.y * b.y))});
    }
    // Nearest first, a wall is left out when nearer walls, each wholly nearer than it, hide it
    // in every direction it spans: in a building most walls are.
    std::sort(arcs.begin(), arcs.end(),
              [](const Arc& one, const Arc& other) { return one.nearest < other.nearest; });
    std::vector<std::pair<double, double>> hidden; // sorted, apart
    const auto hide = [&hidden](double from, double to) {
        auto first = std::lower_bound(hidden.begin(), hidden.end(), from,
                                      [](const auto& span, double at) { return span.second < at; });
        auto last = first;
        while (last != hidden.end() && last->first <= to) {
            from = std::min(from, last->first);
            to = std::max(to, last->second);
            ++last;
        }
        hidden.insert(hidden.erase(first, last), {from, to});
    };
    const auto isHidden = [&hidden](double from, double to) {
        const auto span =
            std::lower_bound(hidden.begin(), hidden.end(), from,
                             [](const auto& span, double at) { return span.second < at; });
        return span != hidden.end() && span->first <= from && to <= span->second;
    };
    // An arc across the way back, in its two pieces.
    const auto pieces = [&](const Arc& arc) {
        std::vector<std::pair<double, double>> parts{
            {std::max(arc.from, -pi), std::min(arc.to, pi)}};
        if (arc.from < -pi) {
            parts.emplace_back(arc.from + 2 * pi, pi);
        }
        if (arc.to > pi) {
            parts.emplace_back(-pi, arc.to - 2 * pi);
        }
        return parts;
    };
    std::vector<Near> near;
    std::vector<const Arc*> pending;
    const auto fartherFirst = [](const Arc* one, const Arc* other) {
        return one->farthest > other->farthest;
    };
    for (const Arc& arc : arcs) {
        while (!pending.empty() && pending.front()->farthest <= arc.nearest) {
            for (const auto& [from, to] : pieces(*pending.front())) {
                hide(from, to);
            }
            std::pop_heap(pending.begin(), pending.end(), fartherFirst);
            pending.pop_back();
        }
        const std::vector<std::pair<double, double>> parts = pieces(arc);
        if (std::all_of(parts.begin(), parts.end(),
                        [&](const auto& part) { return isHidden(part.first, part.second); })) {
            continue;
        }
        pending.push_back(&arc);
        std::push_heap(pending.begin(), pending.end(), fartherFirst);
        near.push_back(arc.wall);
        for (const double way :
             {std::atan2(arc.wall.a.y, arc.wall.a.x), std::atan2(arc.wall.b.y, arc.wall.b.x)}) {
            if (within(way)) {
                ways.push_back(way);
            }
        }
    }
    // Pairs whose boxes overlap, found in order of their left edges.
    std::sort(near.begin(), near.end(), [](const Near& one, const Near& other) {
        return std::min(one.a.x, one.b.x) < std::min(other.a.x, other.b.x);
    });
    for (std::size_t i = 0; i < near.size(); ++i) {
        const Box box = Box::of(Segment{near[i].a, near[i].b});
        for (std::size_t j = i + 1;
             j < near.size() && std::min(near[j].a.x, near[j].b.x) <= box.high.x; ++j) {
            if (Box::of(Segment{near[j].a, near[j].b}).meets(box)) {
                if (const std::optional<Point> at = crossing(near[i], near[j])) {
                    if (const double way = std::atan2(at->y, at->x); within(way)) {
                        ways.push_back(way);
                    }
                }
            }
        }
    }
    std::sort(ways.begin(), ways.end());
    ways.erase(std::unique(ways.begin(), ways.end()), ways.end());
    // Nearest first: a ray stops looking at the walls once they lie farther than its hit.
    std::sort(near.begin(), near.end(),
              [](const Near& one, const Near& other) { return one.squared < other.squared; });
    const auto direction = [](double angle) { return Point{std::cos(angle), std::sin(angle)}; };
    const auto nearestAhead = [&near](Point way) {
        const Near* nearest = nullptr;
        double distance = std::numeric_limits<double>::infinity();
        for (const Near& wall : near) {
            if (wall.squared > distance * distance) {
                break;
            }
            const std::optional<std::pair<double, double>> met = meeting(way, wall);
            if (met && met->first > 0 && met->first < distance && met->second >= 0 &&
                met->second <= 1) {
                distance = met->first;
                nearest = &wall;
            }
        }
        return nearest;
    };
    // Where the ray meets the wall's line, within `reach`, back on the plan.
    const auto onWallAhead = [&](const Near* wall, double angle) {
        const Point way = direction(angle);
        const std::optional<std::pair<double, double>> met =
            wall ? meeting(way, *wall) : std::nullopt;
        const double distance =
            met && std::isfinite(met->first) ? std::clamp(met->first, 0.0, reach) : reach;
        return frame.back({way.x * distance, way.y * distance});
    };
    Ring ring;
    if (window) {
        ring.push_back(eye.at);
    }
    const Near* before = nullptr;
    for (std::size_t i = 0; i < ways.size(); ++i) {
        const double from = ways[i];
        const double to = i + 1 < ways.size() ? ways[i + 1] : window ? high : ways.front() + 2 * pi;
        const Near* wall = nearestAhead(direction((from + to) / 2));
        // Along one wall the corner between two steps adds nothing.
        if (wall && wall == before) {
            ring.back() = onWallAhead(wall, to);
        } else {
            for (const Point corner : {onWallAhead(wall, from), onWallAhead(wall, to)}) {
                if (ring.empty() || !(ring.back() == corner)) {
                    ring.push_back(corner);
                }
            }
        }
        before = wall;
    }
    return ring;
}

} // namespace

// One GEOS context: every geometry made here is destroyed here. GEOS reports through the
// handler; its notices (such as why a ring is invalid) have none and are dropped.
class GeosContext {
public:
    struct Destroy {
        GEOSContextHandle_t handle;
        void operator()(GEOSGeometry* geometry) const { GEOSGeom_destroy_r(handle, geometry); }
    };
    using Owned = std::unique_ptr<GEOSGeometry, Destroy>;
    struct Unprepare {
        GEOSContextHandle_t handle;
        void operator()(const GEOSPreparedGeometry* prepared) const {
            GEOSPreparedGeom_destroy_r(handle, prepared);
        }
    };
    // A geometry indexed for many tests against it, which must outlive the index.
    using Prepared = std::unique_ptr<const GEOSPreparedGeometry, Unprepare>;

    explicit GeosContext(ErrorHandler onError)
        : handle_(GEOS_init_r()), onError_(std::move(onError)),
          repair_(GEOSMakeValidParams_create_r(handle_)) {
        GEOSContext_setErrorMessageHandler_r(handle_, &GeosContext::report, this);
        // Shells united and holes taken away, so a bow-tie keeps both lobes; lines and points
        // that a collapsed ring leaves are dropped.
        GEOSMakeValidParams_setMethod_r(handle_, repair_, GEOS_MAKE_VALID_STRUCTURE);
        GEOSMakeValidParams_setKeepCollapsed_r(handle_, repair_, 0);
    }
    ~GeosContext() {
        GEOSMakeValidParams_destroy_r(handle_, repair_);
        GEOS_finish_r(handle_);
    }
    GeosContext(const GeosContext&) = delete;
    GeosContext& operator=(const GeosContext&) = delete;

    GEOSContextHandle_t handle() const { return handle_; }
    Owned own(GEOSGeometry* geometry) const { return Owned(geometry, Destroy{handle_}); }
    Prepared prepare(const GEOSGeometry* geometry) const {
        return Prepared(GEOSPrepare_r(handle_, geometry), Unprepare{handle_});
    }

    Owned rectangle(const Box& box) const {
        return own(
            GEOSGeom_createRectangle_r(handle_, box.low.x, box.low.y, box.high.x, box.high.y));
    }

    // The bounding box of a geometry; none when it is empty.
    std::optional<Box> extent(const GEOSGeometry* geometry) const {
        Box box;
        if (empty(geometry) || !GEOSGeom_getExtent_r(handle_, geometry, &box.low.x, &box.low.y,
                                                     &box.high.x, &box.high.y)) {
            return std::nullopt;
        }
        return box;
    }

    // A valid polygon of rings that have at least three distinct points each; empty when a
    // repair leaves nothing.
    Owned polygon(const Ring& outer, const std::vector<Ring>& holes) const {
        return valid(unchecked(outer, holes));
    }

    // The polygon of the rings as they are, which may be invalid: fit for a quick test only.
    Owned unchecked(const Ring& outer, const std::vector<Ring>& holes) const {
        Owned shell = ring(outer);
        std::vector<Owned> inner;
        for (const Ring& hole : holes) {
            inner.push_back(ring(hole));
        }
        if (!shell || std::any_of(inner.begin(), inner.end(), [](auto& r) { return !r; })) {
            return {};
        }
        std::vector<GEOSGeometry*> released;
        for (Owned& r : inner) {
            released.push_back(r.release());
        }
        // The polygon takes over its rings.
        return own(GEOSGeom_createPolygon_r(handle_, shell.release(), released.data(),
                                            unsigned(released.size())));
    }

    // The smallest convex polygon that holds every point; null when they span no area or one
    // is not a usable number.
    Owned hull(const std::vector<Point>& points) const {
        std::vector<double> xy;
        xy.reserve(2 * points.size());
        for (const Point& p : points) {
            if (!usable(p)) {
                return {};
            }
            xy.insert(xy.end(), {p.x, p.y});
        }
        if (points.size() < 3) {
            return {};
        }
        GEOSCoordSequence* sequence =
            GEOSCoordSeq_copyFromBuffer_r(handle_, xy.data(), unsigned(points.size()), 0, 0);
        // A line through the points has their hull; it takes over its sequence.
        const Owned all = own(sequence ? GEOSGeom_createLineString_r(handle_, sequence) : nullptr);
        Owned convex = all ? own(GEOSConvexHull_r(handle_, all.get())) : nullptr;
        return area(convex.get()) > 0 ? std::move(convex) : nullptr;
    }

    // The polygon, repaired when it is not valid.
    Owned valid(Owned made) const {
        if (!made || GEOSisValid_r(handle_, made.get()) == 1) {
            return made;
        }
        return own(GEOSMakeValidWithParams_r(handle_, made.get(), repair_));
    }

    // The usable polygons of the region, cleaned, appended to `parts`.
    void addPolygons(const Region& region, std::vector<Owned>& parts) const {
        for (const Polygon& polygon : region) {
            const std::optional<Ring> outer = withoutRepeats(polygon.outer);
            std::vector<Ring> holes;
            bool usableHoles = true;
            for (const Ring& hole : polygon.holes) {
                std::optional<Ring> cleaned = withoutRepeats(hole);
                usableHoles = usableHoles && cleaned;
                if (cleaned && cleaned->size() >= 3) {
                    holes.push_back(*std::move(cleaned));
                }
            }
            if (outer && outer->size() >= 3 && usableHoles) {
                if (Owned made = this->polygon(*outer, holes)) {
                    parts.push_back(std::move(made));
                }
            }
        }
    }

    // The union of the parts, overlaps merged. A polygon alone, valid as every part is, is its
    // own union already.
    Owned united(std::vector<Owned> parts) const {
        if (parts.size() == 1 && GEOSGeomTypeId_r(handle_, parts.front().get()) == GEOS_POLYGON) {
            return std::move(parts.front());
        }
        std::vector<GEOSGeometry*> released;
        for (Owned& part : parts) {
            released.push_back(part.release());
        }
        // The collection takes over its parts.
        const Owned all = own(GEOSGeom_createCollection_r(
            handle_, GEOS_GEOMETRYCOLLECTION, released.data(), unsigned(released.size())));
        return all ? own(GEOSUnaryUnion_r(handle_, all.get())) : Owned{};
    }

    // The region as one valid geometry; null only when GEOS failed.
    Owned region(const Region& region) const {
        std::vector<Owned> parts;
        addPolygons(region, parts);
        return united(std::move(parts));
    }

    bool empty(const GEOSGeometry* geometry) const {
        return !geometry || GEOSisEmpty_r(handle_, geometry) != 0;
    }

    // Square metres; 0 for an empty geometry, or when GEOS failed.
    double area(const GEOSGeometry* geometry) const {
        double area = 0;
        return !empty(geometry) && GEOSArea_r(handle_, geometry, &area) ? area : 0;
    }

    // The polygons of a result; its lines and points, where regions touch, have no area.
    Region read(const GEOSGeometry* geometry) const {
        Region region;
        if (geometry) {
            addRead(geometry, region);
        }
        return region;
    }

    using Overlay = GEOSGeometry* (*)(GEOSContextHandle_t, const GEOSGeometry*,
                                      const GEOSGeometry*);
    Region overlay(const Region& a, const Region& b, Overlay operation) const {
        const Owned first = region(a);
        const Owned second = region(b);
        if (!first || !second) {
            return {};
        }
        return read(own(operation(handle_, first.get(), second.get())).get());
    }

private:
    // Called from C: nothing may be thrown through it, so a throwing handler is cut short.
    static void report(const char* message, void* self) {
        try {
            const ErrorHandler& onError = static_cast<GeosContext*>(self)->onError_;
            if (onError) {
                onError(QString::fromUtf8(message));
            }
        } catch (...) {
        }
    }

    // A closed ring of points given without their closing one.
    Owned ring(const Ring& points) const {
        std::vector<double> xy;
        for (const Point& p : points) {
            xy.insert(xy.end(), {p.x, p.y});
        }
        xy.insert(xy.end(), {points.front().x, points.front().y});
        GEOSCoordSequence* sequence =
            GEOSCoordSeq_copyFromBuffer_r(handle_, xy.data(), unsigned(xy.size() / 2), 0, 0);
        // The ring takes over its sequence.
        return own(sequence ? GEOSGeom_createLinearRing_r(handle_, sequence) : nullptr);
    }

    Ring readRing(const GEOSGeometry* ring) const {
        const GEOSCoordSequence* sequence = GEOSGeom_getCoordSeq_r(handle_, ring);
        unsigned int size = 0;
        if (!sequence || !GEOSCoordSeq_getSize_r(handle_, sequence, &size) || size < 2) {
            return {};
        }
        std::vector<double> xy(2 * size_t(size));
        if (!GEOSCoordSeq_copyToBuffer_r(handle_, sequence, xy.data(), 0, 0)) {
            return {};
        }
        Ring points;
        for (size_t i = 0; i + 1 < size; ++i) {
            points.push_back({xy[2 * i], xy[2 * i + 1]});
        }
        return points;
    }

    void addRead(const GEOSGeometry* geometry, Region& region) const {
        const int type = GEOSGeomTypeId_r(handle_, geometry);
        if (type == GEOS_MULTIPOLYGON || type == GEOS_GEOMETRYCOLLECTION) {
            const int count = GEOSGetNumGeometries_r(handle_, geometry);
            for (int i = 0; i < count; ++i) {
                addRead(GEOSGetGeometryN_r(handle_, geometry, i), region);
            }
        } else if (type == GEOS_POLYGON && !empty(geometry)) {
            Polygon polygon{readRing(GEOSGetExteriorRing_r(handle_, geometry)), {}};
            const int holes = GEOSGetNumInteriorRings_r(handle_, geometry);
            for (int i = 0; i < holes; ++i) {
                polygon.holes.push_back(readRing(GEOSGetInteriorRingN_r(handle_, geometry, i)));
            }
            region.push_back(std::move(polygon));
        }
    }

    GEOSContextHandle_t handle_;
    ErrorHandler onError_;
    GEOSMakeValidParams* repair_;
};

// The tree keeps the walls' bounding boxes, each pointing to its wall in `walls`, which stays
// as it is once the tree is filled.
struct WallIndex::Tree {
    explicit Tree(ErrorHandler onError)
        : context(std::move(onError)), tree(GEOSSTRtree_create_r(context.handle(), 10)) {}
    ~Tree() {
        if (tree) {
            GEOSSTRtree_destroy_r(context.handle(), tree);
        }
    }

    GeosContext context;
    GEOSSTRtree* tree;
    std::vector<Segment> walls;
};

WallIndex::WallIndex(const std::vector<Segment>& walls, ErrorHandler onError)
    : tree_(std::make_unique<Tree>(std::move(onError))) {
    std::copy_if(walls.begin(), walls.end(), std::back_inserter(tree_->walls),
                 [](const Segment& w) { return usable(w.a) && usable(w.b) && w.a != w.b; });
    if (!tree_->tree) {
        return;
    }
    for (Segment& wall : tree_->walls) {
        // The tree copies the box, so it can go at once.
        if (const GeosContext::Owned box = tree_->context.rectangle(Box::of(wall))) {
            GEOSSTRtree_insert_r(tree_->context.handle(), tree_->tree, box.get(), &wall);
        }
    }
}

WallIndex::~WallIndex() = default;
WallIndex::WallIndex(WallIndex&&) noexcept = default;
WallIndex& WallIndex::operator=(WallIndex&&) noexcept = default;

std::vector<Segment> WallIndex::meeting(Point low, Point high) const {
    std::vector<Segment> found;
    if (!usable(low) || !usable(high) || !tree_->tree) {
        return found;
    }
    const GeosContext::Owned box = tree_->context.rectangle({low, high});
    if (!box) {
        return found;
    }
    // Room for every wall, so that the callback, called from C, never allocates and so never
    // throws.
    std::vector<const Segment*> hits;
    hits.reserve(tree_->walls.size());
    GEOSSTRtree_query_r(
        tree_->context.handle(), tree_->tree, box.get(),
        [](void* item, void* list) {
            static_cast<std::vector<const Segment*>*>(list)->push_back(
                static_cast<const Segment*>(item));
        },
        &hits);
    for (const Segment* wall : hits) {
        found.push_back(*wall);
    }
    return found;
}

Geometry::Geometry(ErrorHandler onError)
    : context_(std::make_unique<GeosContext>(std::move(onError))) {}
Geometry::~Geometry() = default;
Geometry::Geometry(Geometry&&) noexcept = default;
Geometry& Geometry::operator=(Geometry&&) noexcept = default;

double Geometry::area(const Region& region) const {
    return context_->area(context_->region(region).get());
}

Region Geometry::unite(const std::vector<Region>& regions) const {
    std::vector<GeosContext::Owned> parts;
    for (const Region& region : regions) {
        context_->addPolygons(region, parts);
    }
    return context_->read(context_->united(std::move(parts)).get());
}

Region Geometry::intersect(const Region& a, const Region& b) const {
    return context_->overlay(a, b, GEOSIntersection_r);
}

Region Geometry::subtract(const Region& from, const Region& taken) const {
    return context_->overlay(from, taken, GEOSDifference_r);
}

bool Geometry::covers(const Region& region, Point point) const {
    const GeosContext::Owned geometry = context_->region(region);
    if (!usable(point) || context_->empty(geometry.get())) {
        return false;
    }
    const GeosContext::Owned at =
        context_->own(GEOSGeom_createPointFromXY_r(context_->handle(), point.x, point.y));
    return at && GEOSCovers_r(context_->handle(), geometry.get(), at.get()) == 1;
}

std::optional<Ring> Geometry::hull(const std::vector<Point>& points) const {
    const Region read = context_->read(context_->hull(points).get());
    if (read.empty()) {
        return std::nullopt;
    }
    return read.front().outer;
}

std::vector<Ring> Geometry::convexParts(const Region& region) const {
    const GEOSContextHandle_t handle = context_->handle();
    const GeosContext::Owned whole = context_->region(region);
    if (context_->empty(whole.get())) {
        return {};
    }
    const GeosContext::Owned convex = context_->own(GEOSConvexHull_r(handle, whole.get()));
    const double area = context_->area(whole.get());
    // Rounding leaves a convex polygon's hull a hair larger than itself, never a concave
    // polygon's by so little as a millionth.
    if (GEOSGeomTypeId_r(handle, whole.get()) == GEOS_POLYGON &&
        GEOSGetNumInteriorRings_r(handle, whole.get()) == 0 &&
        context_->area(convex.get()) <= area * (1 + 1e-9)) {
        return {context_->read(whole.get()).front().outer};
    }
    const GeosContext::Owned cut =
        context_->own(GEOSConstrainedDelaunayTriangulation_r(handle, whole.get()));
    std::vector<Ring> parts;
    for (Polygon& triangle : context_->read(cut.get())) {
        parts.push_back(std::move(triangle.outer));
    }
    return parts;
}

namespace {

// The part of the plane round the eye, out to `reach`, that lies in front of the walls through
// it, given the directions in which they leave it; none when they part nothing.
std::optional<Ring> sideSeen(const GeosContext& context, const GEOSGeometry* field, const Eye& eye,
                             std::vector<double> ways, double reach) {
    constexpr double turn = 2 * std::numbers::pi;
    std::sort(ways.begin(), ways.end());
    // Walls along one line, or one along another, part the plane there once.
    ways.erase(std::unique(ways.begin(), ways.end(),
                           [](double kept, double way) { return way - kept < edgeOnAngle; }),
               ways.end());
    if (ways.size() > 1 && ways.back() - ways.front() > turn - edgeOnAngle) {
        ways.pop_back();
    }
    const std::size_t count = ways.size();
    if (count < 2) {
        return std::nullopt;
    }
    // Part i runs counter-clockwise from ways[i] to the next way.
    const auto part = [&](std::size_t i) {
        return wedge(eye.at, ways[i], i + 1 < count ? ways[i + 1] : ways.front() + turn, reach);
    };
    const double axis = std::fmod(std::fmod(eye.axis, turn) + turn, turn);
    const std::size_t next =
        std::size_t(std::upper_bound(ways.begin(), ways.end(), axis) - ways.begin()) % count;
    const std::size_t ahead = (next + count - 1) % count;
    const auto along = [&](double way) {
        const double apart = std::abs(axis - way);
        return std::min(apart, turn - apart) < edgeOnAngle;
    };
    if (!along(ways[ahead]) && !along(ways[next])) {
        return part(ahead);
    }
    // The axis runs along a wall: the part to its left, unless the one to its right holds more
    // of the field.
    const std::size_t left = along(ways[ahead]) ? ahead : next;
    const std::size_t right = (left + count - 1) % count;
    const auto held = [&](std::size_t i) {
        const GeosContext::Owned side = context.polygon(part(i), {});
        return side
                   ? context.area(
                         context.own(GEOSIntersection_r(context.handle(), field, side.get())).get())
                   : 0;
    };
    return part(held(right) > held(left) * (1 + 1e-9) ? right : left);
}

// `seen` less the shadows of `count` casters, the nearest first: `shadowOf(i, around)` is the
// i-th caster's shadow as it comes (null for none), `around` the box of the eye and what is still
// seen, which holds every shadow that matters. In batches: a batch's shadows that fall on what is
// still seen are united and taken from it. A batch takes one shadow more than half as many as
// have fallen so far. In a building most casters are then found hidden behind nearer ones, whose
// shadows have been taken already, and cast no shadow at all; in a hall of many pillars in sight
// the batches still grow, so that few unions and differences do. Null when GEOS failed.
template <typename ShadowOf>
GeosContext::Owned takeShadows(const GeosContext& context, Point eye, GeosContext::Owned seen,
                               std::size_t count, const ShadowOf& shadowOf) {
    std::optional<Box> sight = context.extent(seen.get());
    std::size_t fallen = 0;
    std::size_t next = 0;
    while (sight && next < count) {
        const std::size_t batch = 1 + fallen / 2;
        std::vector<GeosContext::Owned> shadows;
        {
            // Destroyed before `seen` changes, as it indexes it.
            const GeosContext::Prepared still = context.prepare(seen.get());
            const Box around = sight->with(eye);
            for (; still && next < count && shadows.size() < batch; ++next) {
                // Checked only once it is known to fall on something: most shadows do not.
                GeosContext::Owned made = shadowOf(next, around);
                if (made && GEOSPreparedIntersects_r(context.handle(), still.get(), made.get())) {
                    // Only what falls in the box of what is still seen matters; the long far
                    // parts of the shadows would only make their union dear.
                    const GeosContext::Owned checked = context.valid(std::move(made));
                    GeosContext::Owned near =
                        checked ? context.own(GEOSClipByRect_r(context.handle(), checked.get(),
                                                               sight->low.x, sight->low.y,
                                                               sight->high.x, sight->high.y))
                                : nullptr;
                    if (!context.empty(near.get())) {
                        shadows.push_back(std::move(near));
                    }
                }
            }
            if (!still) {
                return nullptr;
            }
        }
        if (shadows.empty()) { // the casters are all done
            break;
        }
        fallen += shadows.size();
        const GeosContext::Owned hidden = context.united(std::move(shadows));
        if (!hidden) {
            return nullptr;
        }
        seen = context.own(GEOSDifference_r(context.handle(), seen.get(), hidden.get()));
        sight = context.extent(seen.get());
    }
    return seen;
}

// What the eye sees of the field past the walls, as one geometry; null when the eye or the field
// cannot be used, or GEOS failed.
GeosContext::Owned lookPast(const GeosContext& context, const Eye& eye, const Region& field,
                            const WallIndex& walls) {
    GeosContext::Owned seen = context.region(field);
    std::optional<Box> sight = context.extent(seen.get());
    if (!usable(eye.at) || !std::isfinite(eye.axis) || !sight) {
        return nullptr;
    }
    // The walls through the eye leave it only the side it looks to, and cast no shadow.
    std::vector<double> ways;
    for (const Segment& wall : walls.meeting({eye.at.x - onWall, eye.at.y - onWall},
                                             {eye.at.x + onWall, eye.at.y + onWall})) {
        if (onIt(eye.at, wall)) {
            const std::vector<double> more = leaving(eye.at, wall);
            ways.insert(ways.end(), more.begin(), more.end());
        }
    }
    if (const std::optional<Ring> side = sideSeen(context, seen.get(), eye, std::move(ways),
                                                  2 * std::max(sight->farthestFrom(eye.at), 1.0))) {
        const GeosContext::Owned front = context.polygon(*side, {});
        seen = front ? context.own(GEOSIntersection_r(context.handle(), seen.get(), front.get()))
                     : nullptr;
        if (!seen) {
            return nullptr;
        }
        sight = context.extent(seen.get());
        if (!sight) {
            return seen;
        }
    }
    // A wall that hides part of the field from the eye lies between them, so in the box that
    // holds both.
    std::vector<Segment> candidates;
    for (const Segment& wall : walls.meeting(sight->with(eye.at).low, sight->with(eye.at).high)) {
        if (!onIt(eye.at, wall)) {
            candidates.push_back(wall);
        }
    }
    if (candidates.empty()) {
        return seen;
    }
    double farthest = 0;
    for (const Segment& wall : candidates) {
        farthest =
            std::max({farthest, squaredDistance(eye.at, wall.a), squaredDistance(eye.at, wall.b)});
    }
    const GeosContext::Owned past =
        context.polygon(seenPast(eye, sightWindow(eye.at, eye.axis, field), candidates,
                                 2 * std::max(sight->farthestFrom(eye.at), std::sqrt(farthest))),
                        {});
    return past ? context.own(GEOSIntersection_r(context.handle(), seen.get(), past.get()))
                : nullptr;
}

} // namespace

Region Geometry::visibleFrom(const Eye& eye, const Region& field, const WallIndex& walls) const {
    return context_->read(lookPast(*context_, eye, field, walls).get());
}

std::vector<SeenPiece> Geometry::visibleParts(const Eye& eye, const Region& field,
                                              const std::vector<Piece>& pieces,
                                              const WallIndex& walls,
                                              const std::vector<std::vector<Point>>& hidden) const {
    const GEOSContextHandle_t handle = context_->handle();
    const GeosContext::Owned seen = lookPast(*context_, eye, field, walls);
    // What the hidden rings leave of it, nearest first as the walls' shadows.
    GeosContext::Owned seenPast;
    if (seen && !hidden.empty()) {
        std::vector<std::pair<double, const std::vector<Point>*>> byDistance;
        for (const std::vector<Point>& points : hidden) {
            if (std::optional<Box> box = Box::of(points)) {
                byDistance.emplace_back(box->squaredDistanceTo(eye.at), &points);
            }
        }
        std::sort(byDistance.begin(), byDistance.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        seenPast = takeShadows(
            *context_, eye.at, context_->own(GEOSGeom_clone_r(handle, seen.get())),
            byDistance.size(), [&](std::size_t i, const Box& around) {
                // Hulled only when it may fall on what is still seen: most never do.
                const std::vector<Point>& points = *byDistance[i].second;
                return Box::of(points)->meets(around) ? context_->hull(points) : nullptr;
            });
    }
    std::vector<SeenPiece> parts;
    for (const Piece& piece : pieces) {
        const GEOSGeometry* sees = piece.hideable && seenPast ? seenPast.get() : seen.get();
        const GeosContext::Owned whole = sees ? context_->region(piece.region) : nullptr;
        const GeosContext::Owned visible =
            whole ? context_->own(GEOSIntersection_r(handle, sees, whole.get())) : nullptr;
        SeenPiece part{context_->read(visible.get()), context_->area(visible.get())};
        if (piece.probe && usable(*piece.probe) && !context_->empty(visible.get())) {
            const GeosContext::Owned at =
                context_->own(GEOSGeom_createPointFromXY_r(handle, piece.probe->x, piece.probe->y));
            part.probeSeen = at && GEOSCovers_r(handle, visible.get(), at.get()) == 1;
        }
        parts.push_back(std::move(part));
    }
    return parts;
}

} // namespace vistaro::plane
