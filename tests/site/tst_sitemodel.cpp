// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/newcamera.h"
#include "site/plancoordinates.h"
#include "site/planextent.h"
#include "site/plangeometry.h"
#include "site/sitecoverage.h"
#include "site/sitepaths.h"
#include "site/snapping.h"
#include "support/siteexample.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <tuple>

using namespace vistaro;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(vistaro::SiteItem)

namespace {

bool near(double a, double b) {
    return std::abs(a - b) < 1e-9;
}

// Counts what the coverage asks for, to see that a change brings only what it must again.
class CountingGeometry : public PlanGeometry {
public:
    CameraFootprint footprint(const SiteCamera& camera, const LevelSet& levels,
                              const std::vector<SiteWall>& walls,
                              const std::vector<PlanPoint>& boundary,
                              const std::vector<SiteObstacle>& obstacles) const override {
        ++cameras;
        return PlanGeometry::footprint(camera, levels, walls, boundary, obstacles);
    }
    std::vector<CameraFootprint>
    footprints(const std::vector<SiteCamera>& all, const LevelSet& levels,
               const std::vector<SiteWall>& walls, const std::vector<PlanPoint>& boundary,
               const std::vector<SiteObstacle>& obstacles) const override {
        cameras += static_cast<int>(all.size());
        return PlanGeometry::footprints(all, levels, walls, boundary, obstacles);
    }
    AreaCoverage areaCoverage(const SiteArea& area, const std::vector<CameraFootprint>& all,
                              const std::vector<PlanPoint>& boundary) const override {
        ++areas;
        return PlanGeometry::areaCoverage(area, all, boundary);
    }
    mutable int cameras = 0;
    mutable int areas = 0;
};

SiteStorey storeyAt(double elevationM) {
    SiteStorey storey;
    storey.elevationM = elevationM;
    return storey;
}

} // namespace

// The site plan's logic without a window: document steps, plan geometry, coordinates, file names.
class TestSiteModel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // A step with a reference out of range or an item of the wrong kind changes and says nothing.
    void documentSteps_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("index");
        QTest::addColumn<SiteItem>("item");
        QTest::addColumn<int>("cameras");
        QTest::addColumn<int>("walls");
        const SiteItem wall = SiteWall{{{0, 0}, {1, 1}}};
        QTest::newRow("insert a wall at the end") << "insert" << 1 << 1 << wall << 1 << 2;
        QTest::newRow("insert past the end") << "insert" << 1 << 2 << wall << 1 << 1;
        QTest::newRow("insert a wall as a camera") << "insert" << 0 << 0 << wall << 1 << 1;
        QTest::newRow("remove the wall") << "remove" << 1 << 0 << wall << 1 << 0;
        QTest::newRow("remove beyond") << "remove" << 0 << 1 << wall << 1 << 1;
        QTest::newRow("remove at -1") << "remove" << 0 << -1 << wall << 1 << 1;
        QTest::newRow("set the wall") << "set" << 1 << 0 << wall << 1 << 1;
        QTest::newRow("set a camera to a wall") << "set" << 0 << 0 << wall << 1 << 1;
    }
    void documentSteps() {
        QFETCH(QString, step);
        QFETCH(int, kind);
        QFETCH(int, index);
        QFETCH(SiteItem, item);
        QFETCH(int, cameras);
        QFETCH(int, walls);
        SiteDocument document;
        document.reset(test::exampleSite());
        QSignalSpy inserted(&document, &SiteDocument::itemsInserted);
        QSignalSpy removed(&document, &SiteDocument::itemsRemoved);
        QSignalSpy changed(&document, &SiteDocument::itemsChanged);
        const ItemRef ref{static_cast<ItemKind>(kind), index};
        if (step == u"insert"_s)
            document.insertItems({{ref, item}});
        else if (step == u"remove"_s)
            document.removeItems({ref});
        else
            document.setItem(ref, item);
        QCOMPARE(document.count(ItemKind::Camera), cameras);
        QCOMPARE(document.count(ItemKind::Wall), walls);
        const Site before = test::exampleSite();
        const bool done = document.site() != before;
        QCOMPARE(inserted.size() + removed.size() + changed.size(), done ? 1 : 0);
        if (done && step != u"remove"_s)
            QCOMPARE(document.item(ref), item);
    }

    void names_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("fresh");
        QTest::addColumn<QString>("copy");
        QTest::newRow("none yet") << "Camera" << QStringList{} << "Camera 1"
                                  << "Camera 1";
        QTest::newRow("the first gap")
            << "Camera" << QStringList{u"Camera 1"_s, u"Camera 3"_s} << "Camera 2"
            << "Camera 2";
        QTest::newRow("a numbered original")
            << "Camera 2" << QStringList{u"Camera 1"_s, u"Camera 2"_s} << "Camera 2 1"
            << "Camera 3";
        QTest::newRow("a number inside") << "Gate 12b" << QStringList{u"Gate 12b"_s} << "Gate 12b 1"
                                         << "Gate 12b 1";
    }
    void names() {
        QFETCH(QString, name);
        QFETCH(QStringList, taken);
        QFETCH(QString, fresh);
        QFETCH(QString, copy);
        QCOMPARE(freeName(name, taken), fresh);
        QCOMPARE(copyName(name, taken), copy);
    }

    void translatedMovesEveryPoint() {
        const auto area = std::get<SiteArea>(translated(test::exampleSite().areas[0], 0.5, -2));
        QCOMPARE(area.points, (std::vector<PlanPoint>{{1.5, -3}, {3.5, -3}, {3.5, -1}, {1.5, -1}}));
    }

    // An L of walls, (0 0)-(10 0)-(10 5), and a 4 m wall from (20 0); 0.4 m of reach, a 1 m grid
    // (0.1 m where told). A corner beats a nearer line, a line beats the grid, exactly at the reach
    // still snaps. "x y grid|snapped x y kind" (E end, L line, G grid, - none).
    void snapping_data() {
        QTest::addColumn<QString>("at");
        QTest::addColumn<QString>("snapped");
        QTest::newRow("corner over a nearer line") << u"9.8 0.1 1"_s << u"10 0 E"_s;
        QTest::newRow("end of a straight wall") << u"23.7 0.2 1"_s << u"24 0 E"_s;
        QTest::newRow("line over the grid") << u"5.3 0.35 1"_s << u"5.3 0 L"_s;
        QTest::newRow("second leg") << u"10.2 2.25 1"_s << u"10 2.25 L"_s;
        QTest::newRow("at the reach") << u"5.3 -0.4 1"_s << u"5.3 0 L"_s;
        QTest::newRow("past the reach") << u"5.3 -0.41 1"_s << u"5 0 G"_s;
        QTest::newRow("grid, whole metres") << u"-9.999471598 7.2 1"_s << u"-10 7 G"_s;
        QTest::newRow("grid, tenths") << u"3.31 7.29 0.1"_s << u"3.3 7.3 G"_s;
        QTest::newRow("no grid") << u"3.31 7.29 0"_s << u"3.31 7.29 -"_s;
        QTest::newRow("off") << u"9.8 0.1 off"_s << u"9.8 0.1 -"_s;
    }
    void snapping() {
        QFETCH(QString, at);
        QFETCH(QString, snapped);
        const WallSnapper walls(
            {SiteWall{{{0, 0}, {10, 0}, {10, 5}}}, SiteWall{{{20, 0}, {24, 0}}}});
        const QStringList in = at.split(u' ');
        const bool off = in[2] == u"off"_s;
        const Snapped got = walls.snap({in[0].toDouble(), in[1].toDouble()},
                                       SnapRule{0.4, off ? 1 : in[2].toDouble(), !off});
        const QString kinds = u"-ELG"_s;
        // Exact figures: a grid point is the number as typed, not one a rounding error away.
        QCOMPARE(u"%1 %2 %3"_s.arg(got.point.x, 0, 'g', QLocale::FloatingPointShortest)
                     .arg(got.point.y, 0, 'g', QLocale::FloatingPointShortest)
                     .arg(kinds[int(got.kind)]),
                 snapped);
    }

    // From (1 1), a pointer at a length and direction; held at 15 degrees, the length on a 1 m
    // grid (none where told): "pointer length, degrees, grid|held length, degrees".
    void heldAtFifteenDegrees_data() {
        QTest::addColumn<QString>("pointer");
        QTest::addColumn<QString>("held");
        QTest::newRow("east") << u"9.7 4 1"_s << u"10 0"_s;
        QTest::newRow("nearer 15 than 0") << u"3.2 8 1"_s << u"3 15"_s;
        QTest::newRow("north-east") << u"6.6 46.9 1"_s << u"7 45"_s;
        QTest::newRow("round to north") << u"4.4 352.6 1"_s << u"4 0"_s;
        QTest::newRow("south, no grid") << u"2.5 268 0"_s << u"2.5 270"_s;
    }
    void heldAtFifteenDegrees() {
        QFETCH(QString, pointer);
        QFETCH(QString, held);
        const QStringList in = pointer.split(u' ');
        const PlanPoint from{1, 1};
        const PlanPoint to = pointAt(from, in[0].toDouble(), in[1].toDouble());
        const PlanPoint got = heldAtAngle(from, to, 15, in[2].toDouble());
        const double length = std::hypot(got.x - from.x, got.y - from.y);
        QCOMPARE(u"%1 %2"_s.arg(length, 0, 'g', 12).arg(panTowards(from, got), 0, 'g', 12), held);
        // The main directions keep the other coordinate exact.
        if (held.endsWith(u" 0"_s) || held.endsWith(u" 270"_s))
            QVERIFY(got.y == 1 || got.x == 1);
    }

    // North is up on screen (the scene's y runs the other way); pan is counter-clockwise from east.
    void coordinates_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("pan");
        QTest::newRow("north") << 0.0 << 5.0 << 90.0;
        QTest::newRow("south-east") << 1.0 << -1.0 << 315.0;
    }
    void coordinates() {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, pan);
        QCOMPARE(toScene({x, y}), QPointF(x, -y));
        QCOMPARE(toPlan(toScene({x, y})), (PlanPoint{x, y}));
        QCOMPARE(panTowards({1, 1}, {1 + x, 1 + y}), pan);
    }

    // The extent: what is drawn and placed, not the bands; their limit 2 m round it, a tenth of
    // its larger side beyond 20 m, none with a boundary (which cuts the coverage itself).
    void planExtent_data() {
        QTest::addColumn<Site>("site");
        QTest::addColumn<QRectF>("picture"); // in its pixels; empty for none
        QTest::addColumn<QVariant>("extent");
        QTest::addColumn<QVariant>("limit");
        const Site shop = test::shopWithOpenDoor();
        QTest::newRow("nothing") << Site() << QRectF() << QVariant() << QVariant();
        QTest::newRow("shop, fan out of the door")
            << shop << QRectF() << QVariant(QRectF(0, 0, 20, 12))
            << QVariant(QRectF(-2, -2, 24, 16));
        // 800 x 640 px, 400 px to 12.5 m, from (0, 0): x 0 to 25, y 0 to -20; 3 m round.
        QTest::newRow("example on its picture")
            << test::exampleSite() << QRectF(0, 0, 800, 640) << QVariant(QRectF(0, -20, 25, 30))
            << QVariant(QRectF(-3, -23, 31, 36));
        Site bounded = shop;
        bounded.boundary = {{-5, -5}, {40, -5}, {40, 20}};
        QTest::newRow("boundary beyond the walls")
            << bounded << QRectF() << QVariant(QRectF(-5, -5, 45, 25)) << QVariant();
        // 30 m wide: 3 m round.
        Site shelved = shop;
        shelved.obstacles = {SiteObstacle{u"Rack"_s, {{25, 0}, {30, 0}, {30, 5}}, 0, 2}};
        QTest::newRow("an obstacle beyond the walls")
            << shelved << QRectF() << QVariant(QRectF(0, 0, 30, 12))
            << QVariant(QRectF(-3, -3, 36, 18));
    }

    void planExtent() {
        QFETCH(Site, site);
        QFETCH(QRectF, picture);
        QFETCH(QVariant, extent);
        QFETCH(QVariant, limit);
        const std::optional<QRectF> found = vistaro::planExtent(
            site, picture.isEmpty()
                      ? std::nullopt
                      : std::optional(backgroundOnPlan(*site.storeys.front().background, picture)));
        QCOMPARE(found ? QVariant(*found) : QVariant(), extent);
        const std::optional<QRectF> cut = bandLimit(site, found);
        QCOMPARE(cut ? QVariant(*cut) : QVariant(), limit);
    }

    // Setting the scale keeps the first point where it lies on the plan.
    void backgroundScale() {
        SiteBackground background;
        background.offset = {10, 20};
        QCOMPARE(planOfPixel(background, {100, 50}), (PlanPoint{12, 19}));
        const auto scaled = scaledBackground(background, {100, 50}, {300, 50}, 10);
        QVERIFY(scaled);
        QCOMPARE(metresPerPixel(*scaled), 0.05);
        QCOMPARE(planOfPixel(*scaled, {100, 50}), (PlanPoint{12, 19}));
        const PlanPoint to = planOfPixel(*scaled, {300, 50});
        QVERIFY(near(to.x, 22) && near(to.y, 19));
        QCOMPARE(pixelOfPlan(*scaled, to).x, 300.0);
        QVERIFY(!scaledBackground(background, {1, 1}, {1, 1}, 10));
        QVERIFY(!scaledBackground(background, {0, 0}, {1, 1}, 0));
        QVERIFY(!scaledBackground(background, {0, 0}, {1, 1}, std::nan("")));
    }

    // Bands cut by walls: the camera at (1, 2) identifies 31.6736 m² (tst_plancoverage), label half
    // way, 6.5333 m out; a wall across 5 m out leaves 5.0977 m², hiding the label; dead zone 8.2 m.
    void planFootprint_data() {
        QTest::addColumn<double>("pan");
        QTest::addColumn<bool>("walled");
        QTest::addColumn<double>("identified");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("deadZone"); // how far it reaches along the axis
        QTest::newRow("looking east") << 0.0 << false << 31.6736 << "7.53 2.00"
                                      << "8.20";
        QTest::newRow("looking north") << 90.0 << false << 31.6736 << "1.00 8.53"
                                       << "8.20";
        QTest::newRow("a wall 5 m out") << 0.0 << true << 5.0977 << "none"
                                        << "5.00";
    }
    void planFootprint() {
        QFETCH(double, pan);
        QFETCH(bool, walled);
        QFETCH(double, identified);
        QFETCH(QString, label);
        QFETCH(QString, deadZone);
        SiteCamera camera = test::entranceCamera();
        camera.position = {1, 2};
        camera.panDeg = pan;
        const std::vector<SiteWall> walls =
            walled ? std::vector{SiteWall{{{6, -20}, {6, 20}}}} : std::vector<SiteWall>{};
        const CameraFootprint footprint = PlanGeometry().footprint(camera, enLevels(), walls);
        const LevelBand& identification = footprint.bands.front(); // the highest level first
        QCOMPARE(identification.level, EnIdentification);
        QVERIFY2(std::abs(identification.areaM2 - identified) < 1e-3,
                 qPrintable(QString::number(identification.areaM2)));
        QCOMPARE(footprint.areaAtLevel(EnIdentification), identification.areaM2);
        const std::optional<PlanPoint> at = identification.labelAt;
        QCOMPARE(at ? QStringLiteral("%1 %2").arg(at->x, 0, 'f', 2).arg(at->y, 0, 'f', 2)
                    : QStringLiteral("none"),
                 label);
        double deepest = 0;
        const double pi = std::acos(-1.0);
        for (const PlanPoint& corner : footprint.deadZone.rings.at(0))
            deepest = std::max(deepest, (corner.x - 1) * std::cos(pan * pi / 180) +
                                            (corner.y - 2) * std::sin(pan * pi / 180));
        QCOMPARE(QString::number(deepest, 'f', 2), deadZone);
    }

    // All cameras at once, over the cores, match each alone: doors, views through, a fieldless one.
    void everyCameraAtOnce() {
        std::vector<SiteCamera> cameras;
        for (int i = 0; i < 40; ++i) {
            SiteCamera camera = test::entranceCamera();
            camera.position = {0.5 * i, -3.0 + i % 3};
            camera.panDeg = 9.0 * i;
            camera.focalMm = i == 7 ? 0 : 4 + i % 5;
            cameras.push_back(camera);
        }
        const std::vector<SiteWall> walls{SiteWall{{{-5, 0}, {4, 0}}}, SiteWall{{{5, 0}, {12, 0}}},
                                          SiteWall{{{13, 0}, {30, 0}}}};
        const std::vector<CameraFootprint> all =
            PlanGeometry().footprints(cameras, enLevels(), walls);
        QCOMPARE(all.size(), cameras.size());
        const PlanGeometry alone;
        for (std::size_t i = 0; i < cameras.size(); ++i)
            QCOMPARE(all[i], alone.footprint(cameras[i], enLevels(), walls));
        QVERIFY(all[7].bands.empty());
    }

    // Redone: a moved camera alone, all for a wall, an area a changed camera reaches or reached.
    // Second of three, 2 m west, sees the door from 1.55 m to the wall; others start at 3.55 m.
    void coverageFollowsTheDocument_data() {
        QTest::addColumn<int>("change");
        QTest::addColumn<int>("footprints");
        QTest::addColumn<int>("areas");
        QTest::newRow("move the camera that sees the door") << 0 << 1 << 1;
        QTest::newRow("move a camera that does not") << 1 << 1 << 0;
        QTest::newRow("move a wall") << 2 << 3 << 1;
        QTest::newRow("rename an area") << 3 << 0 << 1;
        QTest::newRow("add a camera that does not see the door") << 4 << 1 << 0;
        QTest::newRow("remove the camera that sees the door") << 5 << 0 << 1;
        QTest::newRow("remove a camera that does not") << 6 << 0 << 0;
        QTest::newRow("draw a boundary") << 7 << 3 << 1;
        QTest::newRow("add an obstacle") << 8 << 3 << 1;
        QTest::newRow("an obstacle given as an area") << 9 << 0 << 0;
    }
    void coverageFollowsTheDocument() {
        QFETCH(int, change);
        QFETCH(int, footprints);
        QFETCH(int, areas);
        SiteDocument document;
        Site site = test::exampleSite();
        site.cameras = {test::entranceCamera(),
                        std::get<SiteCamera>(translated(test::entranceCamera(), -2, 0)),
                        test::entranceCamera()};
        document.reset(site);
        CountingGeometry geometry;
        SiteCoverage coverage(document, geometry);
        QVERIFY(coverage.coverage(0).share > 0);
        geometry.cameras = geometry.areas = 0;
        SiteArea renamed = site.areas[0];
        renamed.name = QStringLiteral("Gate");
        switch (change) {
        case 0:
            document.setItem({ItemKind::Camera, 1}, translated(site.cameras[1], 0, 0.5));
            break;
        case 1:
            document.setItem({ItemKind::Camera, 0}, translated(site.cameras[0], 0, 1));
            break;
        case 2:
            document.setItem({ItemKind::Wall, 0}, translated(site.walls[0], 1, 0));
            break;
        case 3:
            document.setItem({ItemKind::Area, 0}, renamed);
            break;
        case 4:
            document.insertItems({{{ItemKind::Camera, 3}, test::entranceCamera()}});
            break;
        case 7:
            document.setBoundary({{-5, -5}, {1.5, -5}, {1.5, 5}, {-5, 5}});
            break;
        case 8:
        case 9:
            document.insertItems({{{change == 8 ? ItemKind::Obstacle : ItemKind::Area, 0},
                                   SiteObstacle{u"Shelf"_s, {{0, 0}, {1, 0}, {1, 1}}, 0, 2}}});
            break;
        default:
            document.removeItems({{ItemKind::Camera, change == 5 ? 1 : 0}});
        }
        QCOMPARE(geometry.cameras, footprints);
        QCOMPARE(geometry.areas, areas);
        QCOMPARE(coverage.surface(0), 4.0);
        // What is kept is what the cameras cover now, and the area's share of it.
        const Site& now = document.site();
        std::vector<CameraFootprint> all;
        for (const SiteCamera& camera : now.cameras)
            all.push_back(PlanGeometry().footprint(camera, now.levelSet, now.walls, now.boundary,
                                                   now.obstacles));
        QCOMPARE(coverage.footprint(document.count(ItemKind::Camera) - 1), all.back());
        QCOMPARE(coverage.coverage(0),
                 PlanGeometry().areaCoverage(now.areas[0], all, now.boundary));
    }

    // Two storeys of one plan: the example camera looks east from the origin and identifies the
    // door x = 4..6, |y| <= 1 whole; a wall across at x = 3.8, or a shelf there above the faces,
    // hides it from the camera of the wall's storey alone, and only the cameras of the area's
    // storey cover it. Moving the camera 10 cm brings the area again only on its storey.
    void storeys_data() {
        QTest::addColumn<int>("cameraStorey");
        QTest::addColumn<int>("wallStorey"); // -1: none
        QTest::addColumn<bool>("obstacle");  // else a wall
        QTest::addColumn<int>("areaStorey");
        QTest::addColumn<double>("share");
        QTest::addColumn<int>("redone"); // areas, after the move
        QTest::newRow("same storey, nothing between") << 1 << -1 << false << 1 << 1.0 << 1;
        QTest::newRow("a wall of its own storey, its reach short of the area")
            << 1 << 1 << false << 1 << 0.0 << 0;
        QTest::newRow("a wall on the storey below") << 1 << 0 << false << 1 << 1.0 << 1;
        QTest::newRow("a shelf on the storey below") << 1 << 0 << true << 1 << 1.0 << 1;
        QTest::newRow("a shelf of its own storey") << 0 << 0 << true << 0 << 0.0 << 1;
        QTest::newRow("an area above the camera") << 0 << -1 << false << 1 << 0.0 << 0;
        QTest::newRow("an area below the camera") << 1 << -1 << false << 0 << 0.0 << 0;
    }
    void storeys() {
        QFETCH(int, cameraStorey);
        QFETCH(int, wallStorey);
        QFETCH(bool, obstacle);
        QFETCH(int, areaStorey);
        QFETCH(double, share);
        QFETCH(int, redone);
        Site site;
        site.storeys = {SiteStorey{}, SiteStorey{QStringLiteral("First"), 3.5, 3.5, {}}};
        site.cameras = {test::entranceCamera()};
        site.cameras[0].storey = cameraStorey;
        site.areas = {SiteArea{{}, EnIdentification, {{4, -1}, {6, -1}, {6, 1}, {4, 1}}}};
        site.areas[0].storey = areaStorey;
        if (wallStorey >= 0 && obstacle)
            site.obstacles = {{{}, {{3.8, -5}, {3.9, -5}, {3.9, 5}, {3.8, 5}}, 0, 2.2}};
        if (wallStorey >= 0 && !obstacle)
            site.walls = {SiteWall{{{3.8, -10}, {3.8, 10}}}};
        for (SiteWall& wall : site.walls)
            wall.storey = wallStorey;
        for (SiteObstacle& shelf : site.obstacles)
            shelf.storey = wallStorey;
        SiteDocument document;
        document.reset(site);
        CountingGeometry geometry;
        const SiteCoverage coverage(document, geometry);
        QVERIFY2(qAbs(coverage.coverage(0).share - share) < 1e-9,
                 qPrintable(QString::number(coverage.coverage(0).share)));
        geometry.areas = 0;
        document.setItem({ItemKind::Camera, 0}, translated(site.cameras[0], 0, 0.1));
        QCOMPARE(geometry.areas, redone);
        // A camera alone, on whichever storey was indexed last, sees what it sees among all.
        const std::vector<CameraFootprint> all = PlanGeometry().footprints(
            document.site().cameras, site.levelSet, site.walls, {}, site.obstacles);
        QCOMPARE(coverage.footprint(0), all.front());
    }

    // An area with a target height of its own is judged from the cameras' fields at that height. A
    // 2.8 mm camera 3 m up, aimed at 1.7 m at 10 m, sees 0.5 m from 2.5 / tan(7.41° + 25.74°) =
    // 3.83 m on. A 1.1 m counter at x = 4..4.2 hides none of 1.7 m, but at 0.5 m the sight line
    // is below 1.1 m from 1.9 / 2.5 of the way on: all from 4 to 4.2 x 2.5 / 1.9 = 5.53 m.
    void areaTargetHeight_data() {
        QTest::addColumn<double>("targetM"); // 0: the cameras' own
        QTest::addColumn<bool>("counter");
        QTest::addColumn<bool>("moved"); // the camera, out of sight of the area
        QTest::addColumn<double>("share");
        QTest::newRow("faces over a counter") << 0.0 << true << false << 1.0;
        QTest::newRow("plates with nothing in the way") << 0.5 << false << false << 1.0;
        QTest::newRow("plates behind a counter") << 0.5 << true << false << 0.0;
        QTest::newRow("plates, the camera moved away") << 0.5 << false << true << 0.0;
    }
    void areaTargetHeight() {
        QFETCH(double, targetM);
        QFETCH(bool, counter);
        QFETCH(bool, moved);
        QFETCH(double, share);
        Site site;
        site.cameras = {test::entranceCamera()};
        site.cameras[0].focalMm = 2.8;
        site.areas = {SiteArea{{}, 1, {{4.5, -0.5}, {5.2, -0.5}, {5.2, 0.5}, {4.5, 0.5}}}};
        if (targetM > 0)
            site.areas[0].targetHeightM = targetM;
        if (counter)
            site.obstacles = {{{}, {{4, -1}, {4.2, -1}, {4.2, 1}, {4, 1}}, 0, 1.1}};
        SiteDocument document;
        document.reset(site);
        const PlanGeometry geometry;
        const SiteCoverage coverage(document, geometry);
        if (moved)
            document.setItem({ItemKind::Camera, 0}, translated(site.cameras[0], 0, 50));
        QVERIFY2(qAbs(coverage.coverage(0).share - share) < 1e-9,
                 qPrintable(QString::number(coverage.coverage(0).share)));
    }

    // Fields from the calculator and coverage window, unreadable ones at default; a camera shown in
    // the coverage window takes sensor and heights, the site's level set and its level's place.
    void cameraFromTheCalculator() {
        CalculatorReading reading{u"6"_s, u"10"_s, u"60"_s, u"20"_s, false, SensorFormat::Half,
                                  u"."_s};
        CoverageInputs inputs;
        inputs.level = 3; // recognition
        inputs.mountHeightM = 4;
        inputs.targetHeightM = 1.5;
        QCOMPARE(cameraFromCalculator(reading, inputs, {}, screenShareLevels()).level, Level(3));
        QCOMPARE(cameraFromCalculator(reading, inputs, {}, plateLevels({})).level, Level(0));
        SiteCamera camera =
            cameraFromCalculator(reading, inputs, QStringLiteral("H6012DD"), enLevels());
        QCOMPARE(camera.camera.sensor, sensorOfFormat(SensorFormat::Half));
        QCOMPARE(std::tuple(camera.focalMm, camera.distanceM, camera.mountHeightM, camera.level),
                 std::tuple(6.0, 10.0, 4.0, Level(3)));
        QCOMPARE(camera.focalTeleMm, std::nullopt);
        QCOMPARE(camera.lens, u"H6012DD"_s);
        reading.zoom = true;
        reading.focal1 = u"abc"_s;
        camera = cameraFromCalculator(reading, inputs, std::nullopt, enLevels());
        QCOMPARE(camera.focalMm, SiteCamera{}.focalMm);
        QCOMPARE(camera.focalTeleMm, 60.0);
        QVERIFY(camera.lens.isEmpty());

        camera.aim = Aim::Tilt;
        camera.tiltDeg = 45;
        camera.mountHeightM = 12;
        const CoverageInputs shown = coverageInputsOf(camera, screenShareLevels(), inputs);
        QCOMPARE(shown.levelSet, screenShareLevels());
        QCOMPARE(shown.level, Level(3));
        QCOMPARE(shown.sensorSource, SensorSource::Custom);
        QCOMPARE(shown.customSensor, camera.camera.sensor);
        QVERIFY(near(shown.targetHeightM, 2));
    }

    void pictureFiles_data() {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("kept");
        const auto row = [](const char* name, const char* named, const char* path,
                            const char* kept) {
            QTest::newRow(name) << "/plans/a.vistaro" << named << path << kept;
        };
        row("beside", "plan.png", "/plans/plan.png", "plan.png");
        row("above", "../x.jpg", "/x.jpg", "/x.jpg");
        row("elsewhere", "/scans/x.jpg", "/scans/x.jpg", "/scans/x.jpg");
        row("below", "scans/x.jpg", "/plans/scans/x.jpg", "scans/x.jpg");
        row("two dots begin a name", "..x.jpg", "/plans/..x.jpg", "..x.jpg");
        row("up and down again", "scans/../x.jpg", "/plans/x.jpg", "x.jpg");
    }
    void pictureFiles() {
        QFETCH(QString, site);
        QFETCH(QString, named);
        QFETCH(QString, path);
        QFETCH(QString, kept);
        QCOMPARE(picturePath(site, named), path);
        QCOMPARE(pictureName(site, path), kept);
        QCOMPARE(pictureName(QString(), path), path);
    }

    // New storeys from old ones: items follow theirs to its new place, those of a storey dropped
    // go. The site: storeys at 0, 3 and 6 m; cameras on 0, 1 and 2, walls on 2 and 0, an area on
    // 1, an obstacle on 2; as "cameras; walls; areas; obstacles".
    void withStoreys_data() {
        QTest::addColumn<QList<int>>("from");
        QTest::addColumn<QString>("items");
        QTest::newRow("as they were") << QList<int>{0, 1, 2} << u"0 1 2; 2 0; 1; 2"_s;
        QTest::newRow("top dropped") << QList<int>{0, 1} << u"0 1; 0; 1; "_s;
        QTest::newRow("middle dropped") << QList<int>{0, 2} << u"0 1; 1 0; ; 1"_s;
        QTest::newRow("two swapped") << QList<int>{1, 0, 2} << u"1 0 2; 2 1; 0; 2"_s;
        QTest::newRow("one added first") << QList<int>{-1, 0, 1, 2} << u"1 2 3; 3 1; 2; 3"_s;
        QTest::newRow("all but a new one dropped") << QList<int>{-1} << u"; ; ; "_s;
        QTest::newRow("none: kept") << QList<int>{} << u"0 1 2; 2 0; 1; 2"_s;
    }
    void withStoreys() {
        QFETCH(QList<int>, from);
        QFETCH(QString, items);
        Site site;
        site.storeys = {storeyAt(0), storeyAt(3), storeyAt(6)};
        for (const int storey : {0, 1, 2})
            site.cameras.emplace_back().storey = storey;
        for (const int storey : {2, 0})
            site.walls.emplace_back().storey = storey;
        site.areas.emplace_back().storey = 1;
        site.obstacles.emplace_back().storey = 2;
        std::vector<SiteStorey> storeys;
        for (const int old : from)
            storeys.push_back(old < 0 ? storeyAt(-3) : site.storeys[std::size_t(old)]);
        const Site after = vistaro::withStoreys(site, storeys, {from.begin(), from.end()});
        const auto list = [](const auto& of) {
            QStringList storeys;
            for (const auto& item : of)
                storeys << QString::number(item.storey);
            return storeys.join(u' ');
        };
        QCOMPARE(u"%1; %2; %3; %4"_s.arg(list(after.cameras), list(after.walls), list(after.areas),
                                         list(after.obstacles)),
                 items);
        QCOMPARE(after.storeys.size(), from.empty() ? site.storeys.size() : storeys.size());
    }

    // Up and down go by elevation, not by the storeys' order: here 3 m, 0 m, 6 m and -3 m.
    void nextStorey_data() {
        QTest::addColumn<int>("storey");
        QTest::addColumn<int>("up");
        QTest::addColumn<int>("down");
        QTest::newRow("ground") << 1 << 0 << 3;
        QTest::newRow("first") << 0 << 2 << 1;
        QTest::newRow("top") << 2 << -1 << 0;
        QTest::newRow("basement") << 3 << 1 << -1;
    }
    void nextStorey() {
        QFETCH(int, storey);
        QFETCH(int, up);
        QFETCH(int, down);
        Site site;
        site.storeys = {storeyAt(3), storeyAt(0), storeyAt(6), storeyAt(-3)};
        QCOMPARE(vistaro::nextStorey(site, storey, 1).value_or(-1), up);
        QCOMPARE(vistaro::nextStorey(site, storey, -1).value_or(-1), down);
    }

    void recent() {
        QCOMPARE(recentFiles({u"a"_s, u"b"_s, u"c"_s}, u"b"_s, 3),
                 (QStringList{u"b"_s, u"a"_s, u"c"_s}));
        QCOMPARE(recentFiles({u"a"_s, u"b"_s, u"c"_s}, u"d"_s, 3),
                 (QStringList{u"d"_s, u"a"_s, u"b"_s}));
    }
};

QTEST_GUILESS_MAIN(TestSiteModel)
#include "tst_sitemodel.moc"
