// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "optics/coveragefields.h"
#include "optics/coverageformat.h"
#include "optics/coverageresult.h"
#include "optics/lensfields.h"
#include "support/fisheyeexample.h"

#include <QLocale>
#include <QTest>
#include <algorithm>
#include <cmath>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

// The texts shown for these figures of the metric window, then the problem, "|" between them.
QString shownTexts(const CoverageResult& result, std::initializer_list<const char*> names,
                   Units units = Units::Metric) {
    const std::vector<ShownFigure> figures =
        shownFigures(result, enLevels(), EnIdentification, units);
    QStringList texts;
    for (const char* name : names) {
        const auto figure = std::find_if(figures.cbegin(), figures.cend(), [&](const auto& f) {
            return f.name == QLatin1StringView(name);
        });
        texts << (figure == figures.cend() ? u"absent"_s : figure->text);
    }
    texts << (result.problem ? CoverageText::problem(*result.problem, units) : QString());
    return texts.join(u'|');
}

} // namespace

// The coverage figures as the window shows them, from its fields' and the calculator's texts, for
// each lens projection, and the depth of field, against values worked out by hand.
class TestCoverage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void figures_data() {
        // sensor w h, columns rows, mount, target, the calculator's focal and distance[, tilt]
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("units");
        // AngleH|AngleV|AngleD|SceneWidth|PixelDensity|LevelReached|up to identification|up to
        // detection|NeededFocal|DeadZone|FarEdge|Problem
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, const char* typed, const char* shown, int units = 0) {
            QTest::newRow(name) << QString::fromUtf8(typed) << units << QString::fromUtf8(shown);
        };
        // S = sqrt(10² + 1.3²) = 10.084146 m, 1.3 sin t = 1.69 / S = 0.167590; scene 4.8 S / 6 =
        // 8.0673 m, 1920 / 8.0673 = 237.997 px/m; a level ends at depth z = 2400 / density, on the
        // ground (z - 0.167590) S / 10: identification 9.5118 m, detection 96.6388 m; it needs
        // 250 x 4.8 S / 1920 = 6.3026 mm, rounded up.
        row("1/3\" full HD, 6 mm, 10 m, axis below the horizon", "4.8 3.6 1920 1080 3 1.7 6 10",
            "43.6°|25.4°|49.3°|8.07 m|237.9 px/m|Recognition|9.51 m|96.63 m|6.31 mm|8.2 m|"
            "Unbounded (horizon)|");
        // S = sqrt(144 + 6.4²) = 13.6 m, tilt atan(6.4 / 12) = 28.07°; scene 0.6 S = 8.16 m,
        // 235.29 px/m; identification to depth 8 x 1920 / 1200 = 12.8 m, on the ground
        // (12.8 - 6.4² / 13.6) x 13.6 / 12 = 11.0933 m, needs 250 x 4.8 S / 1920 = 8.5 mm;
        // detection (128 m deep) ends at the far edge 6.4 / tan(28.07° - 9.58°) = 19.134 m;
        // ground from 8 / tan(28.07° + 9.58°) = 10.37 m to 8 / tan(18.49°) = 23.92 m.
        row("8 m up, aimed at 1.6 m at 12 m", "4.8 3.6 1920 1080 8 1.6 8 12",
            "33.4°|19.2°|38.0°|8.16 m|235.2 px/m|Recognition|11.09 m|19.13 m|8.5 mm|10.37 m|"
            "23.92 m|");
        // S = sqrt(225 + 13.3²) = 20.0472 m: 1920 x 16 / 4.8 S = 319.25 px/m (not the ground's
        // 426.7); tilt atan(13.3 / 15) = 41.56°, v/2 = atan(1.35 / 16) = 4.82°: every level ends
        // where heads end, 13.3 / tan 36.74° = 17.818 m; ground 15 / tan 46.39° = 14.29 m to 20.10.
        row("15 m up, aimed at a head at 15 m", "4.8 3.6 1920 1080 15 1.7 16 15",
            "17.1°|9.6°|19.5°|6.01 m|319.2 px/m|Identification|17.81 m|17.81 m|12.53 mm|14.29 m|"
            "20.1 m|");
        row("90° vertical: near edge at the mounting height", "4.8 3.6 1920 1080 3 3 1.35 10",
            "121.3°|90.0°|127.8°|35.56 m|54 px/m|Detection|2.16 m|21.6 m|6.25 mm|3 m|"
            "Unbounded (horizon)|");
        // S = sqrt(4 + 0.49) = 2.11896 m: 1920 x 50 / 4.8 S = 9438.58 px/m, 0.625 S = 1.3244 mm;
        // mirrored, t = atan 0.35, v/2 = atan 0.027: levels end at 0.7 / tan(t - v/2) = 2.1877.
        row("below the target, looking over the ground", "4.8 3.6 1920 1080 1 1.7 50 2",
            "5.5°|3.1°|6.3°|0.2 m|9438.5 px/m|Inspection|2.18 m|2.18 m|1.33 mm|-|-|"
            "The camera is below the target and looks above the horizon: it sees no ground.");
        // 1.3716 m apart: S = 10.093626 m, scene 8.0749 m = 26.4924 ft, 237.774 px/m x 0.3048 =
        // 72.473 px/ft; identification (9.6 - 1.3716² / S) S / 10 = 9.5018 m = 31.174 ft,
        // detection 96.7107 m = 317.292 ft, reaches rounded down.
        row("imperial: heights typed in feet", "4.8 3.6 1920 1080 10 5.5 6 10",
            "43.6°|25.4°|49.3°|26.49 ft|72.4 px/ft|Recognition|31.17 ft|317.29 ft|6.31 mm|"
            "26.76 ft|Unbounded (horizon)|",
            1);
        row("focal length 0", "4.8 3.6 1920 1080 3 1.7 0 10",
            "-|-|-|-|-|-|-|-|6.31 mm|-|-|The calculator's focal length must be greater than zero.");
        // Without the distance the camera's tilt is not known, nor where a level ends.
        row("distance 1E+308", "4.8 3.6 1920 1080 3 1.7 6 1E+308",
            "43.6°|25.4°|49.3°|-|-|-|-|-|-|-|-|The calculator's distance is too large: at most "
            "100000 m.");
        row("mounting height not a number", "4.8 3.6 1920 1080 x 1.7 6 10",
            "43.6°|25.4°|49.3°|-|-|-|-|-|-|-|-|The mounting height is not a number.");
        // Identification reaches 2.8 x 2592 / (250 x 12.8) = 2.268 m, shown 2.26, where the density
        // is 2592 / (2.26 x 12.8 / 2.8) = 250.88 px/m. Near edge 1.7 / tan 59.75° = 0.99 m.
        row("1\" 5 MP, 2.8 mm: identification where shown", "12.8 9.6 2592 1944 1.7 1.7 2.8 2.26",
            "132.7°|119.5°|141.4°|10.33 m|250.8 px/m|Identification|2.26 m|22.68 m|2.8 mm|0.99 m|"
            "Unbounded (horizon)|");
        // v/2 = atan(1.8 / 27) = atan(0.05) = tilt atan(1.3 / 26): the upper edge on the horizon;
        // near edge 3 / tan(2 atan 0.05) = 29.925 m, a half rounding up. S = 26.0325 m: 414.87
        // px/m; identification (43.2 - 1.69 / S) S / 26 = 43.189 m, detection 432.475 m; 0.625 S =
        // 16.2703 mm.
        row("tilt half the vertical angle", "4.8 3.6 1920 1080 3 1.7 27 26",
            "10.2°|5.7°|11.6°|4.63 m|414.8 px/m|Identification|43.18 m|432.47 m|16.28 mm|29.93 m|"
            "Unbounded (horizon)|");
        // 4:3 on the whole 4.8 x 3.6 mm, S as in the first row: 720 / 8.0673 = 89.25 px/m; on the
        // ground (3.6 - 0.167590) S / 10 = 3.4613 m, (36 - ...) = 36.1337 m; 1200 S / 720 = 16.807.
        row("analog 720 x 576 spans a 4:3 sensor", "4.8 3.6 720 576 3 1.7 6 10",
            "43.6°|33.4°|53.1°|8.07 m|89.2 px/m|Observation|3.46 m|36.13 m|16.81 mm|6.7 m|"
            "Unbounded (horizon)|");
        // A 4:3 picture on 16:9 spans its height, 3.13 x 4/3 = 4.1733 mm wide, diagonal 5.2167: at
        // 5 m 1280 / 5.2167 = 245.367 px/m; identification to 4 x 1280 / (250 x 4.1733) = 4.907 m,
        // needs 250 x 5 x 4.1733 / 1280 = 4.0755 mm; near edge 1.7 / (1.565 / 4) = 4.345 m.
        row("4:3 picture on 1/2.8\"", "5.57 3.13 1280 960 1.7 1.7 4 5",
            "55.1°|42.7°|66.2°|5.22 m|245.3 px/m|Recognition|4.9 m|49.07 m|4.08 mm|4.35 m|"
            "Unbounded (horizon)|");
        // Edges 3 / tan(45° ± 12.68°); the target's depth 10 cos 45° + 1.3 sin 45° = 7.9903 m:
        // scene 6.3922 m, 300.36 px/m, 0.625 x 7.9903 = 4.994 mm; levels end at 1.3 / tan 32.32° =
        // 2.0548 m, where the view meets the targets' plane.
        row("tilted 45°", "4.8 3.6 1920 1080 3 1.7 6 10 45",
            "43.6°|25.4°|49.3°|6.39 m|300.3 px/m|Identification|2.05 m|2.05 m|5 mm|1.9 m|4.74 m|");
        // Depth 10 cos 20° - 1.3 sin 20° = 8.9523 m: 268.09 px/m, 5.5952 mm; no level on the plane.
        row("tilted up", "4.8 3.6 1920 1080 3 1.7 6 10 -20",
            "43.6°|25.4°|49.3°|7.16 m|268 px/m|Identification|-|-|5.6 mm|-|-|"
            "At this tilt angle the camera looks above the horizon: it sees no ground.");
        row("tilt 90°", "4.8 3.6 1920 1080 3 1.7 6 10 90",
            "43.6°|25.4°|49.3°|-|-|-|-|-|-|-|-|The tilt angle must be more than -90° and less "
            "than 90°.");
        // The calculator makes a focal length of 0 out of a distance of 0.
        row("distance 0, and so focal length 0", "4.8 3.6 1920 1080 3 1.7 0 0",
            "-|-|-|-|-|-|-|-|-|-|-|The calculator's distance must be greater than zero.");
        row("sensor 1E-320 mm wide", "1E-320 3.6 1920 1080 3 1.7 6 10",
            "-|-|-|-|-|-|-|-|-|-|-|The sensor width is too small: at least 0.001 mm.");
        row("mounting height in feet, too large", "4.8 3.6 1920 1080 4000 5 6 10",
            "43.6°|25.4°|49.3°|-|-|-|-|-|-|-|-|The mounting height is too large: at most 3280.84 "
            "ft.",
            1);
    }

    void figures() {
        QFETCH(QString, typed);
        QFETCH(int, units);
        QFETCH(QString, shown);
        const QStringList t = typed.split(u' ');
        CoverageInputs inputs{.sensorSource = SensorSource::Custom,
                              .units = static_cast<Units>(units),
                              .aim = t.size() > 8 ? Aim::Tilt : Aim::Target};
        const FieldsRead read =
            readFields(inputs, {t[0], t[1], QString(), t[2], t[3], t[4], t[5], t.value(8)}, true,
                       SensorFormat::Third);
        const CoverageResult result =
            computeCoverage(queryOf(read, enLevels(), EnIdentification, t[6], t[7]));
        QCOMPARE(shownTexts(result,
                            {"AngleH", "AngleV", "AngleD", "SceneWidth", "PixelDensity",
                             "LevelReached", "DistanceIdentification", "DistanceDetection",
                             "NeededFocal", "DeadZone", "FarEdge"},
                            inputs.units),
                 shown);
    }

    // A field that does not read keeps the last good value in the inputs the window remembers.
    void badFieldKeepsRememberedValue() {
        CoverageInputs inputs{.sensorSource = SensorSource::PixelSize};
        readFields(inputs, {{}, {}, u"1.45"_s, u"2688"_s, u"1520"_s, u"4.5"_s, u"1.2"_s, {}}, true,
                   SensorFormat::Half);
        const FieldsRead read =
            readFields(inputs, {{}, {}, u"0"_s, u"0"_s, u"1520"_s, u"4.5"_s, u"x"_s, {}}, true,
                       SensorFormat::Half);
        QCOMPARE(inputs, CoverageInputs({SensorSource::PixelSize, u"1/3\""_s, SensorSize{4.8, 3.6},
                                         1.45, ImageSize{2688, 1520}, enLevels(), PlateRule{},
                                         EnIdentification, 4.5, 1.2, Units::Metric}));
        QCOMPARE(read.cameraProblem, (Problem{Quantity::PixelSize, Fault::NotPositive}));
    }

    // A height shows to its unit's precision, and a field still showing it keeps the height to
    // the last digit: 3 m is 9.8425 ft, shown 9.84, and stays 3 m; the same 9.84 typed over
    // another height is 9.84 x 0.3048 = 2.999232 m.
    void heightShownRounded() {
        for (const auto& [metres, unit, shown, typedOver] :
             {std::tuple{3.0, Units::Imperial, u"9.84"_s, 2.999232},
              std::tuple{4.5723, Units::Metric, u"4.572"_s, 4.572}}) {
            QCOMPARE(heightText(metres, unit), shown);
            CoverageInputs inputs{.mountHeightM = metres, .targetHeightM = metres, .units = unit};
            const CoverageFields fields{{}, {}, {}, {}, {}, shown, shown, {}};
            const FieldsRead kept = readFields(inputs, fields, false, SensorFormat::Third);
            QVERIFY(kept.mountHeightM.value == metres && kept.targetHeightM.value == metres);
            QVERIFY(inputs.mountHeightM == metres);
            inputs.mountHeightM = 10;
            const FieldsRead typed = readFields(inputs, fields, false, SensorFormat::Third);
            QVERIFY(std::abs(*typed.mountHeightM.value - typedOver) < 1e-12);
        }
    }

    // Decimal commas: 1/3" is 4.8 mm wide, the target 0.8 m under the camera at 12.5 m, so
    // S = sqrt(156.25 + 0.64) = 12.525574 m; recognition needs 125 x S x 4.8 / 1920 = 3.91424 mm.
    void regionalFormat() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        CoverageInputs inputs;
        const FieldsRead read = readFields(inputs, {{}, {}, {}, {}, {}, u"2,5"_s, u"1,7"_s, {}},
                                           false, SensorFormat::Third);
        const CoverageResult result =
            computeCoverage(queryOf(read, enLevels(), 3, u"4,8"_s, u"12,5"_s));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(read.mountHeightM.value, 2.5);
        QCOMPARE(qRound(*result.sceneWidthM * 1e6), 12525574);
        QCOMPARE(result.neededFocalMm, 3.92);
    }

    // A length rounds halves exact in decimal up, binary noise notwithstanding (1.005 is
    // 1.00499999999999989); a level's reach rounds down and a density is truncated, but 0.29,
    // 28.999999999999996 hundredths, stays 0.29. Nothing infinite shows. A focal length to type
    // rounds up to hundredths, but 1.1 (110.00000000000001 hundredths) stays 1.1.
    void rounding_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown"); // length | reach | density | angle | focal to type
        QTest::newRow("1.005") << 1.005 << "1.01 m|1 m|1 px/m|1.0°|1.01";
        QTest::newRow("0.29") << 0.29 << "0.29 m|0.29 m|0.2 px/m|0.3°|0.29";
        QTest::newRow("1.1") << 1.1 << "1.1 m|1.1 m|1.1 px/m|1.1°|1.1";
        QTest::newRow("not a number") << qQNaN() << "-|-|-|-|nan";
    }

    void rounding() {
        QFETCH(double, value);
        QFETCH(QString, shown);
        QCOMPARE(QStringList({CoverageText::length(value, Units::Metric),
                              CoverageText::reach(value, Units::Metric),
                              CoverageText::density(value, Units::Metric),
                              CoverageText::angle(value), QString::number(focalToType(value))})
                     .join(u'|'),
                 shown);
    }

    // Half-sizes 2.7822 x 1.565 mm, half-diagonal 3.1922; 1.4 mm aimed at a target 5 m ahead, 1.3 m
    // down: S = 5.16624 m. Every projection takes f mm a radian on the axis: the centre's density
    // is the pinhole's, 1920 x 1.4 / (5.5644 S) = 93.507 px/m; the edge's that times dr/dθ / f at
    // the half horizontal angle. The scene is as wide on the plane square to the axis, S away.
    void projections_data() {
        QTest::addColumn<int>("projection");
        QTest::addColumn<double>("datasheet"); // 0: none
        // AngleH|AngleV|AngleD|SceneWidth|PixelDensity|PixelDensityEdge|Problem
        QTest::addColumn<QString>("shown");
        // θ = atan(r / f): atan(1.9873) = 63.29°, atan(1.1179) = 48.19°, atan(2.2801) = 66.32°;
        // scene 5.5644 S / 1.4 = 20.53 m; no edge density, the plane has one throughout.
        QTest::newRow("rectilinear") << 0 << 0.0 << "126.6°|96.4°|132.6°|20.53 m|93.5 px/m||";
        // θ = r / f: 1.9873 rad = 113.86°, 1.1179 = 64.05°, 2.2801 = 130.64°: past 90°, no scene.
        QTest::newRow("equidistant") << 1 << 0.0 << "227.7°|128.1°|261.3°|-|93.5 px/m|93.5 px/m|";
        // θ = 2 asin(r / 2f) = 167.08°, 67.96°; the corners (3.1922 > 2f) outside the 360° circle.
        // dr/dθ = f cos(θ/2): 93.507 x cos(83.54°) = 10.52.
        QTest::newRow("equisolid") << 2 << 0.0 << "334.2°|135.9°|360.0°|-|93.5 px/m|10.5 px/m|";
        // θ = 2 atan(r / 2f) = 89.64°, 58.40°, 97.49°; scene 2 S tan(89.64°) = 1622.18 m.
        // dr/dθ = f / cos²(θ/2): 93.507 / cos²(44.82°) = 185.83.
        QTest::newRow("stereographic")
            << 3 << 0.0 << "179.3°|116.8°|195.0°|1622.18 m|93.5 px/m|185.8 px/m|";
        // r = f sin θ ≤ 1.4 mm, under every half-size: every angle the circle's 180°, dr/dθ 0.
        QTest::newRow("orthographic") << 4 << 0.0 << "180.0°|180.0°|180.0°|-|93.5 px/m|0 px/m|";
        // f = 2.7822 / 1.39626 rad (80°) = 1.99262 mm; vertical 160 x 9/16 = 90°, diagonal 160 x
        // 6.3844 / 5.5644 = 183.58°; scene 2 S tan 80° = 58.60 m; 1920 / (2 x 1.39626 S) = 133.09.
        QTest::newRow("equidistant, datasheet 160°")
            << 1 << 160.0 << "160.0°|90.0°|183.6°|58.6 m|133 px/m|133 px/m|";
        // f = 2.7822 / tan 60° = 1.60632 mm; 2 atan(1.565 / f) = 88.51°, 2 atan(3.1922 / f) =
        // 126.58°; scene 2 S tan 60° = 17.90 m, 1920 / 17.896 = 107.29 px/m.
        QTest::newRow("rectilinear, datasheet 120°")
            << 0 << 120.0 << "120.0°|88.5°|126.6°|17.9 m|107.2 px/m||";
        QTest::newRow("rectilinear, datasheet 190°")
            << 0 << 190.0
            << "-|-|-|-|-||The datasheet's angle is wider than this lens projection can show.";
    }

    void projections() {
        QFETCH(int, projection);
        QFETCH(double, datasheet);
        QFETCH(QString, shown);
        CoverageQuery query = test::fisheyeQuery(AllProjections.at(std::size_t(projection)));
        if (datasheet > 0)
            query.datasheetAngleDeg = checked(datasheet, Quantity::DatasheetAngle);
        QCOMPARE(shownTexts(computeCoverage(query), {"AngleH", "AngleV", "AngleD", "SceneWidth",
                                                     "PixelDensity", "PixelDensityEdge"}),
                 shown);
    }

    // A fisheye's field past 180° still meets the ground: near edge 3 / tan(atan(1.3 / 5) +
    // 64.05°) = 0.6 m.
    void fisheyeSeesTheGround() {
        const CoverageResult result = computeCoverage(test::fisheyeQuery(Projection::Equidistant));
        QCOMPARE(qRound(result.ground.nearM.value_or(0) * 100), 60);
        QVERIFY(result.ground.farUnbounded);
    }

    // f 8 mm, N 1.4, c = 2 x 2.9 µm: H = 64 / (1.4 x 0.0058) + 8 = 7881.77 + 8 = 7889.77 mm.
    // At 10 m, past H: near 10000 x 7881.77 / (7889.77 + 10000 - 16) = 4409.69 mm, far infinite.
    // At 3 m: near 3000 x 7881.77 / (7889.77 + 3000 - 16) = 2174.53, far 3000 x 7881.77 /
    // (7889.77 - 3000) = 4835.67. Focused no farther than f, or at N 0: nothing.
    void depthOfField() {
        const auto inM5 = [](double focus) {
            const std::optional<DepthOfField> d = vistaro::depthOfField(8, 1.4, 0.0058, focus);
            return d ? QList{qRound(d->hyperfocalM * 1e5), qRound(d->nearM * 1e5),
                             qRound(d->farM.value_or(0) * 1e5)}
                     : QList<int>();
        };
        QCOMPARE(inM5(10), (QList{788977, 440969, 0}));
        QCOMPARE(inM5(3), (QList{788977, 217453, 483567}));
        QCOMPARE(inM5(0.008), QList<int>());
        QVERIFY(!vistaro::depthOfField(8, 0, 0.0058, 10));
    }

    // c(d) = f² / (N (s - f)) x |d - s| / d, the same lens at s = 10 m: 64 / (1.4 x 9992) =
    // 0.0045751 mm; at 3 m x 7 / 3 = 0.0106752 mm = 3.681 pixels; at the near limit 4.40969 m
    // x 5.59031 / 4.40969 = 0.0058 mm, two pixels.
    void blurCircle_data() {
        QTest::addColumn<double>("focus");
        QTest::addColumn<double>("distance");
        QTest::addColumn<double>("pixels"); // -1: none
        QTest::newRow("at the focus") << 10.0 << 10.0 << 0.0;
        QTest::newRow("3 m") << 10.0 << 3.0 << 3.6811;
        QTest::newRow("near limit") << 10.0 << 4.40969 << 2.0;
        QTest::newRow("focus too near") << 0.008 << 3.0 << -1.0;
        QTest::newRow("no distance") << 10.0 << 0.0 << -1.0;
    }

    void blurCircle() {
        QFETCH(double, focus);
        QFETCH(double, distance);
        QFETCH(double, pixels);
        const std::optional<double> blur = blurPixels({8, 1.4, focus, 0.0029}, distance);
        QCOMPARE(blur.has_value(), pixels >= 0);
        if (blur)
            QCOMPARE(qRound(*blur * 1e4), qRound(pixels * 1e4));
    }

    // The window's way: 2.9 µm pixels x full HD, 8 mm at 10 m, F1.4 typed, two pixels of blur.
    void depthOfFieldShown() {
        CoverageInputs inputs{.sensorSource = SensorSource::PixelSize};
        FieldsRead read = readFields(inputs, {{}, {}, u"2.9"_s, {}, {}, u"3"_s, u"1.7"_s, {}},
                                     false, SensorFormat::Third);
        readLensFields(inputs, {{}, u"1.4"_s, u"2"_s}, std::nullopt, read);
        QCOMPARE(shownTexts(
                     computeCoverage(queryOf(read, enLevels(), EnIdentification, u"8"_s, u"10"_s)),
                     {"SharpFrom", "SharpTo", "Hyperfocal"}),
                 u"4.41 m|Infinity|7.89 m|"_s);
        // The catalogue's F-number stands instead of the typed one, which stays remembered.
        readLensFields(inputs, {{}, u"1.4"_s, u"2"_s}, catalogueFNumber(u" 2 "_s), read);
        QCOMPARE(read.fNumber.value, 2.0);
        QCOMPARE(inputs.fNumber, 1.4);
        QVERIFY(!catalogueFNumber(u"F?"_s));
    }
};

QTEST_MAIN(TestCoverage)
#include "tst_coverage.moc"
