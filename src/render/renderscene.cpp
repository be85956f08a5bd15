// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/renderscene.h"

#include "geometry/geometry.h"
#include "site/snapping.h"

#include <QPolygonF>
#include <QRectF>
#include <algorithm>
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

} // namespace

struct RenderScene::Data {
    int storey = 0;
    double heightM = 0;
    PlanPoint offset;
    std::vector<Primitive> primitives;
    std::vector<WallBox> walls;
    std::vector<ObstaclePrism> obstacles;
    std::vector<ScenePerson> people;
    RTCDevice device = nullptr;
    RTCScene scene = nullptr;

    ~Data() {
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
    const QRectF extent = storeyExtent(site, storey);
    d.offset = {extent.center().x(), extent.center().y()};
    MeshBuilder mesh(d.offset);

    // The floor reaches well beyond the items, so that a camera sees it up to the horizon's haze.
    const double margin = std::max(50.0, std::hypot(extent.width(), extent.height()));
    const QRectF floor = extent.adjusted(-margin, -margin, margin, margin);
    mesh.quad({floor.left(), floor.top(), 0}, {floor.right(), floor.top(), 0},
              {floor.right(), floor.bottom(), 0}, {floor.left(), floor.bottom(), 0},
              {HitKind::Floor, 0});

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

    for (const SiteArea& area : site.areas)
        if (area.storey == storey && !area.points.empty()) {
            QPolygonF polygon;
            for (const PlanPoint& p : area.points)
                polygon << QPointF(p.x, p.y);
            const QPointF centre = polygon.boundingRect().center();
            d.people.push_back({area.name, {centre.x(), centre.y()}});
        }
    for (const SiteCamera& camera : site.cameras)
        if (camera.storey == storey)
            d.people.push_back({camera.name, aimPoint(camera)});
    for (std::size_t p = 0; p < d.people.size(); ++p) {
        const PlanPoint at = d.people[p].at;
        if (!finite(at))
            continue;
        const double half = PersonWidthM / 2;
        const std::vector<PlanPoint> box{{at.x - half, at.y - half},
                                         {at.x + half, at.y - half},
                                         {at.x + half, at.y + half},
                                         {at.x - half, at.y + half}};
        mesh.box(box, 0, PersonHeightM, {HitKind::Person, static_cast<int>(p)});
    }

    d.device = rtcNewDevice(nullptr);
    // Without a device (no memory, a processor Embree does not know) every ray meets nothing.
    if (!d.device)
        return;
    d.scene = rtcNewScene(d.device);
    // Built once and cast at many times: a better tree pays back.
    rtcSetSceneBuildQuality(d.scene, RTC_BUILD_QUALITY_HIGH);
    RTCGeometry triangles = rtcNewGeometry(d.device, RTC_GEOMETRY_TYPE_TRIANGLE);
    const std::size_t count = mesh.primitives_.size();
    auto* vertices = static_cast<float*>(rtcSetNewGeometryBuffer(
        triangles, RTC_BUFFER_TYPE_VERTEX, 0, RTC_FORMAT_FLOAT3, 3 * sizeof(float), 3 * count));
    std::copy(mesh.vertices_.begin(), mesh.vertices_.end(), vertices);
    auto* indices = static_cast<unsigned*>(rtcSetNewGeometryBuffer(
        triangles, RTC_BUFFER_TYPE_INDEX, 0, RTC_FORMAT_UINT3, 3 * sizeof(unsigned), count));
    std::copy(mesh.indices_.begin(), mesh.indices_.end(), indices);
    rtcCommitGeometry(triangles);
    rtcAttachGeometry(d.scene, triangles);
    rtcReleaseGeometry(triangles);
    rtcCommitScene(d.scene);
    d.primitives = std::move(mesh.primitives_);
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

const std::vector<ScenePerson>& RenderScene::people() const {
    return data_->people;
}

SceneHit RenderScene::cast(Vec3 origin, Vec3 direction) const {
    if (!data_->scene)
        return {};
    RTCIntersectContext context;
    rtcInitIntersectContext(&context);
    // Neighbouring pixels' rays run side by side.
    context.flags = RTC_INTERSECT_CONTEXT_FLAG_COHERENT;
    RTCRayHit rayHit{};
    RTCRay& ray = rayHit.ray;
    ray.org_x = static_cast<float>(origin.x - data_->offset.x);
    ray.org_y = static_cast<float>(origin.y - data_->offset.y);
    ray.org_z = static_cast<float>(origin.z);
    ray.dir_x = static_cast<float>(direction.x);
    ray.dir_y = static_cast<float>(direction.y);
    ray.dir_z = static_cast<float>(direction.z);
    ray.tnear = 0;
    ray.tfar = std::numeric_limits<float>::infinity();
    ray.mask = std::numeric_limits<unsigned>::max();
    rayHit.hit.geomID = RTC_INVALID_GEOMETRY_ID;
    rtcIntersect1(data_->scene, &context, &rayHit);
    if (rayHit.hit.geomID == RTC_INVALID_GEOMETRY_ID)
        return {};
    const Primitive& what = data_->primitives[rayHit.hit.primID];
    const Vec3 normal{rayHit.hit.Ng_x, rayHit.hit.Ng_y, rayHit.hit.Ng_z};
    const double length = std::sqrt(dot(normal, normal));
    return {what.kind, what.item, ray.tfar, origin + static_cast<double>(ray.tfar) * direction,
            length > 0 ? (1 / length) * normal : Vec3{0, 0, 1}};
}

SceneHit RenderScene::enclosing(Vec3 point) const {
    const PlanPoint at{point.x, point.y};
    for (const WallBox& wall : data_->walls) {
        const PlanPoint near = nearestOn(wall.a, wall.b, at);
        if (point.z >= wall.bottomM && point.z <= wall.topM &&
            std::hypot(at.x - near.x, at.y - near.y) <= WallThicknessM / 2)
            return {HitKind::Wall, wall.wall, 0, point, {}};
    }
    for (const ObstaclePrism& obstacle : data_->obstacles)
        if (point.z >= obstacle.bottomM && point.z <= obstacle.topM &&
            obstacle.outline.containsPoint({at.x, at.y}, Qt::OddEvenFill))
            return {HitKind::Obstacle, obstacle.obstacle, 0, point, {}};
    return {};
}

} // namespace vistaro
