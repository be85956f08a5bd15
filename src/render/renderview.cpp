// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/renderview.h"

#include "render/camerarays.h"
#include "site/snapping.h"

#include <QCoreApplication>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <memory>
#include <mutex>
#include <numbers>
#include <thread>

namespace vistaro {

namespace {

constexpr QRgb SkyColour = 0xffdfe6ec;
constexpr QRgb DarkColour = 0xff000000; // beyond the lens's image circle
constexpr QRgb FloorColour = 0xffc8c8c8;
constexpr QRgb DeadStripeColour = 0xff8c8c8c;
constexpr QRgb OutlineColour = 0xff0072b2;
constexpr QRgb PersonColour = 0xffe69f00;
// As the plan lays the bands over its background.
constexpr int BandAlpha = 150;
constexpr double DeadStripeM = 0.2;
// An area's outline is this wide on the floor at least, and never under 1.5 pixels.
constexpr double OutlineM = 0.03;
constexpr double OutlinePixels = 1.5;

QString text(const char* source) {
    return QCoreApplication::translate("CameraView", source);
}

QRgb blend(QRgb over, QRgb under, int alpha) {
    const auto mix = [alpha](int a, int b) { return (a * alpha + b * (255 - alpha)) / 255; };
    return qRgb(mix(qRed(over), qRed(under)), mix(qGreen(over), qGreen(under)),
                mix(qBlue(over), qBlue(under)));
}

// Lit from the camera: a face square to the ray at its brightest.
QRgb lit(QRgb colour, Vec3 normal, Vec3 direction) {
    const double facing = std::abs(dot(normal, direction));
    return blend(colour, 0xff000000, static_cast<int>(std::lround(255 * (0.35 + 0.65 * facing))));
}

struct AreaEdges {
    const std::vector<PlanPoint>* outline;
    QRectF box;
};

bool nearAnEdge(const std::vector<AreaEdges>& areas, PlanPoint at, double width) {
    for (const AreaEdges& area : areas) {
        if (!area.box.adjusted(-width, -width, width, width).contains(at.x, at.y))
            continue;
        const std::vector<PlanPoint>& o = *area.outline;
        for (std::size_t i = 0; i < o.size(); ++i) {
            const PlanPoint near = nearestOn(o[i], o[(i + 1) % o.size()], at);
            if (std::hypot(at.x - near.x, at.y - near.y) <= width)
                return true;
        }
    }
    return false;
}

// Runs `work(first)` for the bands of `rows` rows that start at each `first` row, the bands
// handed out in turn to every core, so that a core slowed by another program takes fewer.
template <class BandWork> void overBands(int height, int rows, const BandWork& work) {
    const int bands = (height + rows - 1) / rows;
    const int threads = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, bands);
    std::atomic<int> next = 0;
    const auto take = [&] {
        for (int band = next++; band < bands; band = next++)
            work(band * rows);
    };
    std::vector<std::jthread> workers;
    for (int t = 1; t < threads; ++t)
        workers.emplace_back(take);
    take();
}

// Every pixel's ray in the camera's frame: x, y, z and the angle off the axis, a negative angle
// where the picture is dark.
struct LocalRays {
    CameraRays lens;
    std::vector<float> rays;
};

// A camera dragged or turned keeps its lens, and a site's cameras share a few lenses (the
// report draws them one after the other): the rays of the last lenses in their own frames are
// worked out once and kept for the next pictures of the same lens, up to a few pictures' worth.
std::shared_ptr<const LocalRays> localRaysOf(const CameraRays& lens) {
    constexpr std::size_t KeptLenses = 8;
    constexpr std::size_t KeptFloats = 4 * 2'000'000; // two million pixels, 32 MB
    static std::mutex mutex;
    static std::vector<std::shared_ptr<const LocalRays>> kept; // the latest first
    {
        const std::lock_guard lock(mutex);
        const auto same = std::find_if(kept.begin(), kept.end(), [&lens](const auto& rays) {
            return rays->lens.samePicture(lens);
        });
        if (same != kept.end()) {
            std::rotate(kept.begin(), same, same + 1);
            return kept.front();
        }
    }
    auto made = std::make_shared<LocalRays>(LocalRays{lens, {}});
    const int width = lens.picture().width();
    made->rays.resize(4 * static_cast<std::size_t>(width) * lens.picture().height());
    overBands(lens.picture().height(), 1, [&](int row) {
        float* out = made->rays.data() + 4 * static_cast<std::size_t>(row) * width;
        for (int column = 0; column < width; ++column, out += 4) {
            const std::optional<PictureRay> ray = lens.localRay(column + 0.5, row + 0.5);
            out[0] = ray ? static_cast<float>(ray->direction.x) : 0;
            out[1] = ray ? static_cast<float>(ray->direction.y) : 0;
            out[2] = ray ? static_cast<float>(ray->direction.z) : 0;
            out[3] = ray ? static_cast<float>(ray->offAxisRad) : -1;
        }
    });
    const std::lock_guard lock(mutex);
    kept.insert(kept.begin(), made);
    std::size_t floats = 0;
    const auto overflowing = std::find_if(kept.begin(), kept.end(), [&floats](const auto& rays) {
        floats += rays->rays.size();
        return floats > KeptFloats;
    });
    kept.erase(std::max(overflowing, kept.begin() + 1), kept.end());
    if (kept.size() > KeptLenses)
        kept.pop_back();
    return made;
}

} // namespace

ViewPoint CameraView::at(QPoint pixel) const {
    if (!image.rect().contains(pixel))
        return {};
    const Pixel& p = pixels_[static_cast<std::size_t>(pixel.y() * image.width() + pixel.x())];
    ViewPoint point;
    point.kind = p.kind;
    point.item = p.item;
    if (p.kind == HitKind::None)
        return point;
    const std::optional<PictureRay> ray = rays_->localRay(pixel.x() + 0.5, pixel.y() + 0.5);
    if (!ray)
        return point;
    if (p.kind != HitKind::Floor)
        point.densityPerM = rays_->densityAt(ray->offAxisRad, p.distanceM);
    if (p.level >= 0)
        point.level = static_cast<Level>(p.level);
    point.deadZone = p.level == -2;
    if (p.kind == HitKind::Obstacle)
        point.name = obstacleNames_.at(static_cast<std::size_t>(p.item));
    else if (p.kind == HitKind::Person)
        point.name = personNames_.at(static_cast<std::size_t>(p.item));
    else if (p.kind == HitKind::Floor) {
        const Vec3 floor = from_ + p.distanceM * rays_->toSite(ray->direction);
        point.floorPoint = PlanPoint{floor.x, floor.y};
        if (!point.deadZone)
            point.densityPerM = rays_->targetDensity(*point.floorPoint);
        const auto inside = std::find_if(areas_.begin(), areas_.end(), [&point](const auto& area) {
            return area.second.containsPoint(QPointF(point.floorPoint->x, point.floorPoint->y),
                                             Qt::OddEvenFill);
        });
        if (inside != areas_.end())
            point.name = inside->first;
    }
    return point;
}

std::variant<CameraView, QString> renderView(const RenderScene& scene, const Site& site,
                                             int cameraIndex, int width, int height) {
    if (cameraIndex < 0 || cameraIndex >= static_cast<int>(site.cameras.size()))
        return text("There is no such camera.");
    const SiteCamera& camera = site.cameras[static_cast<std::size_t>(cameraIndex)];
    if (camera.storey != scene.storey())
        return text("The camera stands on another storey.");
    if (width <= 0 || height <= 0 || width > MaxViewSide || height > MaxViewSide)
        return text("The picture has no size, or is too large.");
    if (!(camera.mountHeightM > 0))
        return text("The camera is not above its floor.");
    // A camera mounted on the ceiling is at its height.
    if (const std::optional<double> ceiling = scene.ceilingM();
        ceiling && !(camera.mountHeightM <= *ceiling))
        return text("The camera is above its ceiling.");
    const double pan = camera.panDeg * std::numbers::pi / 180;
    const std::optional<Vec3> from =
        scene.mountedAt({camera.position.x, camera.position.y, camera.mountHeightM},
                        {std::cos(pan), std::sin(pan)});
    const HitKind inside = from ? scene.enclosing(*from).kind : HitKind::Wall;
    if (inside == HitKind::Wall)
        return text("The camera is inside a wall.");
    if (inside == HitKind::Obstacle)
        return text("The camera is inside an obstacle.");
    const std::optional<CameraRays> rays =
        CameraRays::of(camera, site.levelSet, QSize(width, height));
    if (!rays)
        return text("The camera's inputs give no view.");

    CameraView view;
    view.rays_ = rays;
    view.from_ = *from;
    view.image = QImage(width, height, QImage::Format_RGB32);
    view.pixels_ = std::make_shared_for_overwrite<CameraView::Pixel[]>(
        static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (const SiteObstacle& obstacle : site.obstacles)
        view.obstacleNames_.push_back(obstacle.name);
    for (const ScenePerson& person : scene.people())
        view.personNames_.push_back(person.name);
    std::vector<AreaEdges> areas;
    for (const SiteArea& area : site.areas) {
        if (area.storey != camera.storey)
            continue;
        QPolygonF outline;
        for (const PlanPoint& p : area.points)
            outline << QPointF(p.x, p.y);
        areas.push_back({&area.points, outline.boundingRect()});
        view.areas_.emplace_back(area.name, outline);
    }

    const double pixelAngle = rays->metresPerPixelAtOneMetre();
    const std::shared_ptr<const LocalRays> local = localRaysOf(*rays);
    const Vec3 origin = *from;
    // What a pixel shows, into its record and its colour.
    const auto shade = [&](const SceneHit& hit, Vec3 direction, CameraView::Pixel& pixel) -> QRgb {
        pixel = {hit.kind, -1, hit.item, static_cast<float>(hit.distanceM)};
        switch (hit.kind) {
        case HitKind::None:
            return SkyColour;
        case HitKind::Floor: {
            const PlanPoint at{hit.point.x, hit.point.y};
            const std::optional<double> density = rays->targetDensity(at);
            QRgb colour = FloorColour;
            if (!density) {
                pixel.level = -2;
                if (static_cast<long long>(std::floor((at.x + at.y) / DeadStripeM)) % 2 == 0)
                    colour = DeadStripeColour;
            } else {
                const std::optional<Level> level = levelReached(*density, rays->levelDensities());
                if (level) {
                    pixel.level = static_cast<std::int8_t>(std::min<Level>(*level, 127));
                    colour = blend(levelColour(*level), FloorColour, BandAlpha);
                }
            }
            const double outlineM = std::max(OutlineM, OutlinePixels * hit.distanceM * pixelAngle);
            return nearAnEdge(areas, at, outlineM) ? OutlineColour : colour;
        }
        case HitKind::Wall:
        case HitKind::Obstacle:
        case HitKind::Person:
            return lit(hit.kind == HitKind::Person ? PersonColour : 0xffffffff, hit.normal,
                       direction);
        }
        return SkyColour;
    };
    // Taken once: each call of a QImage's writing functions checks whether it is shared.
    QRgb* const bits = reinterpret_cast<QRgb*>(view.image.bits());
    // Squares of pixels, one bundle of rays each: neighbours' rays meet the same things.
    constexpr int Side = 4;
    static_assert(Side * Side == RenderScene::BundleSize);
    overBands(height, Side, [&](int top) {
        const int rows = std::min(Side, height - top);
        for (int left = 0; left < width; left += Side) {
            const int columns = std::min(Side, width - left);
            std::array<Vec3, RenderScene::BundleSize> directions{};
            std::array<bool, RenderScene::BundleSize> dark{};
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < columns; ++c) {
                    const float* inFrame =
                        local->rays.data() +
                        4 * (static_cast<std::size_t>(top + r) * width + left + c);
                    dark[r * Side + c] = inFrame[3] < 0;
                    if (!dark[r * Side + c])
                        directions[r * Side + c] =
                            rays->toSite({inFrame[0], inFrame[1], inFrame[2]});
                }
            std::array<SceneHit, RenderScene::BundleSize> hits;
            scene.cast(origin, directions, hits);
            for (int r = 0; r < rows; ++r) {
                QRgb* line = bits + static_cast<std::size_t>(top + r) * width + left;
                CameraView::Pixel* pixels =
                    view.pixels_.get() + static_cast<std::size_t>(top + r) * width + left;
                for (int c = 0; c < columns; ++c) {
                    const int i = r * Side + c;
                    if (dark[i]) {
                        pixels[c] = {HitKind::None, -1, -1, 0};
                        line[c] = DarkColour;
                    } else {
                        line[c] = shade(hits[i], directions[i], pixels[c]);
                    }
                }
            }
        }
    });
    return view;
}

} // namespace vistaro
