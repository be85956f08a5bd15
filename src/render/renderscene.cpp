// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/renderscene.h"

#include "geometry/geometry.h"
#include "site/snapping.h"

#include <QPolygonF>
#include <QRectF>
#include <algorithm>
#include <array>
#include <cmath>
#include <embree3/rtcore.h>
#include <limits>
#include <numbers>
#include <utility>

namespace vistaro {

namespace {

struct Primitive {
    HitKind kind;
    int item;
};

// A wall's segment as a box, for the camera's place.
struct WallBox {
    PlanPoint a;
    PlanPoint b;
    double bottomM;
    double topM;
    int wall;
};

struct ObstaclePrism {
    QPolygonF outline;
    double bottomM;
    double topM;
    int obstacle;
};

// Triangles in local coordinates (around `offset`, so that floats keep millimetres far from the
// plan's origin), each knowing what it belongs to.
class MeshBuilder {
public:
    explicit MeshBuilder(PlanPoint offset) : offset_(offset) {}

    void triangle(Vec3 a, Vec3 b, Vec3 c, Primitive what) {
        const auto index = static_cast<unsigned>(vertices_.size() / 3);
        for (const Vec3& v : {a, b, c}) {
            vertices_.push_back(static_cast<float>(v.x - offset_.x));
            vertices_.push_back(static_cast<float>(v.y - offset_.y));
            vertices_.push_back(static_cast<float>(v.z));
        }
        indices_.insert(indices_.end(), {index, index + 1, index + 2});
        primitives_.push_back(what);
    }

    void quad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, Primitive what) {
        triangle(a, b, c, what);
        triangle(a, c, d, what);
    }

    // A vertical prism of a convex or any outline between two heights, its caps made of
    // `caps`, convex rings.
    void prism(const std::vector<PlanPoint>& outline, const std::vector<plane::Ring>& caps,
               double bottom, double top, Primitive what) {
        for (std::size_t i = 0; i < outline.size(); ++i) {
            const PlanPoint& a = outline[i];
            const PlanPoint& b = outline[(i + 1) % outline.size()];
            quad({a.x, a.y, bottom}, {b.x, b.y, bottom}, {b.x, b.y, top}, {a.x, a.y, top}, what);
        }
        for (const plane::Ring& cap : caps)
            for (std::size_t i = 1; i + 1 < cap.size(); ++i)
                for (const double z : {bottom, top})
                    triangle({cap[0].x, cap[0].y, z}, {cap[i].x, cap[i].y, z},
                             {cap[i + 1].x, cap[i + 1].y, z}, what);
    }

    // A prism of four corners, a convex outline: each cap is the outline itself.
    void box(const std::vector<PlanPoint>& corners, double bottom, double top, Primitive what) {
        plane::Ring cap;
        for (const PlanPoint& p : corners)
            cap.push_back({p.x, p.y});
        prism(corners, {cap}, bottom, top, what);
    }

    std::vector<float> vertices_;
    std::vector<unsigned> indices_;
    std::vector<Primitive> primitives_;

private:
    PlanPoint offset_;
};

// Whether the wall's box, half its thickness to either side of its line, holds `point`.
bool holds(const WallBox& wall, Vec3 point) {
    const PlanPoint at{point.x, point.y};
    const PlanPoint near = nearestOn(wall.a, wall.b, at);
    return point.z >= wall.bottomM && point.z <= wall.topM &&
           std::hypot(at.x - near.x, at.y - near.y) <= RenderScene::WallThicknessM / 2;
}

bool finite(PlanPoint p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

QRectF storeyExtent(const Site& site, int storey) {
    QRectF box;
    const auto add = [&box](PlanPoint p) {
        if (!finite(p))
            return;
        const QRectF dot(p.x, p.y, 0, 0);
        box = box.isNull() ? dot : box.united(dot);
    };
    for (const SiteWall& wall : site.walls)
        if (wall.storey == storey)
            std::for_each(wall.points.begin(), wall.points.end(), add);
    for (const SiteObstacle& obstacle : site.obstacles)
        if (obstacle.storey == storey)
            std::for_each(obstacle.points.begin(), obstacle.points.end(), add);
    for (const SiteArea& area : site.areas)
        if (area.storey == storey)
            std::for_each(area.points.begin(), area.points.end(), add);
    for (const SiteCamera& camera : site.cameras)
        if (camera.storey == storey)
            add(camera.position);
    return box;
}

PlanPoint aimPoint(const SiteCamera& camera) {
    const double pan = camera.panDeg * std::numbers::pi / 180;
    return {camera.position.x + camera.distanceM * std::cos(pan),
            camera.position.y + camera.distanceM * std::sin(pan)};
}

// The mesh's triangles as a scene of `device`; none when there are none.
RTCScene sceneOf(RTCDevice device, const MeshBuilder& mesh, RTCBuildQuality quality) {
    const std::size_t count = mesh.primitives_.size();
    if (count == 0)
        return nullptr;
    RTCScene scene = rtcNewScene(device);
    rtcSetSceneBuildQuality(scene, quality);
    RTCGeometry triangles = rtcNewGeometry(device, RTC_GEOMETRY_TYPE_TRIANGLE);
    auto* vertices = static_cast<float*>(rtcSetNewGeometryBuffer(
        triangles, RTC_BUFFER_TYPE_VERTEX, 0, RTC_FORMAT_FLOAT3, 3 * sizeof(float), 3 * count));
    std::copy(mesh.vertices_.begin(), mesh.vertices_.end(), vertices);
    auto* indices = static_cast<unsigned*>(rtcSetNewGeometryBuffer(
        triangles, RTC_BUFFER_TYPE_INDEX, 0, RTC_FORMAT_UINT3, 3 * sizeof(unsigned), count));
    std::copy(mesh.indices_.begin(), mesh.indices_.end(), indices);
    rtcCommitGeometry(triangles);
    rtcAttachGeometry(scene, triangles);
    rtcReleaseGeometry(triangles);
    rtcCommitScene(scene);
    return scene;
}

} // namespace

std::vector<ScenePerson> peopleOf(const Site& site, int storey) {
    std::vector<ScenePerson> people;
    for (const SiteArea& area : site.areas)
        if (area.storey == storey && !area.points.empty()) {
            QPolygonF polygon;
            for (const PlanPoint& p : area.points)
                polygon << QPointF(p.x, p.y);
            const QPointF centre = polygon.boundingRect().center();
            people.push_back({area.name, {centre.x(), centre.y()}});
        }
    for (const SiteCamera& camera : site.cameras)
        if (camera.storey == storey)
            people.push_back({camera.name, aimPoint(camera)});
    return people;
}

struct RenderScene::Data {
    int storey = 0;
    double heightM = 0;
    PlanPoint offset;
    QRectF floor;
    std::vector<Primitive> primitives;
    std::vector<Primitive> crowdPrimitives;
    std::vector<WallBox> walls;
    std::vector<ObstaclePrism> obstacles;
    std::vector<ScenePerson> people;
    std::optional<double> ceilingM;
    RTCDevice device = nullptr;
    RTCScene scene = nullptr;
    // The people in a scene of their own, so that they move without the storey built again.
    RTCScene crowd = nullptr;

    // How far along the ray from `origin` along `direction` it meets the floor; infinity where
    // it runs level, away from it, or past its edge.
    double floorDistance(Vec3 origin, Vec3 direction) const {
        const double t = -origin.z / direction.z;
        if (!(t > 0) || !std::isfinite(t) ||
            !floor.contains(origin.x + t * direction.x, origin.y + t * direction.y))
            return std::numeric_limits<double>::infinity();
        return t;
    }

    ~Data() {
        if (crowd)
            rtcReleaseScene(crowd);
        if (scene)
            rtcReleaseScene(scene);
        if (device)
            rtcReleaseDevice(device);
    }
};

RenderScene::RenderScene(const Site& site, int storey) : data_(std::make_unique<Data>()) {
    Data& d = *data_;
    d.storey = storey;
    d.heightM = storey >= 0 && storey < static_cast<int>(site.storeys.size())
                    ? site.storeys[static_cast<std::size_t>(storey)].heightM
                    : 0;
    // Under the top storey the sky is open: a camera on a pole is not refused by a ceiling that
    // no storey above stands on.
    if (storey >= 0 && storey < static_cast<int>(site.storeys.size())) {
        const double elevation = site.storeys[static_cast<std::size_t>(storey)].elevationM;
        if (std::any_of(
                site.storeys.begin(), site.storeys.end(),
                [elevation](const SiteStorey& other) { return other.elevationM > elevation; }))
            d.ceilingM = d.heightM;
    }
    const QRectF extent = storeyExtent(site, storey);
    d.offset = {extent.center().x(), extent.center().y()};
    MeshBuilder mesh(d.offset);

    // The floor reaches well beyond the items, so that a camera sees it up to the horizon's haze.
    // It is met by hand rather than in the tree: a ray stops at it before the tree is searched,
    // so that the search skips all that lies beyond.
    const double margin = std::max(50.0, std::hypot(extent.width(), extent.height()));
    d.floor = extent.adjusted(-margin, -margin, margin, margin);

    for (std::size_t w = 0; w < site.walls.size(); ++w) {
        const SiteWall& wall = site.walls[w];
        if (wall.storey != storey)
            continue;
        const double top = std::min(wall.topM.value_or(d.heightM), d.heightM);
        const double bottom = std::max(wall.bottomM, 0.0);
        for (std::size_t i = 0; i + 1 < wall.points.size(); ++i) {
            const PlanPoint a = wall.points[i];
            const PlanPoint b = wall.points[i + 1];
            const double length = std::hypot(b.x - a.x, b.y - a.y);
            if (!(length > 0) || !std::isfinite(length) || !(top > bottom))
                continue;
            d.walls.push_back({a, b, bottom, top, static_cast<int>(w)});
            // Half the thickness to either side of the line.
            const double nx = -(b.y - a.y) / length * WallThicknessM / 2;
            const double ny = (b.x - a.x) / length * WallThicknessM / 2;
            const std::vector<PlanPoint> box{{a.x - nx, a.y - ny},
                                             {b.x - nx, b.y - ny},
                                             {b.x + nx, b.y + ny},
                                             {a.x + nx, a.y + ny}};
            mesh.box(box, bottom, top, {HitKind::Wall, static_cast<int>(w)});
        }
    }

    const plane::Geometry geometry;
    for (std::size_t o = 0; o < site.obstacles.size(); ++o) {
        const SiteObstacle& obstacle = site.obstacles[o];
        if (obstacle.storey != storey || !(obstacle.topM > obstacle.bottomM) ||
            !std::all_of(obstacle.points.begin(), obstacle.points.end(), finite))
            continue;
        plane::Ring outline;
        QPolygonF polygon;
        for (const PlanPoint& p : obstacle.points) {
            outline.push_back({p.x, p.y});
            polygon << QPointF(p.x, p.y);
        }
        const std::vector<plane::Ring> caps = geometry.convexParts({plane::Polygon{outline, {}}});
        if (caps.empty())
            continue;
        d.obstacles.push_back({polygon, obstacle.bottomM, obstacle.topM, static_cast<int>(o)});
        mesh.prism(obstacle.points, caps, obstacle.bottomM, obstacle.topM,
                   {HitKind::Obstacle, static_cast<int>(o)});
    }

    d.device = rtcNewDevice(nullptr);
    // Without a device (no memory, a processor Embree does not know) every ray meets the floor.
    if (!d.device)
        return;
    // Built once and cast at many times: a better tree pays back.
    d.scene = sceneOf(d.device, mesh, RTC_BUILD_QUALITY_HIGH);
    d.primitives = std::move(mesh.primitives_);
    setPeople(peopleOf(site, storey));
}

void RenderScene::setPeople(std::vector<ScenePerson> people) {
    Data& d = *data_;
    MeshBuilder mesh(d.offset);
    for (std::size_t p = 0; p < people.size(); ++p) {
        const PlanPoint at = people[p].at;
        if (!finite(at))
            continue;
        const double half = PersonWidthM / 2;
        const std::vector<PlanPoint> box{{at.x - half, at.y - half},
                                         {at.x + half, at.y - half},
                                         {at.x + half, at.y + half},
                                         {at.x - half, at.y + half}};
        mesh.box(box, 0, PersonHeightM, {HitKind::Person, static_cast<int>(p)});
    }
    if (d.crowd)
        rtcReleaseScene(d.crowd);
    // A few boxes, built again at every step of a camera's drag: the quickest build.
    d.crowd = d.device ? sceneOf(d.device, mesh, RTC_BUILD_QUALITY_LOW) : nullptr;
    d.crowdPrimitives = std::move(mesh.primitives_);
    d.people = std::move(people);
}

RenderScene::~RenderScene() = default;
RenderScene::RenderScene(RenderScene&&) noexcept = default;
RenderScene& RenderScene::operator=(RenderScene&&) noexcept = default;

int RenderScene::storey() const {
    return data_->storey;
}

double RenderScene::heightM() const {
    return data_->heightM;
}

std::optional<double> RenderScene::ceilingM() const {
    return data_->ceilingM;
}

bool RenderScene::onFloor(PlanPoint point) const {
    return data_->floor.contains(point.x, point.y);
}

const std::vector<ScenePerson>& RenderScene::people() const {
    return data_->people;
}

SceneHit RenderScene::cast(Vec3 origin, Vec3 direction) const {
    SceneHit hit;
    cast(origin, {&direction, 1}, {&hit, 1});
    return hit;
}

void RenderScene::cast(Vec3 origin, std::span<const Vec3> directions,
                       std::span<SceneHit> hits) const {
    const Data& d = *data_;
    const std::size_t count = std::min<std::size_t>(directions.size(), BundleSize);
    std::array<double, BundleSize> floorAt{};
    alignas(64) std::array<int, BundleSize> valid{};
    RTCRayHit16 bundle;
    for (std::size_t i = 0; i < BundleSize; ++i) {
        const Vec3 direction = i < count ? directions[i] : Vec3{};
        valid[i] = dot(direction, direction) > 0 ? -1 : 0;
        floorAt[i] =
            valid[i] ? d.floorDistance(origin, direction) : std::numeric_limits<double>::infinity();
        bundle.ray.org_x[i] = static_cast<float>(origin.x - d.offset.x);
        bundle.ray.org_y[i] = static_cast<float>(origin.y - d.offset.y);
        bundle.ray.org_z[i] = static_cast<float>(origin.z);
        bundle.ray.dir_x[i] = static_cast<float>(direction.x);
        bundle.ray.dir_y[i] = static_cast<float>(direction.y);
        bundle.ray.dir_z[i] = static_cast<float>(direction.z);
        bundle.ray.tnear[i] = 0;
        bundle.ray.tfar[i] = static_cast<float>(floorAt[i]);
        bundle.ray.time[i] = 0;
        bundle.ray.mask[i] = std::numeric_limits<unsigned>::max();
        bundle.ray.id[i] = 0;
        bundle.ray.flags[i] = 0;
        bundle.hit.geomID[i] = RTC_INVALID_GEOMETRY_ID;
    }
    RTCIntersectContext context;
    rtcInitIntersectContext(&context);
    // Neighbouring pixels' rays run side by side.
    context.flags = RTC_INTERSECT_CONTEXT_FLAG_COHERENT;
    // What each ray meets of the storey, then whether a person stands nearer: the people's
    // scene is searched only as far as the storey's hit.
    std::array<const Primitive*, BundleSize> met{};
    std::array<Vec3, BundleSize> normals{};
    std::array<double, BundleSize> distances{};
    const auto take = [&](const std::vector<Primitive>& primitives) {
        for (std::size_t i = 0; i < BundleSize; ++i)
            if (bundle.hit.geomID[i] != RTC_INVALID_GEOMETRY_ID) {
                met[i] = &primitives[bundle.hit.primID[i]];
                normals[i] = {bundle.hit.Ng_x[i], bundle.hit.Ng_y[i], bundle.hit.Ng_z[i]};
                distances[i] = bundle.ray.tfar[i];
                bundle.hit.geomID[i] = RTC_INVALID_GEOMETRY_ID;
            }
    };
    if (d.scene) {
        rtcIntersect16(valid.data(), d.scene, &context, &bundle);
        take(d.primitives);
    }
    if (d.crowd) {
        // A person's face that lies in a wall's or an obstacle's plane (a box at a shelf's edge)
        // gives way to it, rather than the two speckling each other as rounding falls.
        for (float& far : bundle.ray.tfar)
            far *= 1 - 1e-6F;
        rtcIntersect16(valid.data(), d.crowd, &context, &bundle);
        take(d.crowdPrimitives);
    }
    for (std::size_t i = 0; i < count; ++i) {
        const Vec3 direction = directions[i];
        SceneHit& hit = hits[i];
        if (met[i]) {
            const double length = std::sqrt(dot(normals[i], normals[i]));
            const double t = distances[i];
            hit = {met[i]->kind, met[i]->item, t, origin + t * direction,
                   length > 0 ? (1 / length) * normals[i] : Vec3{0, 0, 1}};
        } else if (std::isfinite(floorAt[i])) {
            hit = {HitKind::Floor, 0, floorAt[i], origin + floorAt[i] * direction, {0, 0, 1}};
        } else {
            hit = {};
        }
    }
}

SceneHit RenderScene::enclosing(Vec3 point) const {
    const PlanPoint at{point.x, point.y};
    for (const WallBox& wall : data_->walls)
        if (holds(wall, point))
            return {HitKind::Wall, wall.wall, 0, point, {}};
    for (const ObstaclePrism& obstacle : data_->obstacles)
        if (point.z >= obstacle.bottomM && point.z <= obstacle.topM &&
            obstacle.outline.containsPoint({at.x, at.y}, Qt::OddEvenFill))
            return {HitKind::Obstacle, obstacle.obstacle, 0, point, {}};
    return {};
}

std::optional<Vec3> RenderScene::mountedAt(Vec3 point, PlanPoint heading) const {
    // A camera on a wall's line looks out of the face its heading is on; off the line, out of
    // the face on its own side. It is set just off that face, so that the wall is behind it.
    constexpr double OnLineM = 1e-6;
    constexpr double OffFaceM = 1e-3;
    constexpr double AlongIt = 1e-9; // the sine of the angle under which a heading runs along
    for (const WallBox& wall : data_->walls) {
        if (!holds(wall, point))
            continue;
        const PlanPoint at{point.x, point.y};
        const double length = std::hypot(wall.b.x - wall.a.x, wall.b.y - wall.a.y);
        PlanPoint out{-(wall.b.y - wall.a.y) / length, (wall.b.x - wall.a.x) / length};
        const double side = (at.x - wall.a.x) * out.x + (at.y - wall.a.y) * out.y;
        const double ahead = heading.x * out.x + heading.y * out.y;
        if (std::abs(side) > OnLineM ? side < 0 : ahead < 0)
            out = {-out.x, -out.y};
        if (!(heading.x * out.x + heading.y * out.y > AlongIt))
            return std::nullopt;
        const double step = WallThicknessM / 2 + OffFaceM - std::abs(side);
        point.x += step * out.x;
        point.y += step * out.y;
    }
    return point;
}

} // namespace vistaro
