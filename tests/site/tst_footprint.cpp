// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "optics/coveragefields.h"
#include "site/footprint.h"
#include "site/planfigures.h"
#include "support/siteexample.h"

#include <QLocale>
#include <QTest>
#include <algorithm>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

// The entrance camera (1/3" 4.8 x 3.6 mm, 1920 x 1080, 6 mm, 3 m up, aimed at 1.7 m at 10 m,
// looking east from the origin), worked by hand:
// - the 16:9 picture spans the sensor's width: imaged 4.8 x 2.7 mm; half-width 4.8 / 12 = 0.4 d;
// - level distances 6 x 1920 / (level x 4.8) = 2400 / level: identification 9.6 m, recognition
//   19.2, observation 38.4, detection 96;
// - tan t = 1.3 / 10 = 0.13 and tan(v/2) = 2.7 / 12 = 0.225, so tan(t + v/2) =
//   0.355 / (1 - 0.13 x 0.225) = 0.355 / 0.97075: the near edge at 1.7 m lies at
//   1.3 x 0.97075 / 0.355 = 3.55486 m, the near ground edge at 3 x 0.97075 / 0.355 = 8.20352 m;
// - t < v/2: the upper edge of the view rises above the horizon, the far edge is unbounded.

// The entrance camera mounted elsewhere, aimed at `target` or by `tilt`.
SiteCamera with(double mount, double target, std::optional<double> tilt) {
    SiteCamera camera = test::entranceCamera();
    camera.mountHeightM = mount;
    camera.targetHeightM = target;
    if (tilt) {
        camera.aim = Aim::Tilt;
        camera.tiltDeg = *tilt;
    }
    return camera;
}

QString shown(double value) {
    return QString::number(value, 'f', 4);
}

QString shown(const std::optional<AxialRange>& range) {
    if (!range)
        return QStringLiteral("none");
    return shown(range->nearM) + u'-' + (range->farM ? shown(*range->farM) : u"unbounded"_s);
}

QString shown(const PlanPolygon& polygon) {
    QStringList corners;
    for (const PlanPoint& corner : polygon)
        corners << QStringLiteral("(%1 %2)").arg(shown(corner.x), shown(corner.y));
    return corners.join(u' ').replace(QStringLiteral("-0.0000"), QStringLiteral("0.0000"));
}

const LevelSet En = enLevels();

// The entrance camera at its target's height, so that the distance to the target is the aim
// distance, with a lens of `focal` mm, a zoom's `tele` end and a datasheet's `angle`.
SiteCamera level(double focal, std::optional<double> tele = {}, std::optional<double> angle = {}) {
    SiteCamera camera = with(1.7, 1.7, std::nullopt);
    camera.focalMm = focal;
    camera.focalTeleMm = tele;
    camera.lensModel.datasheetAngleHDeg = angle;
    return camera;
}

} // namespace

class TestFootprint : public QObject {
    Q_OBJECT

private slots:
    // The coverage window's fields are read in the regional number format.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The field at the target height, its bands and the ground's dead zone, as axial distances.
    void bands_data() {
        QTest::addColumn<SiteCamera>("camera");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("bands");
        QTest::addColumn<QString>("deadZone"); // its far end, or none
        // Inspection ends at 2.4 m, before the field begins.
        QTest::newRow("aimed at 1.7 m at 10 m: every band, the last capped at monitor")
            << test::entranceCamera() << "3.5549-unbounded"
            << "identification 3.5549-9.6000|recognition 9.6000-19.2000|"
               "observation 19.2000-38.4000|detection 38.4000-96.0000|monitor 96.0000-192.0000"
            << "8.2035";
        // tan 30° = 0.57735: tan(t + v/2) = 0.80235 / 0.87010 = 0.92214, tan(t - v/2) =
        // 0.35235 / 1.12990 = 0.31184; near 1.3 / 0.92214, far 1.3 / 0.31184.
        QTest::newRow("tilted 30°: the far edge ends inside identification")
            << with(3, 1.7, 30) << "1.4098-4.1688"
            << "inspection 1.4098-2.4000|identification 2.4000-4.1688"
            << "3.2533";
        // The lower edge is past the vertical: the field at 1.7 m starts below the camera and
        // ends at 1.3 / tan(90° - v/2) = 1.3 x 0.225.
        QTest::newRow("looking straight down") << with(3, 1.7, 90) << "0.0000-0.2925"
                                               << "inspection 0.0000-0.2925"
                                               << "none";
        // Mirrored: 0.7 below the target, tan t' = 0.07: near 0.7 x 0.98425 / 0.295; the ground
        // from tan(v/2 - t') = 0.155 / 1.01575.
        QTest::newRow("mounted at 1 m, looking up at 1.7 m")
            << with(1, 1.7, std::nullopt) << "2.3355-unbounded"
            << "inspection 2.3355-2.4000|identification 2.4000-9.6000|"
               "recognition 9.6000-19.2000|observation 19.2000-38.4000|"
               "detection 38.4000-96.0000|monitor 96.0000-192.0000"
            << "6.5532";
        QTest::newRow("tilted 30° up: neither the target height nor the ground")
            << with(3, 1.7, -30) << "none"
            << ""
            << "none";
    }

    void bands() {
        QFETCH(SiteCamera, camera);
        QFETCH(QString, field);
        QFETCH(QString, bands);
        QFETCH(QString, deadZone);
        const FieldFootprint footprint = fieldFootprint(camera, En);
        QCOMPARE(shown(footprint.field), field);
        QStringList shownBands;
        for (const FieldBand& band : footprint.bands)
            shownBands << En.levels.at(band.level).key + u' ' + shown(band.range);
        QCOMPARE(shownBands.join(u'|'), bands);
        QCOMPARE(footprint.deadZone.empty() ? QStringLiteral("none")
                                            : shown(footprint.deadZone[1].x),
                 deadZone);
    }

    // Corners counter-clockwise from the near right one; half-widths 0.4 d: 1.42194 at the near
    // edge, 3.84 at 9.6 m, 3.28141 at the ground's 8.20352 m.
    void corners_data() {
        QTest::addColumn<double>("pan");
        QTest::addColumn<PlanPoint>("position");
        QTest::addColumn<QString>("identification");
        QTest::addColumn<QString>("deadZone");
        QTest::newRow("pan -90°: south, from (100, 50)")
            << -90.0 << PlanPoint{100, 50}
            << "(98.5781 46.4451) (96.1600 40.4000) (103.8400 40.4000) (101.4219 46.4451)"
            << "(100.0000 50.0000) (96.7186 41.7965) (103.2814 41.7965)";
    }

    void corners() {
        QFETCH(double, pan);
        QFETCH(PlanPoint, position);
        QFETCH(QString, identification);
        QFETCH(QString, deadZone);
        SiteCamera camera = test::entranceCamera();
        camera.panDeg = pan;
        camera.position = position;
        const FieldFootprint footprint = fieldFootprint(camera, En);
        QCOMPARE(footprint.bands.front().level, EnIdentification);
        QCOMPARE(shown(footprint.bands.front().corners), identification);
        QCOMPARE(shown(footprint.deadZone), deadZone);
    }

    // The bands' outline, finite when the field is not.
    void outline_data() {
        QTest::addColumn<SiteCamera>("camera");
        QTest::addColumn<QString>("outline");
        QTest::newRow("unbounded: capped at monitor, 192 m, half-width 76.8")
            << test::entranceCamera()
            << "(3.5549 -1.4219) (192.0000 -76.8000) (192.0000 76.8000) (3.5549 1.4219)";
        QTest::newRow("far edge before monitor")
            << with(3, 1.7, 30)
            << "(1.4098 -0.5639) (4.1688 -1.6675) (4.1688 1.6675) (1.4098 0.5639)";
        QTest::newRow("from the camera")
            << with(3, 1.7, 90) << "(0.0000 0.0000) (0.2925 -0.1170) (0.2925 0.1170)";
    }

    void outline() {
        QFETCH(SiteCamera, camera);
        QFETCH(QString, outline);
        QCOMPARE(shown(fieldFootprint(camera, En).outline), outline);
    }

    // The entrance camera with an equidistant lens whose datasheet says 200°: f = 2.4 mm /
    // 100° (1.74533 rad) = 1.37510 mm, so monitoring reaches 1.3751 x 1920 / (12.5 x 4.8) =
    // 44.0 m. From above it sees a sector, 100° to each side of east: out to 44.0 m north, and
    // 44.0 x cos 100° = -7.64 m behind the camera.
    void fisheyeSector() {
        SiteCamera camera = test::entranceCamera();
        camera.lensModel = {Projection::Equidistant, 200};
        const PlanPolygon outline = fieldFootprint(camera, En).outline;
        QVERIFY(!outline.empty());
        const auto [west, east] = std::minmax_element(
            outline.begin(), outline.end(), [](PlanPoint a, PlanPoint b) { return a.x < b.x; });
        const auto north = std::max_element(outline.begin(), outline.end(),
                                            [](PlanPoint a, PlanPoint b) { return a.y < b.y; });
        QCOMPARE(qRound(west->x * 100), -764);
        QCOMPARE(qRound(east->x * 100), 4400);
        QCOMPARE(qRound(north->y * 100), 4400);
    }

    // A camera aimed at a target height shows exactly what the coverage window shows for the
    // same inputs, typed there; a zoom is judged at its wide end.
    void sameAsCoverageWindow_data() {
        QTest::addColumn<SiteCamera>("camera");
        QTest::addColumn<QString>(
            "typed"); // sensor w h, columns rows, mount, target, focal, distance
        SiteCamera zoom = test::entranceCamera();
        zoom.camera = {{5.57, 3.13}, {2688, 1520}};
        zoom.focalMm = 4.5;
        zoom.focalTeleMm = 45;
        zoom.distanceM = 25;
        zoom.mountHeightM = 6;
        zoom.targetHeightM = 0.5;
        zoom.level = 2; // observation
        QTest::newRow("a zoom on 1/2.8\"") << zoom << "5.57 3.13 2688 1520 6 0.5 4.5 25";
        SiteCamera tooFar = test::entranceCamera();
        tooFar.distanceM = 1e308;
        QTest::newRow("distance 1E+308") << tooFar << "4.8 3.6 1920 1080 3 1.7 6 1E+308";
    }

    void sameAsCoverageWindow() {
        QFETCH(SiteCamera, camera);
        QFETCH(QString, typed);
        const QStringList t = typed.split(u' ');
        CoverageInputs inputs;
        inputs.sensorSource = SensorSource::Custom;
        inputs.level = camera.level;
        const FieldsRead fields = readFields(inputs, {t[0], t[1], {}, t[2], t[3], t[4], t[5], {}},
                                             true, SensorFormat::Third);
        QCOMPARE(cameraCoverage(camera, En),
                 computeCoverage(queryOf(fields, En, camera.level, t[6], t[7])));
    }

    // Aimed by a tilt: the density and level at the aim distance stay the window's, the tilt and
    // the ground follow the tilt (ground from 3 / tan(t ± v/2) with tan 30° = 0.57735).
    void aimedByTilt() {
        const CoverageResult result = cameraCoverage(with(3, 1.7, 30), En);
        QCOMPARE(shown(*result.pixelsPerMetre), u"240.0000"_s);
        QCOMPARE(result.levelReached, std::optional<Level>(3)); // recognition
        QCOMPARE(result.tiltDeg, std::optional(30.0));
        QCOMPARE(shown(*result.ground.nearM), u"3.2533"_s);
        QCOMPARE(shown(*result.ground.farM), u"9.6203"_s);
        QVERIFY(!result.problem);
        const CoverageResult up = cameraCoverage(with(3, 1.7, -30), En);
        QVERIFY(!up.ground.nearM);
        QCOMPARE(up.problem, std::optional(Problem{Quantity::MountHeight, Fault::SeesNoGround}));
    }

    // The texts that the camera table and the schedule share: focal length, angles, density at
    // the aim (10 m, 1920 columns over 4.8 mm: 40 f px/m), level wanted, area at level. A
    // density or an area at a level is truncated, nothing positive reads 0, a zoom reads "wide -
    // tele".
    void rowTexts_data() {
        QTest::addColumn<SiteCamera>("camera");
        QTest::addColumn<std::optional<double>>("areaAtLevel"); // m²
        QTest::addColumn<bool>("imperial");
        QTest::addColumn<QString>("texts"); // focal|H|V|density|level|area
        // 100° across stands for 2.4 / tan 50° = 2.01384 mm: 80.554 px/m, and vertically
        // 2 atan(1.35 / 2.01384) = 67.67°.
        QTest::newRow("datasheet's 100°, not 2.8 mm's 112 px/m")
            << level(2.8, {}, 100) << std::optional(6.157) << false
            << "2.8|100|67.7|80.5|Identification|6.1";
        // The tele end, 12 mm, has no datasheet angle: 2 atan(2.4 / 12) = 22.62°,
        // 2 atan(1.35 / 12) = 12.84°, 480 px/m.
        QTest::newRow("zoom: the datasheet's angle is the wide end's")
            << level(2.8, 12, 100) << std::optional(31.8) << false
            << "2.8 - 12|100 - 22.6|67.7 - 12.8|80.5 - 480|Identification|31.8";
        QTest::newRow("an angle no rectilinear lens shows, no area known")
            << level(2.8, {}, 200) << std::optional<double>() << false
            << "2.8|-|-|-|Identification|-";
        // 40 x 6.24925 = 249.97 px/m; 2 atan(2.4 / 6.24925) = 42.02°, 2 atan(1.35 / 6.24925)
        // = 24.38°.
        QTest::newRow("249.97 px/m is not 250") << level(6.24925) << std::optional(99.99) << false
                                                << "6.25|42|24.4|249.9|Identification|99.9";
        // 2 atan(2400) = 179.95°, 2 atan(1350) = 179.92°; 0.04 px/m.
        QTest::newRow("0.001 mm, 0.04 m²") << level(0.001) << std::optional(0.04) << false
                                           << "0.001|180|179.9|0.04|Identification|0.04";
        // 240 px/m x 0.3048 = 73.152 px/ft, 2400 x 0.3048 = 731.52; 31.8092 m² / 0.3048² =
        // 342.39 ft².
        QTest::newRow("imperial zoom") << level(6, 60) << std::optional(31.8092) << true
                                       << "6 - 60|43.6 - 4.6|25.4 - 2.6|73.1 - 731.5|"
                                          "Identification|342.3";
    }

    void rowTexts() {
        QFETCH(SiteCamera, camera);
        QFETCH(std::optional<double>, areaAtLevel);
        QFETCH(bool, imperial);
        QFETCH(QString, texts);
        const Units units = imperial ? Units::Imperial : Units::Metric;
        const auto joined = [&](const QLocale& locale) {
            const CameraRowTexts row = cameraRowTexts(camera, En, areaAtLevel, units, locale);
            return QStringList(
                       {row.focal, row.angleH, row.angleV, row.density, row.level, row.areaAtLevel})
                .join(u'|');
        };
        QCOMPARE(joined(QLocale()), texts);
        // The CSV's numbers have a decimal point whatever the regional format.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString csv = joined(QLocale::c());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(csv, texts);
    }

    // An area's surface (to the nearest) and the share covered (truncated), and a surface at a
    // level (truncated), none of them 0 when they are not.
    void areaTexts_data() {
        QTest::addColumn<QString>("figure");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("imperial");
        QTest::addColumn<QString>("shown");
        QTest::newRow("99.957 % covered") << "covered" << 0.99957 << false << "99.9";
        QTest::newRow("all covered") << "covered" << 1.0 << false << "100";
        QTest::newRow("0.04 % covered") << "covered" << 0.0004 << false << "0.04";
        // 0.29 x 100 is 28.999999999999996 in binary.
        QTest::newRow("29 % covered") << "covered" << 0.29 << false << "29";
        QTest::newRow("an area of 0.04 m²") << "area" << 0.04 << false << "0.04";
        QTest::newRow("an area of 6.157 m²") << "area" << 6.157 << false << "6.2";
        QTest::newRow("a band of 6.157 m²") << "band" << 6.157 << false << "6.1";
        // 1 / 0.3048² = 10.764 ft².
        QTest::newRow("a band of 1 m² in ft²") << "band" << 1.0 << true << "10.7";
    }

    void areaTexts() {
        QFETCH(QString, figure);
        QFETCH(double, value);
        QFETCH(bool, imperial);
        QFETCH(QString, shown);
        const Units units = imperial ? Units::Imperial : Units::Metric;
        QCOMPARE(figure == u"covered"_s
                     ? coveredText(value)
                     : surfaceText(value, units,
                                   figure == u"band"_s ? Rounding::Down : Rounding::Nearest),
                 shown);
    }

    // A zoom's tele end that cannot be worked out says which end is at fault, as the coverage
    // window says it.
    void teleProblem() {
        const CameraFigures figures = cameraFigures(level(6, 20'000), En);
        QVERIFY(!figures.wide.problem);
        QCOMPARE(figures.tele->problem,
                 std::optional(Problem{Quantity::Focal, Fault::TooLarge, true}));
    }
};

QTEST_GUILESS_MAIN(TestFootprint)
#include "tst_footprint.moc"
