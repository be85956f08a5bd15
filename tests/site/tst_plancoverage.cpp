// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/plancoverage.h"
#include "support/siteexample.h"

#include <QTest>

using namespace vistaro;

namespace {

// The example camera looks east from the origin: 1/3", 1920 x 1080 (a 4.8 x 2.7 mm picture),
// 6 mm, 3 m up, aimed at 1.7 m at 10 m, tilted by t with cos t = 10 / 10.084146 = 0.991656 and
// 1.3 sin t = 1.69 / 10.084146 = 0.167590. Its field at 1.7 m is 2 x 0.4 z wide at depth
// z = x cos t + 0.167590, x ahead, from the near edge 1.3 / tan(atan 0.13 + atan 0.225) =
// 3.554859 m; identification (250 px/m) is met up to the depth 6 x 1920 / (250 x 4.8) = 9.6 m,
// x = (9.6 - 0.167590) / 0.991656 = 9.511780 m. The keystone from x1 to x2 covers
// 0.4 cos t (x2² - x1²) + 0.8 x 0.167590 (x2 - x1) m².
constexpr double Near = 3.554859;
constexpr double Identification = 9.511780;

double field(double from, double to) {
    return 0.4 * 0.991656 * (to * to - from * from) + 0.8 * 0.167590 * (to - from);
}

SiteWall wall(double x1, double y1, double x2, double y2) {
    return {{{x1, y1}, {x2, y2}}};
}

// A camera like the example, at (x, 0), looking east (pan 0) or west (180).
SiteCamera cameraAt(double x, double pan) {
    SiteCamera camera = test::entranceCamera();
    camera.position = {x, 0};
    camera.panDeg = pan;
    return camera;
}

SiteArea square(Level level) {
    return {QStringLiteral("Door"), level, {{4, -1}, {6, -1}, {6, 1}, {4, 1}}};
}

} // namespace

Q_DECLARE_METATYPE(std::vector<SiteWall>)
Q_DECLARE_METATYPE(std::vector<SiteCamera>)
Q_DECLARE_METATYPE(SiteCamera)
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
        // 31.674 m² up to 9.51 m; a wall across the field at x = 5 leaves 3.55 to 5 m.
        QTest::newRow("wall across at 5 m")
            << std::vector<SiteWall>{wall(5, -10, 5, 10)} << entrance << field(Near, 5);
        // Two walls with a door gap between y = -0.5 and 0.5 at x = 5: beyond the wall only the
        // wedge through the gap is seen, 0.5 / 5 = 0.1 m of half-width a metre, so from 5 to
        // 9.51 m 0.1 (9.511780² - 25) m².
        QTest::newRow("door gap") << std::vector<SiteWall>{wall(5, -10, 5, -0.5),
                                                           wall(5, 0.5, 5, 10)}
                                  << entrance
                                  << field(Near, 5) + 0.1 * (Identification * Identification - 25);
        // 5 m up, aimed at 1.5 m at 8 m: tan t = 3.5 / 8, cos t = 8 / 8.732125 = 0.916157,
        // 3.5 sin t = 12.25 / 8.732125 = 1.402865; 4 mm on a 4.8 x 3.6 mm 4:3 picture, half-width
        // 0.6 z. Near edge 3.5 / tan(t + atan(1.8 / 4)) = 3.5 / tan(23.6294° + 24.2277°) =
        // 3.167254 m; identification to the depth 4 x 1920 / (250 x 4.8) = 6.4 m, x =
        // (6.4 - 1.402865) / 0.916157 = 5.454450 m. Half-widths 0.6 (3.167254 x 0.916157 +
        // 1.402865) = 2.582668 and 0.6 x 6.4 = 3.84: (5.454450 - 3.167254) x (2.582668 + 3.84) =
        // 14.6901 m²; inspection (6.4 / 4 = 1.6 m deep) ends at 0.2152 m, before the near edge.
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

    // The door square from x = 4 to 6, |y| <= 1: at 4 m the field is 3.2 m wide, so all of it
    // is identified from the west unless a wall cuts it.
    void areaShare_data() {
        QTest::addColumn<std::vector<SiteWall>>("walls");
        QTest::addColumn<std::vector<SiteCamera>>("cameras");
        QTest::addColumn<int>("level");
        QTest::addColumn<double>("share");
        QTest::addColumn<bool>("screenShares"); // else EN 62676-4
        const std::vector<SiteWall> none;
        const std::vector<SiteWall> across{wall(5, -10, 5, 10)};
        const SiteCamera west = cameraAt(0, 0);
        const SiteCamera east = cameraAt(10, 180);
        QTest::newRow("one camera")
            << none << std::vector{west} << int(EnIdentification) << 1.0 << false;
        QTest::newRow("half behind a wall")
            << across << std::vector{west} << int(EnIdentification) << 0.5 << false;
        QTest::newRow("a second camera past the wall")
            << across << std::vector{west, east} << int(EnIdentification) << 1.0 << false;
        QTest::newRow("two cameras over one area, counted once")
            << none << std::vector{west, east} << int(EnIdentification) << 1.0 << false;
        // From 20 m away the square lies 14 to 16 m out: past identification (9.6 m) and
        // recognition (19.2 m is the limit), so recognition covers it and identification not.
        QTest::newRow("too far for identification")
            << none << std::vector{cameraAt(-10, 0)} << int(EnIdentification) << 0.0 << false;
        QTest::newRow("near enough for recognition")
            << none << std::vector{cameraAt(-10, 0)} << 3 << 1.0 << false;
        QTest::newRow("no camera") << none << std::vector<SiteCamera>{} << 1 << 0.0 << false;
        // 1080 rows: recognise needs 337.5 px/m, met up to 6 x 1920 / (337.5 x 4.8) = 7.11 m;
        // identify 675 px/m, up to 3.56 m, short of the square.
        QTest::newRow("screen shares: recognised") << none << std::vector{west} << 3 << 1.0 << true;
        QTest::newRow("screen shares: not identified")
            << none << std::vector{west} << 4 << 0.0 << true;
    }

    void areaShare() {
        QFETCH(std::vector<SiteWall>, walls);
        QFETCH(std::vector<SiteCamera>, cameras);
        QFETCH(int, level);
        QFETCH(double, share);
        QFETCH(bool, screenShares);
        const PlanCoverage coverage(walls);
        std::vector<CameraCover> covers;
        for (const SiteCamera& camera : cameras)
            covers.push_back(
                coverage.camera(camera, screenShares ? screenShareLevels() : enLevels()));
        std::vector<const CameraCover*> pointers;
        for (const CameraCover& cover : covers)
            pointers.push_back(&cover);
        const AreaCover cover = coverage.area(square(Level(level)), pointers);
        QCOMPARE(cover.areaM2, 4.0);
        QVERIFY(cover.coveredShare);
        QVERIFY2(qAbs(*cover.coveredShare - share) < 1e-9,
                 qPrintable(QString::number(*cover.coveredShare)));
    }

    // A 360° equidistant lens looking straight down from 3 m on targets at 1.7 m: f = 2.4 mm / π
    // = 0.763944 mm, and a target R m away gets 1920 x 0.763944 / (4.8 R) = 305.578 / R px/m in
    // any direction (dr/dθ = f). Recognition (125 px/m) is met up to R = 2.444620 m, 2.070306 m
    // out on the plane 1.3 m down; observation (62.5) up to R = 4.889240 m, 4.713244 m out: a
    // disc, then a ring of π (4.713244² - 2.070306²) = 56.3241 m². Squares straight behind
    // the camera (x from -x2 to -x1, |y| <= 0.5) lie whole in the one or the other.
    void allAround_data() {
        QTest::addColumn<double>("x1");
        QTest::addColumn<double>("x2");
        QTest::addColumn<int>("level");
        QTest::newRow("in the ring") << 3.0 << 4.0 << 2;
        QTest::newRow("in the disc") << 0.5 << 1.5 << 3;
    }

    void allAround() {
        QFETCH(double, x1);
        QFETCH(double, x2);
        QFETCH(int, level);
        SiteCamera dome = test::entranceCamera();
        dome.lensModel = {Projection::Equidistant, 360};
        dome.aim = Aim::Tilt;
        dome.tiltDeg = 90;
        const PlanCoverage coverage;
        const CameraCover cover = coverage.camera(dome, enLevels());
        // Circles of 72 corners are 0.13 % smaller than round ones.
        QVERIFY2(qAbs(cover.bandAreaM2.at(2) / 56.3241 - 1) < 0.002,
                 qPrintable(QString::number(cover.bandAreaM2.at(2))));
        const SiteArea behind{QStringLiteral("Behind"),
                              Level(level),
                              {{-x2, -0.5}, {-x1, -0.5}, {-x1, 0.5}, {-x2, 0.5}}};
        const AreaCover covered = coverage.area(behind, {&cover});
        QVERIFY(covered.coveredShare);
        QCOMPARE(*covered.coveredShare, 1.0);
    }

    // A camera on a wall sees nothing of the room behind it. The example camera at the origin
    // turned 10 degrees north of east sees the square from x = 5 to 6, y = -0.8 to -0.2 whole
    // at identification (its corners lie 1.7 to 9.1 degrees south of east, inside its field of
    // +-21.8 degrees round the axis, 4.8 to 5.9 m along it); the wall along the x axis puts the
    // square in the next room. A dome (equidistant, 360 degrees) looking north sees the square
    // from x = 2 to 3, y = -3 to -2 at monitoring all round, but not through its wall.
    void wallThroughCamera_data() {
        QTest::addColumn<std::vector<SiteWall>>("walls");
        QTest::addColumn<SiteCamera>("camera");
        QTest::addColumn<std::vector<PlanPoint>>("area");
        QTest::addColumn<int>("level");
        QTest::addColumn<double>("share");
        const std::vector<SiteWall> alongX{wall(-10, 0, 20, 0)};
        const auto turned = [](PlanPoint at, double pan) {
            SiteCamera camera = cameraAt(0, pan);
            camera.position = at;
            return camera;
        };
        const SiteCamera camera = turned({0, 0}, 10);
        const std::vector<PlanPoint> nextRoom{{5, -0.8}, {6, -0.8}, {6, -0.2}, {5, -0.2}};
        const auto row = [&](const char* name, const std::vector<SiteWall>& walls,
                             const SiteCamera& at, double share) {
            QTest::newRow(name) << walls << at << nextRoom << int(EnIdentification) << share;
        };
        row("no wall", {}, camera, 1);
        row("on the wall", alongX, camera, 0);
        row("at the room's corner", {wall(20, 0, 0, 0), wall(0, 0, 0, 10)}, camera, 0);
        row("on a corner of the wall's line", {SiteWall{{{-10, 0}, {0, 0}, {20, 0}}}}, camera, 0);
        // The wall ends 1 m short of the camera: its line passes the camera, the wall does not.
        row("on the wall's line, past its end", {wall(-10, 0, -1, 0)}, camera, 1);
        row("0.1 mm off, in front of the wall", alongX, turned({0, 0.0001}, 10), 0);
        row("0.1 mm off, behind the wall", alongX, turned({0, -0.0001}, 10), 1);
        // Looking along the wall the field is as much north as south: the camera sees north.
        row("looking along the wall", alongX, turned({0, 0}, 0), 0);
        QTest::newRow("looking west along the wall: its left is south")
            << alongX << turned({0, 0}, 180)
            << std::vector<PlanPoint>{{-6, -0.8}, {-5, -0.8}, {-5, -0.2}, {-6, -0.2}}
            << int(EnIdentification) << 1.0;
        SiteCamera dome = turned({0, 0}, 90);
        dome.lensModel = {Projection::Equidistant, 360.0};
        const std::vector<PlanPoint> southEast{{2, -3}, {3, -3}, {3, -2}, {2, -2}};
        QTest::newRow("dome, no wall") << std::vector<SiteWall>{} << dome << southEast << 0 << 1.0;
        QTest::newRow("dome on the wall") << alongX << dome << southEast << 0 << 0.0;
    }

    void wallThroughCamera() {
        QFETCH(std::vector<SiteWall>, walls);
        QFETCH(SiteCamera, camera);
        QFETCH(std::vector<PlanPoint>, area);
        QFETCH(int, level);
        QFETCH(double, share);
        const PlanCoverage coverage(walls);
        const CameraCover cover = coverage.camera(camera, enLevels());
        const std::optional<double> got =
            coverage.area({QStringLiteral("Next room"), Level(level), area}, {&cover}).coveredShare;
        QVERIFY(got);
        QVERIFY2(qAbs(*got - share) < 1e-9, qPrintable(QString::number(*got)));
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
