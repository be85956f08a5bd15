// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/bestlevel.h"
#include "site/labelplacement.h"
#include "site/plancoverage.h"
#include "support/siteexample.h"

#include <QTest>
#include <algorithm>
#include <iterator>

using namespace vistaro;

namespace {

// The example camera looks east from the origin; per tst_footprint its field at 1.7 m is 2 x 0.4 z
// wide at depth z = x cos t + 0.167590 (cos t = 0.991656), x from 3.554859 m, identified to
// x = 9.511780 m. Keystone x1 to x2: 0.4 cos t (x2² - x1²) + 0.8 x 0.167590 (x2 - x1) m².
constexpr double Near = 3.554859;
constexpr double Identification = 9.511780;

double field(double from, double to) {
    return 0.4 * 0.991656 * (to * to - from * from) + 0.8 * 0.167590 * (to - from);
}

SiteWall wall(double x1, double y1, double x2, double y2) {
    return {{{x1, y1}, {x2, y2}}};
}

SiteCamera cameraAt(double x, double pan) {
    SiteCamera camera = test::entranceCamera();
    camera.position = {x, 0};
    camera.panDeg = pan;
    return camera;
}

// A rectangle 4 m deep from x = `west` to `east`, in front of a camera on the x axis.
plane::Region strip(double west, double east) {
    return {plane::Polygon{{{west, 0}, {east, 0}, {east, 4}, {west, 4}}, {}}};
}

// A camera's cover of five levels with these identification (4) and detection (0) bands.
CameraCover coverOf(const plane::Region& identification, const plane::Region& detection) {
    CameraCover cover;
    cover.bands.resize(5);
    cover.reach.resize(5);
    cover.bands[4] = identification;
    cover.bands[0] = detection;
    for (Level level = 0; level < 5; ++level)
        cover.reach[level] =
            boundsOf(identification) | (level == 0 ? boundsOf(detection) : QRectF());
    return cover;
}

// The levels painted at `point`: each one whose shape holds it, its rings counted odd-even.
QList<int> paintedAt(const BestLevelMap& map, double x, double y) {
    const plane::Geometry geometry;
    const std::vector<PlanShape> shapes = map.levels();
    QList<int> levels;
    for (Level level = 0; level < shapes.size(); ++level) {
        int rings = 0;
        for (const std::vector<PlanPoint>& ring : shapes[level].rings)
            rings += geometry.covers(regionOf(ring), {x, y}) ? 1 : 0;
        if (rings % 2)
            levels << static_cast<int>(level);
    }
    return levels;
}

// A camera `heightM` up at the origin, looking east at 1.7 m faces 10 m away through a 2.8 mm lens:
// half its vertical angle is atan(1.35 / 2.8) = 25.74°, so at 3 m it sees the faces from
// 1.3 / tan(7.41° + 25.74°) = 2.00 m on, at 2.8 m from 1.1 / tan(6.28° + 25.74°) = 1.76 m on, and
// some level as far as 89.6 m deep: all the samples below lie in its field but for what hides them.
SiteCamera wideAt(double heightM) {
    SiteCamera camera = test::entranceCamera();
    camera.mountHeightM = heightM;
    camera.focalMm = 2.8;
    return camera;
}

// Whether the camera sees, at some level, the point x ahead on its axis.
bool seenOnAxis(const CameraCover& cover, double x) {
    const plane::Geometry geometry;
    return std::any_of(cover.bands.begin(), cover.bands.end(), [&](const plane::Region& band) {
        return geometry.covers(band, {x, 0});
    });
}

SiteWall between(const SiteWall& line, double bottomM, std::optional<double> topM) {
    return {line.points, bottomM, topM};
}

// A box on the plan from x = `west` to `east`, |y| <= 1, standing between two heights.
SiteObstacle block(double west, double east, double bottomM, double topM) {
    return {{}, {{west, -1}, {east, -1}, {east, 1}, {west, 1}}, bottomM, topM};
}

} // namespace

Q_DECLARE_METATYPE(std::vector<SiteObstacle>)
Q_DECLARE_METATYPE(std::vector<SiteWall>)
Q_DECLARE_METATYPE(std::vector<SiteCamera>)
Q_DECLARE_METATYPE(std::vector<PlanPoint>)

class TestPlanCoverage : public QObject {
    Q_OBJECT

private slots:
    // The surface where the camera identifies, as far as it sees past the walls.
    void areaAtLevel_data() {
        QTest::addColumn<std::vector<SiteWall>>("walls");
        QTest::addColumn<SiteCamera>("camera");
        QTest::addColumn<double>("expected");
        const SiteCamera entrance = test::entranceCamera();
        QTest::newRow("no wall") << std::vector<SiteWall>{} << entrance
                                 << field(Near, Identification);
        // Gap |y| < 0.5 at x = 5: field to 5 m, then wedge (0.5 / 5 a metre): 0.1 (9.511780² - 25).
        QTest::newRow("door gap") << std::vector<SiteWall>{wall(5, -10, 5, -0.5),
                                                           wall(5, 0.5, 5, 10)}
                                  << entrance
                                  << field(Near, 5) + 0.1 * (Identification * Identification - 25);
        // tan t = 3.5 / 8, cos t = 8 / 8.732125 = 0.916157, 3.5 sin t = 1.402865; half-width 0.6 z.
        // Near edge 3.5 / tan(23.6294° + atan(1.8 / 4) = 24.2277°) = 3.167254 m; identified to z =
        // 4 x 1920 / (250 x 4.8) = 6.4 m, x = (6.4 - 1.402865) / 0.916157 = 5.454450 m. Half-widths
        // 0.6 (3.167254 x 0.916157 + 1.402865) = 2.582668, 0.6 x 6.4 = 3.84: (5.454450 - 3.167254)
        // x (2.582668 + 3.84) = 14.6901 m²; inspection ends at 0.2152 m.
        SiteCamera keystone = entrance;
        keystone.mountHeightM = 5;
        keystone.targetHeightM = 1.5;
        keystone.distanceM = 8;
        keystone.camera = {{4.8, 3.6}, {1920, 1440}};
        keystone.focalMm = 4;
        QTest::newRow("keystone of a tilted camera")
            << std::vector<SiteWall>{} << keystone << 14.6901;
    }

    void areaAtLevel() {
        QFETCH(std::vector<SiteWall>, walls);
        QFETCH(SiteCamera, camera);
        QFETCH(double, expected);
        const PlanCoverage coverage(walls);
        const double got = coverage.camera(camera, enLevels()).areaAtLevelM2;
        QVERIFY2(qAbs(got - expected) < 1e-3,
                 qPrintable(QStringLiteral("%1 instead of %2").arg(got).arg(expected)));
    }

    // A point of the 1.7 m plane is hidden when the sight line from the camera, whose height along
    // it falls linearly from the camera's to 1.7 m, passes over an item while within its heights.
    void heights_data() {
        QTest::addColumn<double>("cameraM");
        QTest::addColumn<std::vector<SiteWall>>("walls");
        QTest::addColumn<std::vector<SiteObstacle>>("obstacles");
        QTest::addColumn<QList<double>>("seen");
        QTest::addColumn<QList<double>>("hidden");
        const std::vector<SiteWall> none;
        const std::vector<SiteObstacle> noObstacle;
        // From 3 m down to 1.7 m the line never comes below 1.7 m: nothing of 1.1 m hides a face.
        QTest::newRow("a 1.1 m counter 2 m ahead")
            << 3.0 << none << std::vector{block(2, 2.6, 0, 1.1)} << QList{2.3, 3.0, 6.0}
            << QList<double>{};
        // Below 2 m from 1 / 1.3 of the way on: past a panel at 4 m, the faces 4 to 4 x 1.3 =
        // 5.2 m ahead.
        const SiteWall panel = wall(4, -1, 4, 1);
        QTest::newRow("a 2 m shelf 4 m ahead")
            << 3.0 << std::vector{between(panel, 0, 2)} << noObstacle << QList{3.9, 5.3, 8.0}
            << QList{4.1, 5.1};
        // Above 2.5 m for the first 0.3 / 1.1 of the way: past a beam at 1 m, every face from
        // 1.1 / 0.3 = 3.67 m on.
        const SiteWall beam = wall(1, -2, 1, 2);
        QTest::newRow("a beam to the ceiling 1 m ahead of a camera at 2.8 m")
            << 2.8 << std::vector{between(beam, 2.5, std::nullopt)} << noObstacle << QList{2.0, 3.6}
            << QList{3.7, 6.0, 20.0};
        QTest::newRow("a beam 5 cm deep, up to 3 m")
            << 2.8 << none << std::vector{block(1, 1.05, 2.5, 3)} << QList{2.0, 3.6}
            << QList{3.7, 6.0, 20.0};
        QTest::newRow("an obstacle above the camera")
            << 3.0 << none << std::vector{block(2.5, 3, 3.2, 4)} << QList{2.3, 2.8, 4.0, 8.0}
            << QList<double>{};
        QTest::newRow("an obstacle below the faces")
            << 3.0 << none << std::vector{block(2.5, 3, 0, 1.5)} << QList{2.3, 2.8, 4.0, 8.0}
            << QList<double>{};
        // A canopy of no thickness at 2 m hides the faces under the line's crossing of 2 m: the
        // canopy x = 3..4 seen 1.3 times as far, 3.9 to 5.2 m.
        QTest::newRow("a canopy") << 3.0 << none << std::vector{block(3, 4, 2, 2)}
                                  << QList{3.8, 5.3} << QList{4.0, 5.1};
        // An L of racks, x = 4..6 across the axis with an arm at y = -1..-0.5 out to x = 8: on the
        // axis it hides 4 to 6 x 1.3 = 7.8 m. Its convex hull would reach the axis out to 7.33 m
        // and hide up to 9.53 m.
        QTest::newRow("an L-shaped rack")
            << 3.0 << none
            << std::vector{SiteObstacle{
                   {}, {{4, -1}, {8, -1}, {8, -0.5}, {6, -0.5}, {6, 1}, {4, 1}}, 0, 2}}
            << QList{3.9, 8.0, 9.0, 12.0} << QList{4.1, 6.0, 7.7};
        QTest::newRow("a full-height wall still hides all behind it")
            << 3.0 << std::vector{panel} << noObstacle << QList{3.9} << QList{4.1, 5.3, 20.0};
        QTest::newRow("inside a pillar") << 3.0 << none << std::vector{block(-1, 1, 0, 4)}
                                         << QList<double>{} << QList{2.3, 5.0, 20.0};
    }

    void heights() {
        QFETCH(double, cameraM);
        QFETCH(std::vector<SiteWall>, walls);
        QFETCH(std::vector<SiteObstacle>, obstacles);
        QFETCH(QList<double>, seen);
        QFETCH(QList<double>, hidden);
        const CameraCover cover =
            PlanCoverage(walls, {}, obstacles).camera(wideAt(cameraM), enLevels());
        for (const double x : seen)
            QVERIFY2(seenOnAxis(cover, x), qPrintable(QStringLiteral("%1 m hidden").arg(x)));
        for (const double x : hidden)
            QVERIFY2(!seenOnAxis(cover, x), qPrintable(QStringLiteral("%1 m seen").arg(x)));
        // The dead zone lies on the ground, which the target plane's shadows do not reach.
        QCOMPARE(cover.deadZone, PlanCoverage(walls).camera(wideAt(cameraM), enLevels()).deadZone);
    }

    // Door square x = 4..6, |y| <= 1: 3.2 m wide at 4 m, the field covers it from the west unless a
    // wall cuts it. A camera on a wall sees nothing behind it. Panned 10°, the camera sees x =
    // 5..6, y = -0.8..-0.2 whole at identification (corners 1.7° to 9.1° south of east, within
    // ±21.8°, 4.8 to 5.9 m along the axis); a wall on the x axis cuts it off. A 360° equidistant
    // dome facing north sees x = 2..3, y = -3..-2 at monitoring, not through its wall.
    void areaShare_data() {
        QTest::addColumn<std::vector<SiteWall>>("walls");
        QTest::addColumn<std::vector<SiteCamera>>("cameras");
        QTest::addColumn<std::vector<PlanPoint>>("area");
        QTest::addColumn<int>("level");
        QTest::addColumn<double>("share");
        QTest::addColumn<bool>("screenShares"); // else EN 62676-4
        const std::vector<SiteWall> none;
        const std::vector<SiteWall> across{wall(5, -10, 5, 10)};
        const std::vector<SiteWall> alongX{wall(-10, 0, 20, 0)};
        const std::vector<PlanPoint> door{{4, -1}, {6, -1}, {6, 1}, {4, 1}};
        const std::vector<PlanPoint> nextRoom{{5, -0.8}, {6, -0.8}, {6, -0.2}, {5, -0.2}};
        const SiteCamera west = cameraAt(0, 0);
        const SiteCamera east = cameraAt(10, 180);
        const SiteCamera turned = cameraAt(0, 10);
        const int id = EnIdentification;
        const auto row = [&](const char* name, const std::vector<SiteWall>& walls,
                             const std::vector<SiteCamera>& cameras,
                             const std::vector<PlanPoint>& area, int level, double share,
                             bool screenShares = false) {
            QTest::newRow(name) << walls << cameras << area << level << share << screenShares;
        };
        row("one camera", none, {west}, door, id, 1);
        row("half behind a wall", across, {west}, door, id, 0.5);
        row("a second camera past the wall", across, {west, east}, door, id, 1);
        row("two cameras over one area, counted once", none, {west, east}, door, id, 1);
        // At x = -10 it lies 14-16 m out: past identification (9.6 m), within recognition (19.2).
        row("too far for identification", none, {cameraAt(-10, 0)}, door, id, 0);
        row("near enough for recognition", none, {cameraAt(-10, 0)}, door, 3, 1);
        row("no camera", none, {}, door, 1, 0);
        // Looking NE, identification's far corners (9.51 m along the axis, 3.84 across) are
        // (9.44, 4.01) and (4.01, 9.44); the square 8.5 to 9 lies within, but 12.0 to 12.7 m out.
        row("within identification's bounds, past its reach", none, {cameraAt(0, 45)},
            {{8.5, 8.5}, {9, 8.5}, {9, 9}, {8.5, 9}}, id, 0);
        // 1080 rows: recognise at 337.5 px/m to 6 x 400 / 337.5 = 7.11 m; identify at 675: 3.56 m.
        row("screen shares: recognised", none, {west}, door, 3, 1, true);
        row("screen shares: not identified", none, {west}, door, 4, 0, true);
        row("turned, no wall", none, {turned}, nextRoom, id, 1);
        row("turned, on the wall", alongX, {turned}, nextRoom, id, 0);
        row("on a corner of the wall's line", {SiteWall{{{-10, 0}, {0, 0}, {20, 0}}}}, {turned},
            nextRoom, id, 0);
        row("looking west along the wall: its left is south", alongX, {cameraAt(0, 180)},
            {{-6, -0.8}, {-5, -0.8}, {-5, -0.2}, {-6, -0.2}}, id, 1);
        SiteCamera dome = cameraAt(0, 90);
        dome.lensModel = {Projection::Equidistant, 360.0};
        const std::vector<PlanPoint> southEast{{2, -3}, {3, -3}, {3, -2}, {2, -2}};
        row("dome, no wall", none, {dome}, southEast, 0, 1);
        row("dome on the wall", alongX, {dome}, southEast, 0, 0);
        row("dome, straight behind: no blind wedge", none, {dome},
            {{-0.5, -3}, {0.5, -3}, {0.5, -2}, {-0.5, -2}}, 0, 1);
    }

    void areaShare() {
        QFETCH(std::vector<SiteWall>, walls);
        QFETCH(std::vector<SiteCamera>, cameras);
        QFETCH(std::vector<PlanPoint>, area);
        QFETCH(int, level);
        QFETCH(double, share);
        QFETCH(bool, screenShares);
        // The share, and each camera's surface at each level, of the site moved by `by`.
        const auto covered = [&](PlanPoint by, std::vector<double>& bandAreas) {
            const auto moved = [&by](PlanPoint point) {
                return PlanPoint{point.x + by.x, point.y + by.y};
            };
            std::vector<SiteWall> movedWalls = walls;
            for (SiteWall& wall : movedWalls)
                std::ranges::transform(wall.points, wall.points.begin(), moved);
            SiteArea movedArea{QStringLiteral("Area"), Level(level), {}};
            std::ranges::transform(area, std::back_inserter(movedArea.points), moved);
            const PlanCoverage coverage(movedWalls);
            std::vector<CameraCover> covers;
            for (SiteCamera camera : cameras) {
                camera.position = moved(camera.position);
                covers.push_back(
                    coverage.camera(camera, screenShares ? screenShareLevels() : enLevels()));
                bandAreas.insert(bandAreas.end(), covers.back().bandAreaM2.begin(),
                                 covers.back().bandAreaM2.end());
            }
            std::vector<const CameraCover*> pointers;
            for (const CameraCover& cover : covers)
                pointers.push_back(&cover);
            return coverage.area(movedArea, pointers).coveredShare.value_or(-1);
        };
        std::vector<double> bandAreas;
        const double got = covered({}, bandAreas);
        QVERIFY2(qAbs(got - share) < 1e-9, qPrintable(QString::number(got)));
        // The same site in UTM coordinates, 500 km east and 5000 km north, covers as much to the
        // square millimetre.
        std::vector<double> farBandAreas;
        QVERIFY(qAbs(covered({500'000, 5'000'000}, farBandAreas) - got) < 1e-9);
        for (std::size_t i = 0; i < bandAreas.size(); ++i)
            QVERIFY(qAbs(farBandAreas.at(i) - bandAreas[i]) < 1e-6);
    }

    // Two cameras facing each other along a 4 m strip: the first identifies from x = 0 to 10 and
    // detects to 20, the second identifies from 6 to 16 and detects from -4 to 6. Identification
    // is met on 10 + 10 - 4 m of the strip, some level on -4 to 20. After the second camera
    // moves 100 m east, only its tiles are worked out again, and the map is the one worked out
    // whole (tiles of 30 m, the first from -15 to 15 m). Wanted at detection and at identification,
    // the first counts 0 to 20 as detection and the second only 6 to 16, as identification.
    void bestLevel_data() {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<QList<int>>("painted");
        const auto row = [](const char* name, const char* view, QPointF point, QList<int> painted) {
            QTest::newRow(name) << QString::fromLatin1(view) << point << painted;
        };
        row("both identify", "best", {8, 2}, {4});
        row("identified over detected", "best", {3, 2}, {4});
        row("detected only", "best", {18, 2}, {0});
        row("across a tile's edge", "best", {15.5, 2}, {4});
        row("second detects", "best", {-2, 2}, {0});
        row("outside", "best", {8, 6}, {});
        row("moved: first alone", "moved", {3, 2}, {4});
        row("moved: its own detection", "moved", {14.5, 2}, {0});
        row("moved: second", "moved", {110, 2}, {4});
        row("wanted: detection where identified", "wanted", {3, 2}, {0});
        row("wanted: identification", "wanted", {8, 2}, {4});
        row("wanted: below the wanted level", "wanted", {-2, 2}, {});
        // The second camera on storey 1, whose map it paints alone: the first's are storey 0's.
        row("upstairs: its own identification", "upstairs", {8, 2}, {4});
        row("upstairs: its detection under the first's identification", "upstairs", {3, 2}, {0});
        row("upstairs: the first's detection below", "upstairs", {18, 2}, {});
    }
    void bestLevel() {
        QFETCH(QString, view);
        QFETCH(QPointF, point);
        QFETCH(QList<int>, painted);
        // Identified and detected m²: 4 m x (10 + 10 - 4) and x 24; moved apart, 4 x 20 and x 40;
        // one camera's level alone, 4 x 10 and x 20.
        const bool apart = view == QStringLiteral("moved");
        const bool alone = view == QStringLiteral("wanted") || view == QStringLiteral("upstairs");
        const double identifiedM2 = apart ? 80 : alone ? 40 : 64;
        const double detectedM2 = apart ? 160 : alone ? 80 : 96;
        const CameraCover first = coverOf(strip(0, 10), strip(10, 20));
        CameraCover second = coverOf(strip(6, 16), strip(-4, 6));
        const CameraCover away = coverOf(strip(106, 116), strip(96, 106));
        BestLevelMap map(30);
        if (view == QStringLiteral("upstairs")) {
            second.storey = 1;
            map.reset({{&first, {}}, {&second, {}}}, 1);
            // The first camera moved on storey 0 touches no tile of storey 1's map.
            QVERIFY(map.update({{&away, {}}, {&second, {}}}, {0}).empty());
        } else if (view == QStringLiteral("wanted"))
            map.reset({{&first, Level(0)}, {&second, Level(4)}});
        else
            map.reset({{&first, {}}, {&second, {}}});
        if (view == QStringLiteral("moved")) {
            const std::set<BestLevelMap::TileKey> redone =
                map.update({{&first, {}}, {&away, {}}}, {1});
            // Its tiles before and after; the first camera's alone keep theirs.
            QCOMPARE(redone, (std::set<BestLevelMap::TileKey>{{0, 0}, {1, 0}, {3, 0}, {4, 0}}));
            BestLevelMap whole(30);
            whole.reset({{&first, {}}, {&away, {}}});
            QCOMPARE(map.levels(), whole.levels());
        }
        QCOMPARE(map.metAreaM2(4), identifiedM2);
        QCOMPARE(map.metAreaM2(2), identifiedM2);
        QCOMPARE(map.metAreaM2(0), detectedM2);
        QCOMPARE(paintedAt(map, point.x(), point.y()), painted);
    }

    // A boundary x <= edge cuts the example camera's view (identified from 3.554859 m) and a
    // 10 x 10 m area at x 0 to 10, whose share is of its part inside: covered over x 0 to `east`.
    void boundaryCuts_data() {
        QTest::addColumn<double>("edge");
        QTest::addColumn<double>("identified");
        QTest::addColumn<double>("east");
        QTest::addColumn<QVariant>("share");
        QTest::newRow("beyond everything")
            << 100.0 << field(Near, Identification) << 20.0 << QVariant(1.0);
        QTest::newRow("through the area: 50 m² asked, all covered")
            << 5.0 << field(Near, 5) << 20.0 << QVariant(1.0);
        QTest::newRow("half of the inside covered")
            << 5.0 << field(Near, 5) << 2.5 << QVariant(0.5);
        QTest::newRow("west of the area: none asked") << -1.0 << 0.0 << 20.0 << QVariant();
    }

    void boundaryCuts() {
        QFETCH(double, edge);
        QFETCH(double, identified);
        QFETCH(double, east);
        QFETCH(QVariant, share);
        const PlanCoverage coverage({}, {{-50, -50}, {edge, -50}, {edge, 50}, {-50, 50}});
        const CameraCover seen = coverage.camera(test::entranceCamera(), enLevels());
        QVERIFY2(qAbs(seen.areaAtLevelM2 - identified) < 1e-3,
                 qPrintable(QString::number(seen.areaAtLevelM2)));
        CameraCover band;
        band.bands = {regionOf({{0, -1}, {east, -1}, {east, 11}, {0, 11}})};
        band.reach = {boundsOf(band.bands.front())};
        const std::optional<double> got =
            coverage
                .area({QStringLiteral("Yard"), 0, {{0, 0}, {10, 0}, {10, 10}, {0, 10}}}, {&band})
                .coveredShare;
        QCOMPARE(got.has_value(), share.isValid());
        if (got)
            QVERIFY2(qAbs(*got - share.toDouble()) < 1e-9, qPrintable(QString::number(*got)));
    }

    // A camera's name (60 x 16 px) at its symbol (radius 9) and a band's name 10 px above where
    // the camera's would read: the camera's goes right of its symbol, 4 px from it, whatever the
    // order; the band's on it, right of it and left of it overlap the camera's, and above it
    // (y from -30 to -14) is free unless walled in: then it is left out. None overlaps another or
    // a symbol.
    void labelPlacement_data() {
        QTest::addColumn<bool>("bandFirst");
        QTest::addColumn<bool>("walledIn");
        QTest::addColumn<QRectF>("camera");
        QTest::addColumn<QRectF>("band");
        const QRectF right(13, -8, 60, 16);
        QTest::newRow("camera first") << false << false << right << QRectF(13, -30, 60, 16);
        QTest::newRow("band first") << true << false << right << QRectF(13, -30, 60, 16);
        QTest::newRow("band walled in") << false << true << right << QRectF();
    }
    void labelPlacement() {
        QFETCH(bool, bandFirst);
        QFETCH(bool, walledIn);
        QFETCH(QRectF, camera);
        QFETCH(QRectF, band);
        const LabelRequest name{{0, 0}, {60, 16}, 0, 9};
        const LabelRequest level{{43, -10}, {60, 16}, 2, 0};
        std::vector<QRectF> obstacles{QRectF(-9, -9, 18, 18)};
        if (walledIn)
            obstacles.push_back(QRectF(-200, -100, 400, 85));
        const std::vector<std::optional<QRectF>> places =
            placeLabels(bandFirst ? std::vector{level, name} : std::vector{name, level}, obstacles);
        const std::optional<QRectF> cameraAt = places[bandFirst ? 1 : 0];
        const std::optional<QRectF> bandAt = places[bandFirst ? 0 : 1];
        QCOMPARE(cameraAt, std::optional(camera));
        QCOMPARE(bandAt.value_or(QRectF()), band);
        std::vector<QRectF> drawn = obstacles;
        for (const std::optional<QRectF>& place : places)
            if (place)
                drawn.push_back(*place);
        QCOMPARE(overlappingPairs(drawn), 0);
    }

    // An area of no surface has no share; a camera whose inputs give no field covers nothing.
    void degenerate() {
        const PlanCoverage coverage;
        SiteCamera blind = test::entranceCamera();
        blind.focalMm = 0;
        const CameraCover nothing = coverage.camera(blind, enLevels());
        QCOMPARE(nothing.areaAtLevelM2, 0.0);
        const SiteArea line{QStringLiteral("Line"), 1, {{0, 0}, {1, 0}, {2, 0}}};
        QCOMPARE(coverage.area(line, {&nothing}).coveredShare, std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestPlanCoverage)
#include "tst_plancoverage.moc"
