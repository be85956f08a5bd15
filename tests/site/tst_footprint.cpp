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

// Entrance camera (1/3" 4.8 x 3.6 mm, 1920 x 1080, 6 mm, 3 m up, aimed at 1.7 m at 10 m): 16:9
// images 4.8 x 2.7 mm; half-width 4.8 / 12 = 0.4 z at depth z = x cos t + 1.3 sin t, cos t = 10 /
// 10.08415 = 0.991655, sin t = 0.128915 (1.3 sin t = 0.167590). Levels end at z = 2400 / level (6 x
// 1920 / 4.8), x = (z - 0.167590) / cos t: inspection 2.2512 m, identification 9.5118, recognition
// 19.1926, observation 38.5541, detection 96.6388, monitor 193.4466. tan t = 1.3 / 10, tan(v/2) =
// 2.7 / 12 = 0.225, tan(t + v/2) = 0.355 / (1 - 0.13 x 0.225) = 0.355 / 0.97075: near edge at 1.7 m
// 1.3 x 0.97075 / 0.355 = 3.55486 m, ground 8.20352 m (3 x). t < v/2: no far edge.

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

// At its target's height (aim = target distance); lens `focal` mm, zoom `tele`, datasheet `angle`.
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
        // The bands' outline, finite when the field is not: a keystone, 0.4 z across to each side.
        QTest::addColumn<QString>("outline");
        // Inspection ends at 2.2512 m, before the field begins.
        QTest::newRow("aimed at 1.7 m at 10 m: every band, the last capped at monitor")
            << test::entranceCamera() << "3.5549-unbounded"
            << "identification 3.5549-9.5118|recognition 9.5118-19.1926|"
               "observation 19.1926-38.5541|detection 38.5541-96.6388|monitor 96.6388-193.4466"
            << "8.2035"
            // Capped at monitor, 193.4466 m, z = 192: half-width 76.8.
            << "(3.5549 -1.4771) (193.4466 -76.8000) (193.4466 76.8000) (3.5549 1.4771)";
        // tan 30° = 0.57735: tan(t + v/2) = 0.80235 / 0.87010 = 0.92214, tan(t - v/2) = 0.35235 /
        // 1.12990 = 0.31184; near 1.3 / 0.92214, far 1.3 / 0.31184. Inspection ends at (2.4 - 1.3 x
        // 0.5) / 0.866025 = 2.0207 m. z = 0.866025 x + 0.65: 1.87090 at 1.4098, 4.26028 at 4.1688.
        QTest::newRow("tilted 30°: the far edge ends inside identification")
            << with(3, 1.7, 30) << "1.4098-4.1688"
            << "inspection 1.4098-2.0207|identification 2.0207-4.1688"
            << "3.2533"
            << "(1.4098 -0.7484) (4.1688 -1.7041) (4.1688 1.7041) (1.4098 0.7484)";
        // Past vertical: below the camera to 1.3 / tan(90° - v/2) = 1.3 x 0.225; 1.3 m deep: ±0.52.
        QTest::newRow("looking straight down")
            << with(3, 1.7, 90) << "0.0000-0.2925"
            << "inspection 0.0000-0.2925"
            << "none"
            << "(0.0000 -0.5200) (0.2925 -0.5200) (0.2925 0.5200) (0.0000 0.5200)";
        // Mirrored, 0.7 under the target: tan t' = 0.07, near 0.7 x 0.98425 / 0.295, ground from
        // tan(v/2 - t') = 0.155 / 1.01575; -0.7 sin t = 0.7 x 0.069829 = 0.048880, x = (z -
        // 0.048880) / 0.997559 (cos t); near edge z = 2.335508 x 0.997559 + 0.048880 = 2.378687.
        QTest::newRow("mounted at 1 m, looking up at 1.7 m")
            << with(1, 1.7, std::nullopt) << "2.3355-unbounded"
            << "inspection 2.3355-2.3569|identification 2.3569-9.5745|"
               "recognition 9.5745-19.1980|observation 19.1980-38.4450|"
               "detection 38.4450-96.1859|monitor 96.1859-192.4208"
            << "6.5532"
            << "(2.3355 -0.9515) (192.4208 -76.8000) (192.4208 76.8000) (2.3355 0.9515)";
        QTest::newRow("tilted 30° up: neither the target height nor the ground")
            << with(3, 1.7, -30) << "none"
            << ""
            << "none"
            << "";
    }

    void bands() {
        QFETCH(SiteCamera, camera);
        QFETCH(QString, field);
        QFETCH(QString, bands);
        QFETCH(QString, deadZone);
        QFETCH(QString, outline);
        const FieldFootprint footprint = fieldFootprint(camera, En);
        QCOMPARE(shown(footprint.field), field);
        QCOMPARE(shown(footprint.outline), outline);
        QStringList shownBands;
        for (const FieldBand& band : footprint.bands)
            shownBands << En.levels.at(band.level).key + u' ' + shown(band.range);
        QCOMPARE(shownBands.join(u'|'), bands);
        QCOMPARE(footprint.deadZone.empty() ? QStringLiteral("none")
                                            : shown(footprint.deadZone[1].x),
                 deadZone);
    }

    // Corners counter-clockwise from the near right one, half-widths 0.4 z: 0.4 (3.55486 x 0.991655
    // + 0.167590) = 1.47711 at the near edge, 3.84 where identification ends (z = 9.6). Dead zone 3
    // m below: 0.4 x 3 sin t = 0.15470 at the foot, 0.4 (8.20352 x 0.991655 + 0.386745) = 3.40872.
    void corners() {
        SiteCamera camera = test::entranceCamera();
        camera.panDeg = -90;
        camera.position = {100, 50};
        const FieldFootprint footprint = fieldFootprint(camera, En);
        QCOMPARE(footprint.bands.front().level, EnIdentification);
        QCOMPARE(shown(footprint.bands.front().corners),
                 u"(98.5229 46.4451) (96.1600 40.4882) (103.8400 40.4882) (101.4771 46.4451)"_s);
        QCOMPARE(shown(footprint.deadZone),
                 u"(99.8453 50.0000) (96.5913 41.7965) (103.4087 41.7965) (100.1547 50.0000)"_s);
    }

    // Fisheye, datasheet 200°: a sector ±100° round east, monitoring (12.5 px/m) ending where the
    // density drops below. Equidistant: f = 2.4 / 1.74533 rad = 1.37510 mm = dr/dθ:
    // 1.3751 x 1920 / (12.5 x 4.8) = 44.0 m away, sqrt(44.0² - 1.3²) = 43.98 m 1.3 m below; behind
    // 43.98 x cos 100° = -7.64 m. Equisolid: f = 2.4 / (2 sin 50°) = 1.56649 mm,
    // 1920 x 1.56649 cos(θ/2) / (4.8 R) = 626.60 cos(θ/2) / R px/m: near the axis 50.04 m; north
    // most at tan(θ/2) = 1/√2: 50.13 x 2 sin(θ/2) cos²(θ/2) = 38.6 m; at 100°, 32.33 m: -5.61 m.
    void fisheyeSector_data() {
        QTest::addColumn<int>("projection");
        QTest::addColumn<QString>("reach"); // west, east and north in cm
        QTest::newRow("equidistant: a circle") << 1 << "-764 4398 4398";
        QTest::newRow("equisolid: shorter off the axis") << 2 << "-561 5004 3858";
    }

    void fisheyeSector() {
        QFETCH(int, projection);
        QFETCH(QString, reach);
        SiteCamera camera = test::entranceCamera();
        camera.lensModel = {AllProjections.at(std::size_t(projection)), 200};
        const PlanPolygon outline = fieldFootprint(camera, En).outline;
        QVERIFY(!outline.empty());
        const auto [west, east] = std::minmax_element(
            outline.begin(), outline.end(), [](PlanPoint a, PlanPoint b) { return a.x < b.x; });
        const auto north = std::max_element(outline.begin(), outline.end(),
                                            [](PlanPoint a, PlanPoint b) { return a.y < b.y; });
        QCOMPARE(QStringLiteral("%1 %2 %3")
                     .arg(qRound(west->x * 100))
                     .arg(qRound(east->x * 100))
                     .arg(qRound(north->y * 100)),
                 reach);
    }

    // Shows what the coverage window shows for the same inputs typed there; a zoom at its wide end.
    void sameAsCoverageWindow_data() {
        QTest::addColumn<SiteCamera>("camera");
        QTest::addColumn<QString>(
            "typed"); // sensor w h, columns rows, mount, target, focal, distance[, tilt]
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
        // By a tilt: 30° down sees the ground, 30° up none (tst_coverage pins both kinds).
        QTest::newRow("tilted 30°") << with(3, 1.7, 30) << "4.8 3.6 1920 1080 3 1.7 6 10 30";
        QTest::newRow("tilted 30° up") << with(3, 1.7, -30) << "4.8 3.6 1920 1080 3 1.7 6 10 -30";
    }

    void sameAsCoverageWindow() {
        QFETCH(SiteCamera, camera);
        QFETCH(QString, typed);
        const QStringList t = typed.split(u' ');
        CoverageInputs inputs;
        inputs.sensorSource = SensorSource::Custom;
        inputs.level = camera.level;
        inputs.aim = camera.aim;
        const FieldsRead fields =
            readFields(inputs, {t[0], t[1], {}, t[2], t[3], t[4], t[5], t.value(8)}, true,
                       SensorFormat::Third);
        QCOMPARE(cameraCoverage(camera, En),
                 computeCoverage(queryOf(fields, En, camera.level, t[6], t[7])));
    }

    // Table/schedule texts: focal, angles, density at the aim (10 m, 1920 px / 4.8 mm: 40 f px/m),
    // level wanted, area at level; density, area truncated (never to 0); zoom "wide - tele".
    void rowTexts_data() {
        QTest::addColumn<SiteCamera>("camera");
        QTest::addColumn<std::optional<double>>("areaAtLevel"); // m²
        QTest::addColumn<bool>("imperial");
        QTest::addColumn<QString>("texts"); // focal|H|V|density|level|area
        // 100°: 2.4 / tan 50° = 2.01384 mm, 80.554 px/m; 2 atan(1.35 / 2.01384) = 67.67°.
        QTest::newRow("datasheet's 100°, not 2.8 mm's 112 px/m")
            << level(2.8, {}, 100) << std::optional(6.157) << false
            << "2.8|100|67.7|80.5|Identification|6.1";
        // Tele 12 mm: 2 atan(2.4 / 12) = 22.62°, 2 atan(1.35 / 12) = 12.84°, 480 px/m.
        QTest::newRow("zoom: the datasheet's angle is the wide end's")
            << level(2.8, 12, 100) << std::optional(31.8) << false
            << "2.8 - 12|100 - 22.6|67.7 - 12.8|80.5 - 480|Identification|31.8";
        QTest::newRow("an angle no rectilinear lens shows, no area known")
            << level(2.8, {}, 200) << std::optional<double>() << false
            << "2.8|-|-|-|Identification|-";
        // 40 x 6.24925 = 249.97 px/m; 2 atan(2.4/6.24925) = 42.02°, 2 atan(1.35/6.24925) = 24.38°.
        QTest::newRow("249.97 px/m is not 250") << level(6.24925) << std::optional(99.99) << false
                                                << "6.25|42|24.4|249.9|Identification|99.9";
        // 2 atan(2400) = 179.95°, 2 atan(1350) = 179.92°; 0.04 px/m.
        QTest::newRow("0.001 mm, 0.04 m²") << level(0.001) << std::optional(0.04) << false
                                           << "0.001|180|179.9|0.04|Identification|0.04";
        // 240 x 0.3048 = 73.152 px/ft, 2400 x 0.3048 = 731.52; 31.8092 m² / 0.3048² = 342.39 ft².
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

    // Surface to the nearest, share covered truncated (more in areaLabel), neither 0 when it is
    // not.
    void areaTexts_data() {
        QTest::addColumn<bool>("covered"); // else the area's surface
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0.04 % covered") << true << 0.0004 << "0.04";
        // 0.29 x 100 is 28.999999999999996 in binary.
        QTest::newRow("29 % covered") << true << 0.29 << "29";
        QTest::newRow("an area of 0.04 m²") << false << 0.04 << "0.04";
        QTest::newRow("an area of 6.157 m²") << false << 6.157 << "6.2";
    }

    void areaTexts() {
        QFETCH(bool, covered);
        QFETCH(double, value);
        QFETCH(QString, shown);
        QCOMPARE(covered ? coveredText(value)
                         : surfaceText(value, Units::Metric, Rounding::Nearest),
                 shown);
    }

    // An area's label: its share as shown, truncated, judged against the share it requires,
    // so that 87.49 % meets 87 % and not 87.5 %; the mark says which without colour.
    void areaLabel_data() {
        QTest::addColumn<double>("required");
        QTest::addColumn<double>("share");
        QTest::addColumn<QString>("label");
        QTest::newRow("all required, 99.957 %")
            << 1.0 << 0.99957 << u"Door: Identification, 99.9 % \u2717"_s;
        QTest::newRow("all covered") << 1.0 << 1.0 << u"Door: Identification, 100 % \u2713"_s;
        QTest::newRow("87 % required")
            << 0.87 << 0.8749 << u"Door: Identification, 87.4 % \u2713"_s;
        QTest::newRow("87.5 % required")
            << 0.875 << 0.87499 << u"Door: Identification, 87.4 % \u2717"_s;
        QTest::newRow("none required, none covered")
            << 0.0 << 0.0 << u"Door: Identification, 0 % \u2713"_s;
    }
    void areaLabel() {
        QFETCH(double, required);
        QFETCH(double, share);
        QFETCH(QString, label);
        SiteArea door{u"Door"_s, EnIdentification, {}};
        door.requiredShare = required;
        QCOMPARE(FigureCaptions::areaLabel(door, En, share), label);
    }

    // A tele end that cannot be worked out names the end at fault, as the coverage window does.
    void teleProblem() {
        const CameraFigures figures = cameraFigures(level(6, 20'000), En);
        QVERIFY(!figures.wide.problem);
        QCOMPARE(figures.tele->problem,
                 std::optional(Problem{Quantity::Focal, Fault::TooLarge, true}));
    }
};

QTEST_GUILESS_MAIN(TestFootprint)
#include "tst_footprint.moc"
