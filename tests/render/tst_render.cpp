// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "geometry/geometry.h"
#include "render/renderview.h"
#include "render/standingpictures.h"
#include "render/storeyscenes.h"
#include "site/footprint.h"
#include "site/sightblock.h"

#include <QPolygonF>
#include <QTest>
#include <cmath>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

// 1/3" 4.8 x 3.6 mm sensor, 3 m up at the plan's origin, looking east by a tilt.
SiteCamera camera(double tiltDeg, double focalMm, Projection projection = Projection::Rectilinear,
                  ImageSize image = {1920, 1080}) {
    SiteCamera c;
    c.name = u"Cam"_s;
    c.camera = {{4.8, 3.6}, image};
    c.aim = Aim::Tilt;
    c.tiltDeg = tiltDeg;
    c.focalMm = focalMm;
    c.lensModel.projection = projection;
    return c;
}

Site siteOf(const SiteCamera& c, double storeyHeightM = 5) {
    Site site;
    site.storeys[0].heightM = storeyHeightM;
    site.cameras = {c};
    return site;
}

CameraView viewOf(const Site& site, int width, int height) {
    const std::variant<CameraView, QString> view =
        renderView(RenderScene(site, 0), site, 0, width, height);
    if (const auto* reason = std::get_if<QString>(&view))
        qWarning() << *reason;
    return std::get<CameraView>(view);
}

// A wall whose face towards the camera lies `faceM` east of it.
SiteWall wallFacing(double faceM, double halfLengthM) {
    const double line = faceM + RenderScene::WallThicknessM / 2;
    return SiteWall({{line, -halfLengthM}, {line, halfLengthM}});
}

double distance(PlanPoint a, PlanPoint b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

double distanceToEdges(const QPolygonF& ring, QPointF p) {
    double nearest = 1e9;
    for (qsizetype i = 0; i < ring.size(); ++i) {
        const QPointF a = ring[i];
        const QPointF d = ring[(i + 1) % ring.size()] - a;
        const double s =
            std::clamp(QPointF::dotProduct(p - a, d) / QPointF::dotProduct(d, d), 0.0, 1.0);
        nearest =
            std::min(nearest, std::hypot(p.x() - a.x() - s * d.x(), p.y() - a.y() - s * d.y()));
    }
    return nearest;
}

// The pixel whose square holds a point of the picture.
QPoint pixelHolding(QPointF at) {
    return {static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y()))};
}

// Plan points, or the geometry's.
template <typename Points> QPolygonF polygonOf(const Points& points) {
    QPolygonF polygon;
    for (const auto& p : points)
        polygon << QPointF(p.x, p.y);
    return polygon;
}

// A camera looking east at its aim 6 m away, a wall 8 m north of it.
Site sceneSite() {
    SiteCamera c = camera(20, 4);
    c.distanceM = 6;
    Site site = siteOf(c);
    site.walls = {SiteWall({{-5, 8}, {15, 8}})};
    return site;
}

} // namespace

class TestRender : public QObject {
    Q_OBJECT
private slots:

    // Horizontal, 3 m up, a 4 m wide wall whose face is 10 m ahead, across the middle row of a 16:9
    // picture (imaged 4.8 x 2.7 mm): it spans width f 4 / (10 x 4.8) columns, centred.
    void wallFillsThePinholeColumns_data() {
        QTest::addColumn<double>("focalMm");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::newRow("4.8 mm, 400 px: 160") << 4.8 << 400 << 120 << 160;
        QTest::newRow("2.4 mm, 400 px: 80") << 2.4 << 400 << 160 << 80;
        QTest::newRow("6 mm, 480 px: 240") << 6.0 << 480 << 120 << 240;
    }

    void wallFillsThePinholeColumns() {
        QFETCH(double, focalMm);
        QFETCH(int, width);
        QFETCH(int, first);
        QFETCH(int, count);
        Site site = siteOf(camera(0, focalMm));
        site.walls = {wallFacing(10, 2)};
        const int height = width * 9 / 16;
        const CameraView view = viewOf(site, width, height);
        std::vector<int> columns;
        for (int column = 0; column < width; ++column)
            if (view.at({column, height / 2}).kind == HitKind::Wall)
                columns.push_back(column);
        QCOMPARE(static_cast<int>(columns.size()), count);
        QCOMPARE(columns.front(), first);
        QCOMPARE(columns.back(), first + count - 1);
    }

    // 3 m up, tilted 45° down, 400 x 225 (4.8 x 2.7 mm, 83.33 px/mm), f 4.8 mm: a floor point X
    // east, Y north is s = sqrt(1/2) (X + 3) along the axis, -Y to the right, s (X - 3) up, θ =
    // atan2(side, along) off the axis, r = f g(θ) from the centre (200, 112.5) towards it. (3, 1):
    // θ = atan(1 / 4.2426) = 0.23130.
    void floorPointLandsOnItsPixel_data() {
        QTest::addColumn<Projection>("projection");
        QTest::addColumn<std::optional<double>>("datasheetDeg");
        QTest::addColumn<PlanPoint>("point");
        QTest::addColumn<QPointF>("pixel");
        QTest::addColumn<PlanPoint>("shift"); // of the whole site
        const auto row = [](const char* name, Projection projection, PlanPoint point, QPointF pixel,
                            std::optional<double> datasheetDeg = {}, PlanPoint shift = {}) {
            QTest::newRow(name) << projection << datasheetDeg << point << pixel << shift;
        };
        const auto rectilinear = Projection::Rectilinear;
        row("rectilinear (3, 1): f tan θ", rectilinear, {3, 1}, {105.72, 112.5});
        row("rectilinear (4, 0): above the centre", rectilinear, {4, 0}, {200, 55.36});
        row("rectilinear (2.5, -1.5): right and below", rectilinear, {2.5, -1.5}, {354.28, 148.86});
        row("90° datasheet: f 2.4 mm, half the offset", rectilinear, {3, 1}, {152.86, 112.5}, 90);
        row("equidistant (3, 1): f θ", Projection::Equidistant, {3, 1}, {107.41, 112.5});
        row("equidistant (2.5, -1.5)", Projection::Equidistant, {2.5, -1.5}, {346.89, 147.12});
        row("equisolid (3, 1): 2f sin θ/2", Projection::Equisolid, {3, 1}, {107.62, 112.5});
        row("stereographic (4, 0): 2f tan θ/2", Projection::Stereographic, {4, 0}, {200, 55.65});
        row("orthographic (2.5, -1.5): f sin θ", Projection::Orthographic, {2.5, -1.5},
            {343.43, 146.31});
        row("5000 km from the plan's origin", rectilinear, {3, 1}, {105.72, 112.5}, {},
            {5e6, -5e6});
    }

    void floorPointLandsOnItsPixel() {
        QFETCH(Projection, projection);
        QFETCH(std::optional<double>, datasheetDeg);
        QFETCH(PlanPoint, point);
        QFETCH(QPointF, pixel);
        QFETCH(PlanPoint, shift);
        SiteCamera c = camera(45, 4.8, projection);
        c.lensModel.datasheetAngleHDeg = datasheetDeg;
        c.position = shift;
        point = {point.x + shift.x, point.y + shift.y};
        const Site site = siteOf(c);
        const std::optional<CameraRays> rays = CameraRays::of(c, site.levelSet, {400, 225});
        QVERIFY(rays);
        const std::optional<QPointF> at = rays->pixelOf({point.x, point.y, 0});
        QVERIFY(at);
        QVERIFY2(std::abs(at->x() - pixel.x()) < 0.01 && std::abs(at->y() - pixel.y()) < 0.01,
                 qPrintable(u"%1, %2"_s.arg(at->x()).arg(at->y())));
        // The pixel that holds it shows that point of the floor, to within its own size there
        // (under 2 cm at 4.4 m, 0.0025 rad a pixel, seen 45° aslant).
        const ViewPoint shown = viewOf(site, 400, 225).at(pixelHolding(pixel));
        QCOMPARE(shown.kind, HitKind::Floor);
        QVERIFY(shown.floorPoint);
        QVERIFY2(distance(*shown.floorPoint, point) < 0.02,
                 qPrintable(u"%1, %2"_s.arg(shown.floorPoint->x).arg(shown.floorPoint->y)));
    }

    // Horizontal, 3 m up, f 1.6 mm over a 4:3 picture of 480 x 360 (100 px/mm): the foot of a long
    // wall 5 m ahead, the floor points (5, Y, -3) from the lens, lies r = f g(θ) from the centre
    // (240, 180), θ = atan2(sqrt(Y² + 9), 5), towards (-Y, -3): a straight row 276 through a
    // rectilinear lens, an arc through a fisheye.
    void fisheyeWallFootIsItsArc_data() {
        QTest::addColumn<Projection>("projection");
        QTest::addColumn<QPointF>("foot");
        QTest::newRow("rectilinear, Y = 3") << Projection::Rectilinear << QPointF(144, 276);
        QTest::newRow("rectilinear, Y = -5") << Projection::Rectilinear << QPointF(400, 276);
        QTest::newRow("equidistant, Y = 0") << Projection::Equidistant << QPointF(240, 266.47);
        QTest::newRow("equidistant, Y = 3") << Projection::Equidistant << QPointF(160.39, 259.61);
        QTest::newRow("equidistant, Y = -5") << Projection::Equidistant << QPointF(358.26, 250.96);
        QTest::newRow("equisolid, Y = 3") << Projection::Equisolid << QPointF(162.02, 257.98);
        QTest::newRow("stereographic, Y = -5")
            << Projection::Stereographic << QPointF(366.17, 255.7);
        QTest::newRow("orthographic, Y = -5")
            << Projection::Orthographic << QPointF(344.15, 242.49);
    }

    void fisheyeWallFootIsItsArc() {
        QFETCH(Projection, projection);
        QFETCH(QPointF, foot);
        Site site = siteOf(camera(0, 1.6, projection, {1600, 1200}));
        site.walls = {wallFacing(5, 20)};
        const CameraView view = viewOf(site, 480, 360);
        const int column = static_cast<int>(foot.x());
        int row = 0;
        while (row < 360 && view.at({column, row}).kind != HitKind::Floor)
            ++row;
        QCOMPARE(view.at({column, row - 1}).kind, HitKind::Wall);
        QVERIFY2(std::abs(row - foot.y()) <= 1, qPrintable(QString::number(row)));
    }

    // The floor points that the plan's shadows hide (sightblock, at the floor's height) are the
    // ones the picture does not show, at points of a grid clear of the shadows' edges.
    void obstacleHidesThePlanShadow_data() {
        QTest::addColumn<double>("nearM");
        QTest::addColumn<double>("bottomM");
        QTest::addColumn<double>("topM");
        QTest::newRow("a shelf 4 m ahead, 0 to 1.5 m") << 4.0 << 0.0 << 1.5;
        QTest::newRow("a beam 1.5 m ahead, 2 to 2.5 m") << 1.5 << 2.0 << 2.5;
    }

    void obstacleHidesThePlanShadow() {
        QFETCH(double, nearM);
        QFETCH(double, bottomM);
        QFETCH(double, topM);
        SiteCamera c = camera(30, 2.8);
        c.distanceM = 40; // the person at its aim far beyond the points
        Site site = siteOf(c);
        site.obstacles = {{u"Shelf"_s,
                           {{nearM, -1}, {nearM + 1, -1}, {nearM + 1, 1}, {nearM, 1}},
                           bottomM,
                           topM}};
        const plane::Geometry geometry;
        std::vector<QPolygonF> shadows;
        for (const std::vector<plane::Point>& copies :
             shadowsOf(c.position, c.mountHeightM, 0, QRectF(-20, -20, 40, 40),
                       sightBlocks(geometry, site.walls, site.obstacles)))
            if (const std::optional<plane::Ring> hull = geometry.hull(copies))
                shadows.push_back(polygonOf(*hull));
        QVERIFY(!shadows.empty());
        const std::optional<CameraRays> rays = CameraRays::of(c, site.levelSet, {640, 360});
        const CameraView view = viewOf(site, 640, 360);
        int hidden = 0;
        int seen = 0;
        for (double x = 2.05; x < 12; x += 0.2)
            for (double y = -3.05; y < 3; y += 0.2) {
                const QPointF p(x, y);
                bool inShadow = false;
                bool nearEdge = false;
                for (const QPolygonF& polygon : shadows) {
                    inShadow = inShadow || polygon.containsPoint(p, Qt::OddEvenFill);
                    nearEdge = nearEdge || distanceToEdges(polygon, p) < 0.15;
                }
                const std::optional<QPointF> at = rays->pixelOf({x, y, 0});
                if (nearEdge || !at || !QRectF(0, 0, 640, 360).contains(*at))
                    continue;
                const ViewPoint shown = view.at(pixelHolding(*at));
                const bool showsIt =
                    shown.kind == HitKind::Floor && distance(*shown.floorPoint, {x, y}) < 0.1;
                QVERIFY2(showsIt != inShadow, qPrintable(u"(%1, %2)"_s.arg(x).arg(y)));
                ++(inShadow ? hidden : seen);
            }
        QVERIFY(hidden > 5 && seen > 5);
    }

    // The floor takes the level of the plan's band that holds the point (fieldFootprint), none
    // outside every band, at points of a grid clear of the bands' edges. A fisheye's plan is the
    // sector of its horizontal angle, while its picture's corners see wider: there only the points
    // within the plan's outline are compared.
    void floorLevelsAreThePlanBands_data() {
        QTest::addColumn<Projection>("projection");
        QTest::addColumn<double>("focalMm");
        QTest::addColumn<bool>("outside");
        QTest::newRow("rectilinear 4 mm: keystones") << Projection::Rectilinear << 4.0 << true;
        QTest::newRow("equidistant 1.6 mm: sectors") << Projection::Equidistant << 1.6 << false;
    }

    void floorLevelsAreThePlanBands() {
        QFETCH(Projection, projection);
        QFETCH(double, focalMm);
        QFETCH(bool, outside);
        SiteCamera c = camera(0, focalMm, projection);
        c.aim = Aim::Target;
        c.distanceM = 6;
        const Site site = siteOf(c);
        const FieldFootprint footprint = fieldFootprint(c, site.levelSet);
        QVERIFY(footprint.bands.size() >= 3);
        const std::optional<CameraRays> rays = CameraRays::of(c, site.levelSet, {640, 360});
        const CameraView view = viewOf(site, 640, 360);
        const QPolygonF outline = polygonOf(footprint.outline);
        int compared = 0;
        for (double x = -8.05; x < 25; x += 0.25)
            for (double y = -12.05; y < 12; y += 0.25) {
                const QPointF p(x, y);
                std::optional<Level> planLevel;
                bool nearEdge = false;
                for (const FieldBand& band : footprint.bands) {
                    const QPolygonF polygon = polygonOf(band.corners);
                    nearEdge = nearEdge || distanceToEdges(polygon, p) < 0.15;
                    if (!planLevel && polygon.containsPoint(p, Qt::OddEvenFill))
                        planLevel = band.level;
                }
                const std::optional<QPointF> at = rays->pixelOf({x, y, 0});
                if (nearEdge || !at || !QRectF(0, 0, 640, 360).contains(*at) ||
                    (!outside && !outline.containsPoint(p, Qt::OddEvenFill)))
                    continue;
                const ViewPoint shown = view.at(pixelHolding(*at));
                if (shown.kind != HitKind::Floor || distance(*shown.floorPoint, {x, y}) > 0.1)
                    continue;
                QVERIFY2(shown.level == planLevel, qPrintable(u"(%1, %2)"_s.arg(x).arg(y)));
                ++compared;
            }
        QVERIFY(compared > 100);
    }

    void badInputSaysWhy_data() {
        QTest::addColumn<Site>("site");
        QTest::addColumn<int>("cameraIndex");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("reason");
        const Site plain = siteOf(camera(30, 4));
        Site walled = plain;
        walled.walls = {SiteWall({{-1, 0.05}, {1, 0.05}})};
        Site lowWall = plain;
        lowWall.walls = {SiteWall({{0.05, -1}, {0.05, 1}}, 0, 2.5)};
        Site shelved = plain;
        shelved.obstacles = {{u"Column"_s, {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}, 0, 3.5}};
        Site low = plain;
        low.cameras[0].mountHeightM = 0;
        Site ceiling = plain;
        ceiling.cameras[0].mountHeightM = 5;
        // 5.01 m up: under the open sky of the top storey, through the floor of one above.
        Site high = plain;
        high.cameras[0].mountHeightM = 5.01;
        Site underFloor = high;
        underFloor.storeys.push_back({u"Upstairs"_s, 5, 3, std::nullopt});
        Site upstairs = plain;
        upstairs.storeys.push_back({});
        upstairs.cameras[0].storey = 1;
        Site blind = plain;
        blind.cameras[0].focalMm = 0;
        // Walls through the camera at the origin, or 5 cm beside it, within their thickness; it
        // looks east.
        Site inWall = plain;
        inWall.walls = {SiteWall({{0.05, -5}, {0.05, 5}})};
        Site aslant = plain;
        aslant.walls = {SiteWall({{0, -5}, {0, 5}})};
        aslant.cameras[0].panDeg = 120;
        Site inCorner = plain;
        inCorner.walls = {SiteWall({{-0.05, 5}, {-0.05, -0.05}, {5, -0.05}})};
        inCorner.cameras[0].panDeg = 45;
        Site outOfCorner = inCorner;
        outOfCorner.cameras[0].panDeg = 135;
        Site unread = plain;
        const double nan = std::nan("");
        unread.walls = {SiteWall({{nan, 1}, {5, 1}})};
        unread.areas = {SiteArea(u"Lost"_s, 0, {{nan, 0}, {1, 0}, {1, 1}})};
        const auto row = [](const char* name, const Site& site, const QString& reason = {},
                            QSize size = {64, 36}, int cameraIndex = 0) {
            QTest::newRow(name) << site << cameraIndex << size << reason;
        };
        const QString wall = u"The camera is inside a wall."_s;
        const QString noSize = u"The picture has no size, or is too large."_s;
        row("in a wall, looking along it", walled, wall);
        row("in a wall, looking into it", inWall, wall);
        row("on a wall's line, looking out aslant", aslant);
        row("in a corner, looking out", inCorner);
        row("in a corner, looking into one wall", outOfCorner, wall);
        row("over a low wall", lowWall);
        row("inside an obstacle", shelved, u"The camera is inside an obstacle."_s);
        row("on its floor", low, u"The camera is not above its floor."_s);
        row("on its ceiling", ceiling);
        row("above the top storey's height", high);
        row("above its ceiling, under a storey", underFloor, u"The camera is above its ceiling."_s);
        row("no width", plain, noSize, {0, 36});
        row("too large", plain, noSize, {20000, 36});
        row("no such camera", plain, u"There is no such camera."_s, {64, 36}, 1);
        row("another storey", upstairs, u"The camera stands on another storey."_s);
        row("no focal length", blind, u"The camera's inputs give no view."_s);
        row("no walls: the floor", plain);
        row("corners of no number left out", unread);
    }

    void badInputSaysWhy() {
        QFETCH(Site, site);
        QFETCH(int, cameraIndex);
        QFETCH(QSize, size);
        QFETCH(QString, reason);
        const std::variant<CameraView, QString> view =
            renderView(RenderScene(site, 0), site, cameraIndex, size.width(), size.height());
        if (reason.isEmpty()) {
            QVERIFY(std::holds_alternative<CameraView>(view));
            QCOMPARE(std::get<CameraView>(view).at({32, 18}).kind, HitKind::Floor);
        } else {
            QCOMPARE(std::get<QString>(view), reason);
        }
    }

    // 3 m up, tilted 45° down: the axis meets the floor 3 m ahead of where the rays start, which on
    // a wall is its face 0.075 m from its line and 1 mm off it. The picture's middle pixel of 401 x
    // 225 is on the axis.
    void mountedCameraSeesFromTheFace_data() {
        QTest::addColumn<double>("wallM"); // the wall's line, x; none when NaN
        QTest::addColumn<double>("panDeg");
        QTest::addColumn<double>("floorX");
        QTest::newRow("free: 3 m east") << std::nan("") << 0.0 << 3.0;
        QTest::newRow("on the wall's line: 3.076 m east") << 0.0 << 0.0 << 3.076;
        QTest::newRow("5 cm into it, looking out west: -3.026 m") << 0.05 << 180.0 << -3.026;
    }

    void mountedCameraSeesFromTheFace() {
        QFETCH(double, wallM);
        QFETCH(double, panDeg);
        QFETCH(double, floorX);
        SiteCamera c = camera(45, 4.8);
        c.panDeg = panDeg;
        Site site = siteOf(c);
        if (!std::isnan(wallM))
            site.walls = {SiteWall({{wallM, -5}, {wallM, 5}})};
        const ViewPoint middle = viewOf(site, 401, 225).at({200, 112});
        QCOMPARE(middle.kind, HitKind::Floor);
        QVERIFY(middle.floorPoint);
        QVERIFY2(distance(*middle.floorPoint, {floorX, 0}) < 1e-3,
                 qPrintable(u"%1, %2"_s.arg(middle.floorPoint->x).arg(middle.floorPoint->y)));
        // Its level is the plan's, from where the camera stands.
        const std::optional<CameraRays> rays = CameraRays::of(c, site.levelSet, {401, 225});
        QCOMPARE(middle.densityPerM, rays->targetDensity(*middle.floorPoint));
    }

    // A red square of 1 m standing 5 m ahead, its centre 1.6 m up, shows at its centre's pixel but
    // where a wall stands between; a wall through the camera stands behind it.
    void standingPictureSeenFromTheFace_data() {
        QTest::addColumn<double>("wallM"); // the wall's line, x; none when NaN
        QTest::addColumn<bool>("shown");
        QTest::newRow("free") << std::nan("") << true;
        QTest::newRow("on a wall's line, looking out") << 0.0 << true;
        QTest::newRow("behind a wall 3 m ahead") << 3.0 << false;
    }

    void standingPictureSeenFromTheFace() {
        QFETCH(double, wallM);
        QFETCH(bool, shown);
        Site site = siteOf(camera(10, 4));
        if (!std::isnan(wallM))
            site.walls = {SiteWall({{wallM, -5}, {wallM, 5}})};
        QImage square(10, 10, QImage::Format_ARGB32_Premultiplied);
        square.fill(Qt::red);
        const StandingPicture standing{square, {5, 0}, 1.6, {1, 1}};
        const RenderScene scene(site, 0);
        auto view = std::get<CameraView>(renderView(scene, site, 0, 320, 180));
        const std::optional<CameraRays> rays =
            CameraRays::of(site.cameras[0], site.levelSet, {320, 180});
        drawStanding(view.image, scene, *rays, {standing});
        const QPoint middle = pixelHolding(*rays->pixelOf(centreOf(standing)));
        QCOMPARE(view.image.pixel(middle) == qRgb(255, 0, 0), shown);
    }

    // What a change of the site does to the storey's scene: built again, or kept with its people
    // placed again.
    void storeyScenesFollowTheSite_data() {
        QTest::addColumn<Site>("changed");
        QTest::addColumn<bool>("rebuilt");
        Site turned = sceneSite();
        turned.cameras[0].panDeg = 30;
        Site zoomed = sceneSite();
        zoomed.cameras[0].focalMm = 8;
        Site walled = sceneSite();
        walled.walls[0].points[0].y = 9;
        // 500 m on: past the floor, which reaches 50 m beyond the items.
        Site far = sceneSite();
        far.cameras[0].position = {500, 0};
        Site roofed = sceneSite();
        roofed.storeys.push_back({u"Upstairs"_s, 5, 3, std::nullopt});
        QTest::newRow("a camera turned") << turned << false;
        QTest::newRow("a camera's lens") << zoomed << false;
        QTest::newRow("a wall moved") << walled << true;
        QTest::newRow("a camera past the floor's edge") << far << true;
        QTest::newRow("a storey above") << roofed << true;
    }

    void storeyScenesFollowTheSite() {
        QFETCH(Site, changed);
        QFETCH(bool, rebuilt);
        StoreyScenes scenes;
        const RenderScene* before = &scenes.scene(sceneSite(), 0);
        const RenderScene& after = scenes.scene(changed, 0);
        QCOMPARE(&after != before, rebuilt);
        QCOMPARE(after.people(), peopleOf(changed, 0));
        // The person at the camera's aim stands where the view shows it.
        const SiteCamera& c = changed.cameras[0];
        const double pan = c.panDeg * std::numbers::pi / 180;
        const std::optional<QPointF> at =
            CameraRays::of(c, changed.levelSet, {640, 360})
                ->pixelOf({c.position.x + c.distanceM * std::cos(pan),
                           c.position.y + c.distanceM * std::sin(pan), 1});
        QVERIFY(at);
        const ViewPoint shown =
            std::get<CameraView>(renderView(after, changed, 0, 640, 360)).at(pixelHolding(*at));
        QCOMPARE(shown.kind, HitKind::Person);
        QCOMPARE(shown.name, c.name);
    }

    // A counter from x = 4.75 and a person at an area's centre 5 m east, whose box starts there
    // too: over their shared plane the counter shows, every pixel, not a speckle of the two.
    void personGivesWayInAnObstaclesPlane() {
        SiteCamera c = camera(10, 4);
        c.distanceM = 40; // the person at its aim far beyond
        Site site = siteOf(c);
        site.obstacles = {{u"Counter"_s, {{4.75, -1}, {5.75, -1}, {5.75, 1}, {4.75, 1}}, 0, 1.1}};
        site.areas = {
            SiteArea(u"Till"_s, 0, {{4.75, -0.5}, {5.25, -0.5}, {5.25, 0.5}, {4.75, 0.5}})};
        const std::optional<CameraRays> rays = CameraRays::of(c, site.levelSet, {640, 360});
        const CameraView view = viewOf(site, 640, 360);
        int checked = 0;
        for (double y = -0.2; y <= 0.2; y += 0.02)
            for (double z = 0.05; z <= 1.05; z += 0.05) {
                const std::optional<QPointF> at = rays->pixelOf({4.75, y, z});
                if (!at || !QRectF(0, 0, 640, 360).contains(*at))
                    continue;
                QCOMPARE(view.at(pixelHolding(*at)).kind, HitKind::Obstacle);
                ++checked;
            }
        QVERIFY(checked > 100);
    }
};

QTEST_GUILESS_MAIN(TestRender)
#include "tst_render.moc"
