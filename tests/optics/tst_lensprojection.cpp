// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "optics/coverageformat.h"
#include "optics/coverageresult.h"
#include "optics/coveragesettings.h"
#include "optics/lensfields.h"
#include "support/fisheyeexample.h"

#include <QLocale>
#include <QTest>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

// The fisheye example with the datasheet's angle, when given. Half-width 2.7822 mm,
// half-height 1.565, half-diagonal 3.1922.
CoverageQuery fisheyeQuery(Projection projection, std::optional<double> datasheetAngle) {
    CoverageQuery query = test::fisheyeQuery(projection);
    if (datasheetAngle)
        query.datasheetAngleDeg = checked(*datasheetAngle, Quantity::DatasheetAngle);
    return query;
}

QString figure(const std::vector<ShownFigure>& figures, const char* name) {
    for (const ShownFigure& shown : figures)
        if (shown.name == QLatin1StringView(name))
            return shown.text;
    return u"absent"_s;
}

} // namespace

// The field and the pixel density of each lens projection, and the depth of field, against
// figures worked out by hand.
class TestLensProjection : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // A 1.4 mm lens aimed at a target 5 m away on the ground and 1.3 m down, so
    // S = sqrt(5² + 1.3²) = 5.16624 m from the camera. Every projection takes f mm a radian on the
    // axis, so the density at the centre is the pinhole's there, 1920 x 1.4 / (5.5644 x 5.16624) =
    // 93.507 px/m. At the edge, as far away, it is that times dr/dθ / f at the half horizontal
    // angle θe (the lesser of dr/dθ and r / sin θ for these projections). The scene is as wide
    // on the plane square to the axis through the target, S from the camera.
    void projections_data() {
        QTest::addColumn<int>("projection");
        QTest::addColumn<double>("datasheet"); // 0: none
        // AngleH|AngleV|AngleD|SceneWidth|PixelDensity|PixelDensityEdge|Problem
        QTest::addColumn<QString>("shown");
        // θ = atan(r / f): atan(1.9873) = 63.29°, atan(1.1179) = 48.19°, atan(2.2801) = 66.32°;
        // the scene 5.16624 x 5.5644 / 1.4 = 20.53 m. No edge density: the plane has one
        // throughout.
        QTest::newRow("rectilinear") << 0 << 0.0 << u"126.6°|96.4°|132.6°|20.53 m|93.5 px/m||"_s;
        // θ = r / f: 1.9873 rad = 113.86°, 1.1179 rad = 64.05°, 2.2801 rad = 130.64°; past 90°
        // the field never meets the plane at the distance. dr/dθ = f: the edge as the centre.
        QTest::newRow("equidistant")
            << 1 << 0.0 << u"227.7°|128.1°|261.3°|-|93.5 px/m|93.5 px/m|"_s;
        // θ = 2 asin(r / 2f): 2 asin(0.99365) = 167.08°, 2 asin(0.55893) = 67.96°; the corners
        // (3.1922 > 2f = 2.8) lie outside the image circle, whose edge is 180° off the axis.
        // dr/dθ = f cos(θ/2): 93.507 x cos(83.54°) = 93.507 x 0.11251 = 10.52.
        QTest::newRow("equisolid") << 2 << 0.0 << u"334.2°|135.9°|360.0°|-|93.5 px/m|10.5 px/m|"_s;
        // θ = 2 atan(r / 2f): 2 atan(0.99365) = 89.64°, 2 atan(0.55893) = 58.40°,
        // 2 atan(1.14006) = 97.49°; the scene 2 x 5.16624 x tan(89.64°) = 1622.18 m.
        // dr/dθ = f / cos²(θ/2): 93.507 / cos²(44.82°) = 93.507 / 0.50319 = 185.83.
        QTest::newRow("stereographic")
            << 3 << 0.0 << u"179.3°|116.8°|195.0°|1622.18 m|93.5 px/m|185.8 px/m|"_s;
        // r = f sin θ reaches no more than f = 1.4 mm: every half-size is past it, so every
        // angle is the circle's 180°, and dr/dθ = f cos 90° = 0 at its edge.
        QTest::newRow("orthographic") << 4 << 0.0 << u"180.0°|180.0°|180.0°|-|93.5 px/m|0 px/m|"_s;
        // The datasheet's 160°: f = 2.7822 / (80° = 1.39626 rad) = 1.99262 mm; vertical
        // 2 x 1.565 / 1.99262 rad = 160 x 9/16 = 90°, diagonal 160 x 6.3844 / 5.5644 = 183.58°.
        // The scene 2 x 5.16624 x tan 80° = 58.60 m. Centre and edge 1920 x 1.99262 / (5.5644 x
        // 5.16624) = 1920 / (2 x 1.39626 x 5.16624) = 133.09 px/m.
        QTest::newRow("equidistant, datasheet 160°")
            << 1 << 160.0 << u"160.0°|90.0°|183.6°|58.6 m|133 px/m|133 px/m|"_s;
        // The datasheet's 120°: f = 2.7822 / tan 60° = 1.60632 mm; vertical 2 atan(1.565 /
        // 1.60632) = 88.51°, diagonal 2 atan(3.1922 / 1.60632) = 126.58°; the scene
        // 2 x 5.16624 x tan 60° = 17.90 m, 1920 / 17.896 = 107.29 px/m.
        QTest::newRow("rectilinear, datasheet 120°")
            << 0 << 120.0 << u"120.0°|88.5°|126.6°|17.9 m|107.2 px/m||"_s;
        QTest::newRow("rectilinear, datasheet 190°")
            << 0 << 190.0
            << u"-|-|-|-|-||The datasheet's angle is wider than this lens projection can show."_s;
    }

    void projections() {
        QFETCH(int, projection);
        QFETCH(double, datasheet);
        QFETCH(QString, shown);
        const CoverageResult result =
            computeCoverage(fisheyeQuery(AllProjections.at(static_cast<std::size_t>(projection)),
                                         datasheet > 0 ? std::optional(datasheet) : std::nullopt));
        const std::vector<ShownFigure> figures =
            shownFigures(result, enLevels(), EnIdentification, Units::Metric);
        QStringList texts;
        for (const char* name :
             {"AngleH", "AngleV", "AngleD", "SceneWidth", "PixelDensity", "PixelDensityEdge"})
            texts << figure(figures, name);
        texts << (result.problem ? CoverageText::problem(*result.problem, Units::Metric)
                                 : QString());
        QCOMPARE(texts.join(u'|'), shown);
    }

    // A fisheye's field past 180° still meets the ground: its vertical half angle, 64.05°
    // equidistant, puts the near edge at 3 / tan(atan(1.3 / 5) + 64.05°) = 3 / tan(78.62°) =
    // 0.6 m.
    void fisheyeSeesTheGround() {
        const CoverageResult result = computeCoverage(fisheyeQuery(Projection::Equidistant, {}));
        QVERIFY(result.ground.nearM);
        QCOMPARE(qRound(*result.ground.nearM * 100), 60);
        QVERIFY(result.ground.farUnbounded);
    }

    // f 8 mm, N 1.4, c = 2 x 2.9 µm = 0.0058 mm: H = 64 / (1.4 x 0.0058) + 8 = 7881.77 + 8 =
    // 7889.77 mm. Focused at 10 m, past H: near = 10000 x 7881.77 / (7889.77 + 10000 - 16) =
    // 4409.69 mm, sharp to infinity. At 3 m: near = 3000 x 7881.77 / (7889.77 + 3000 - 16) =
    // 2174.53 mm, far = 3000 x 7881.77 / (7889.77 - 3000) = 4835.67 mm. Focused no farther than
    // the focal length, nothing is sharp.
    void depthOfField_data() {
        QTest::addColumn<double>("focus");
        QTest::addColumn<double>("nearM");
        QTest::addColumn<double>("farM"); // 0: infinity
        QTest::newRow("10 m, past the hyperfocal distance") << 10.0 << 4.40969 << 0.0;
        QTest::newRow("3 m") << 3.0 << 2.17453 << 4.83567;
    }

    void depthOfField() {
        QFETCH(double, focus);
        QFETCH(double, nearM);
        QFETCH(double, farM);
        const std::optional<DepthOfField> depth = vistaro::depthOfField(8, 1.4, 0.0058, focus);
        QVERIFY(depth);
        QCOMPARE(qRound(depth->hyperfocalM * 1e5), 788977);
        QCOMPARE(qRound(depth->nearM * 1e5), qRound(nearM * 1e5));
        QCOMPARE(qRound(depth->farM.value_or(0) * 1e5), qRound(farM * 1e5));
        QVERIFY(!vistaro::depthOfField(8, 1.4, 0.0058, 0.008));
        QVERIFY(!vistaro::depthOfField(8, 0, 0.0058, 10));
    }

    // The blur circle c(d) = f² / (N (s - f)) x |d - s| / d of the same lens (f 8 mm, N 1.4,
    // 2.9 µm pixels) focused at s = 10 m: 64 / (1.4 x 9992) = 0.0045751 mm, at d = 3 m
    // x 7 / 3 = 0.0106752 mm = 3.681 pixels. At the near limit of the
    // depth of field, 4.40969 m, x 5.59031 / 4.40969 = 0.0058 mm, the circle of confusion: two
    // pixels. Focused no farther than the focal length, there is no blur to work out.
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
        const std::vector<ShownFigure> figures = shownFigures(
            computeCoverage(queryOf(read, enLevels(), EnIdentification, u"8"_s, u"10"_s)),
            enLevels(), EnIdentification, Units::Metric);
        QCOMPARE(figure(figures, "SharpFrom"), u"4.41 m"_s);
        QCOMPARE(figure(figures, "SharpTo"), u"Infinity"_s);
        QCOMPARE(figure(figures, "Hyperfocal"), u"7.89 m"_s);
        // The catalogue's F-number stands instead of the typed one, which stays remembered.
        readLensFields(inputs, {{}, u"1.4"_s, u"2"_s}, catalogueFNumber(u" 2 "_s), read);
        QCOMPARE(read.fNumber.value, 2.0);
        QCOMPARE(inputs.fNumber, 1.4);
        QVERIFY(!catalogueFNumber(u"F?"_s));
    }
};

QTEST_MAIN(TestLensProjection)
#include "tst_lensprojection.moc"
