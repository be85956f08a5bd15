// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "optics/coveragefields.h"
#include "optics/coverageformat.h"

#include <QLocale>
#include <QTest>
#include <cmath>

using namespace vistaro;
using namespace Qt::StringLiterals;

// The coverage figures as the window shows them, from the texts of its fields and of the
// calculator, against values worked out by hand.
class TestCoverage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void figures_data() {
        // sensor w h, columns rows, mount, target; the calculator's focal length and distance;
        // the tilt when the camera is aimed by it
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("units");
        // AngleH|AngleV|AngleD|SceneWidth|PixelDensity|LevelReached|up to identification|up to
        // detection|NeededFocal|DeadZone|FarEdge|Problem
        QTest::addColumn<QString>("shown");
        // 1/3" full HD, 6 mm at 10 m: all but the ground's figures and the problem
        const QString metric = u"43.6°|25.4°|49.3°|8 m|240 px/m|Recognition|9.6 m|96 m|6.25 mm|"_s;
        // 240 px/m x 0.3048 = 73.152 px/ft, truncated; 9.6 m = 31.496 ft, rounded down.
        const QString imperial =
            u"43.6°|25.4°|49.3°|26.25 ft|73.1 px/ft|Recognition|31.49 ft|314.96 ft|6.25 mm|"_s;
        QTest::newRow("1/3\" full HD, 6 mm, 10 m, axis below the horizon")
            << "4.8 3.6 1920 1080 3 1.7 6 10" << 0 << metric + u"8.2 m|Unbounded (horizon)|"_s;
        QTest::newRow("level axis, 90° vertical: near edge at the mounting height")
            << "4.8 3.6 1920 1080 3 3 1.35 10" << 0
            << "121.3°|90.0°|127.8°|35.56 m|54 px/m|Detection|2.16 m|21.6 m|6.25 mm|3 m|"
               "Unbounded (horizon)|";
        QTest::newRow("below the target, looking over the ground")
            << "4.8 3.6 1920 1080 1 1.7 50 2" << 0
            << "5.5°|3.1°|6.3°|0.19 m|10000 px/m|Inspection|80 m|800 m|1.25 mm|-|-|The camera "
               "is below the target and looks above the horizon: it sees no ground.";
        QTest::newRow("imperial: heights typed in feet")
            << "4.8 3.6 1920 1080 10 5.5 6 10" << 1
            << imperial + u"26.76 ft|Unbounded (horizon)|"_s;
        QTest::newRow("focal length 0") << "4.8 3.6 1920 1080 3 1.7 0 10" << 0
                                        << "-|-|-|-|-|-|-|-|6.25 mm|-|-|The calculator's focal "
                                           "length must be greater than zero.";
        QTest::newRow("distance 1E+308")
            << "4.8 3.6 1920 1080 3 1.7 6 1E+308" << 0
            << "43.6°|25.4°|49.3°|-|-|-|9.6 m|96 m|-|-|-|The calculator's distance is too large: "
               "at most 100000 m.";
        // 1" 12.8 mm wide, 2592 columns, 2.8 mm: identification reaches 2.8 x 2592 / (250 x
        // 12.8) = 2.268 m, shown 2.26 m; there 2592 / (2.26 x 12.8 / 2.8) = 250.88 px/m. Near
        // edge 3 / tan(29.9° + 59.7°) = 0.018 m.
        QTest::newRow("1\" 5 MP, 2.8 mm: at the distance shown, identification")
            << "12.8 9.6 2592 1944 3 1.7 2.8 2.26" << 0
            << u"132.7°|119.5°|141.4°|10.33 m|250.8 px/m|Identification|2.26 m|22.68 m|2.8 mm|"
               u"0.02 m|Unbounded (horizon)|"_s;
        // 27 mm: vertical 2 atan(2.7 / 54) = 2 atan(0.05), tilt atan(1.3 / 26) = atan(0.05): the
        // upper edge runs along the horizon. Near edge 3 / tan(2 atan(0.05)) = 29.925 m, a half
        // that rounds up; 1920 / (26 x 4.8 / 27) = 415.38 px/m.
        QTest::newRow("tilt half the vertical angle")
            << "4.8 3.6 1920 1080 3 1.7 27 26" << 0
            << "10.2°|5.7°|11.6°|4.62 m|415.3 px/m|Identification|43.2 m|432 m|16.25 mm|29.93 m|"
               "Unbounded (horizon)|";
        // 720 x 576 is 4:3 on the whole 4.8 x 3.6 mm: scene 10 x 4.8 / 6 = 8 m, 720 / 8 = 90
        // px/m; identification needs 250 x 10 x 4.8 / 720 = 16.67 mm.
        QTest::newRow("analog 720 x 576 spans a 4:3 sensor")
            << "4.8 3.6 720 576 3 1.7 6 10" << 0
            << "43.6°|33.4°|53.1°|8 m|90 px/m|Observation|3.6 m|36 m|16.67 mm|6.7 m|"
               "Unbounded (horizon)|";
        // Aimed by the tilt, the vertical angle 25.36°: edges at 3 / tan(tilt ± 12.68°).
        QTest::newRow("tilted 45°")
            << "4.8 3.6 1920 1080 3 1.7 6 10 45" << 0 << metric + u"1.9 m|4.74 m|"_s;
        QTest::newRow("tilted up")
            << "4.8 3.6 1920 1080 3 1.7 6 10 -20" << 0
            << metric + u"-|-|At this tilt angle the camera looks above the horizon: it sees no "
                        u"ground."_s;
        QTest::newRow("tilt 90°")
            << "4.8 3.6 1920 1080 3 1.7 6 10 90" << 0
            << metric + u"-|-|The tilt angle must be more than -90° and less than 90°."_s;
        // The calculator makes a focal length of 0 out of a distance of 0.
        QTest::newRow("distance 0, and so focal length 0")
            << "4.8 3.6 1920 1080 3 1.7 0 0" << 0
            << "-|-|-|-|-|-|-|-|-|-|-|The calculator's distance must be greater than zero.";
        QTest::newRow("sensor 1E-320 mm wide")
            << "1E-320 3.6 1920 1080 3 1.7 6 10" << 0
            << u"-|-|-|-|-|-|-|-|-|-|-|The sensor width is too small: at least 0.001 mm."_s;
        QTest::newRow("mounting height in feet, too large")
            << "4.8 3.6 1920 1080 4000 5 6 10" << 1
            << imperial + u"-|-|The mounting height is too large: at most 3280.84 ft."_s;
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
        const std::vector<ShownFigure> figures =
            shownFigures(result, enLevels(), EnIdentification, inputs.units);
        QStringList texts;
        for (const char* name :
             {"AngleH", "AngleV", "AngleD", "SceneWidth", "PixelDensity", "LevelReached",
              "DistanceIdentification", "DistanceDetection", "NeededFocal", "DeadZone", "FarEdge"})
            for (const ShownFigure& figure : figures)
                if (figure.name == QLatin1String(name))
                    texts << figure.text;
        texts << (result.problem ? CoverageText::problem(*result.problem, inputs.units)
                                 : QString());
        QCOMPARE(texts.join(u'|'), shown);
    }

    // A field that does not read keeps the last good value in the inputs the window remembers.
    void badFieldKeepsRememberedValue() {
        CoverageInputs inputs{.sensorSource = SensorSource::PixelSize};
        readFields(inputs,
                   {u""_s, u""_s, u"1.45"_s, u"2688"_s, u"1520"_s, u"4.5"_s, u"1.2"_s, u""_s}, true,
                   SensorFormat::Half);
        const FieldsRead read =
            readFields(inputs, {u""_s, u""_s, u"0"_s, u"0"_s, u"1520"_s, u"4.5"_s, u"x"_s, u""_s},
                       true, SensorFormat::Half);
        QCOMPARE(inputs, CoverageInputs({SensorSource::PixelSize, u"1/3\""_s, SensorSize{4.8, 3.6},
                                         1.45, ImageSize{2688, 1520}, enLevels(), PlateRule{},
                                         EnIdentification, 4.5, 1.2, Units::Metric}));
        QCOMPARE(read.cameraProblem, (Problem{Quantity::PixelSize, Fault::NotPositive}));
    }

    // A height shows to its unit's precision, and a field still showing it keeps the height to
    // the last digit: 3 m is 9.8425 ft, shown 9.84, and stays 3 m; the same 9.84 typed over
    // another height is 9.84 x 0.3048 = 2.999232 m.
    void heightShownRounded_data() {
        QTest::addColumn<double>("metres");
        QTest::addColumn<int>("units");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("typedOver");
        QTest::newRow("3 m in feet") << 3.0 << 1 << u"9.84"_s << 2.999232;
        QTest::newRow("1.7 m in feet") << 1.7 << 1 << u"5.58"_s << 1.700784;
        QTest::newRow("4.5723 m in metres") << 4.5723 << 0 << u"4.572"_s << 4.572;
        QTest::newRow("3 m in metres") << 3.0 << 0 << u"3"_s << 3.0;
    }

    void heightShownRounded() {
        QFETCH(double, metres);
        QFETCH(int, units);
        QFETCH(QString, shown);
        QFETCH(double, typedOver);
        const Units unit = static_cast<Units>(units);
        QCOMPARE(heightText(metres, unit), shown);
        CoverageInputs inputs{.mountHeightM = metres, .targetHeightM = metres, .units = unit};
        const CoverageFields fields{u""_s, u""_s, u""_s, u""_s, u""_s, shown, shown, u""_s};
        const FieldsRead kept = readFields(inputs, fields, false, SensorFormat::Third);
        QVERIFY(kept.mountHeightM.value == metres && kept.targetHeightM.value == metres);
        QVERIFY(inputs.mountHeightM == metres);
        inputs.mountHeightM = 10;
        const FieldsRead typed = readFields(inputs, fields, false, SensorFormat::Third);
        QVERIFY(std::abs(*typed.mountHeightM.value - typedOver) < 1e-12);
    }

    // Decimal commas: 1/3" is 4.8 mm wide; recognition needs 125 x 12.5 x 4.8 / 1920 = 3.90625 mm.
    void regionalFormat() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        CoverageInputs inputs;
        const FieldsRead read =
            readFields(inputs, {u""_s, u""_s, u""_s, u""_s, u""_s, u"2,5"_s, u"1,7"_s, u""_s},
                       false, SensorFormat::Third);
        const CoverageResult result =
            computeCoverage(queryOf(read, enLevels(), 3, u"4,8"_s, u"12,5"_s));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(read.mountHeightM.value, 2.5);
        QCOMPARE(result.sceneWidthM, 12.5);
        QCOMPARE(result.neededFocalMm, 3.91);
    }

    // One row a figure, a distance a level of the set: a plate set has one.
    void figureRows() {
        QStringList names;
        for (const ShownFigure& figure : shownFigures({}, plateLevels({}), 0, Units::Metric))
            names << figure.name;
        QCOMPARE(names.join(u' '),
                 u"AngleH AngleV AngleD SceneWidth SceneHeight PixelDensity PixelDensityEdge "
                 u"LevelReached DistancePlate NeededFocal DeadZone FarEdge SharpFrom SharpTo "
                 u"Hyperfocal"_s);
    }

    // A length rounds halves exact in decimal up, binary noise notwithstanding (1.005 is
    // 1.00499999999999989); a level's reach rounds down and a density is truncated, but 0.29,
    // 28.999999999999996 hundredths, stays 0.29. Nothing infinite shows.
    void rounding_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown"); // length | reach | density | angle
        QTest::newRow("1.005") << 1.005 << "1.01 m|1 m|1 px/m|1.0°";
        QTest::newRow("0.29") << 0.29 << "0.29 m|0.29 m|0.2 px/m|0.3°";
        QTest::newRow("249.97") << 249.97 << "249.97 m|249.97 m|249.9 px/m|250.0°";
        QTest::newRow("not a number") << qQNaN() << "-|-|-|-";
    }

    void rounding() {
        QFETCH(double, value);
        QFETCH(QString, shown);
        QCOMPARE(
            QStringList({CoverageText::length(value, Units::Metric),
                         CoverageText::reach(value, Units::Metric),
                         CoverageText::density(value, Units::Metric), CoverageText::angle(value)})
                .join(u'|'),
            shown);
    }

    // "needed typed": rounded up to hundredths, 1.1 being 110.00000000000001 hundredths in binary.
    void focalToType_data() {
        QTest::addColumn<QString>("row");
        for (const char* row : {"6.25 6.25", "6.251 6.26", "1.1 1.1"})
            QTest::newRow(row) << QString::fromLatin1(row);
    }

    void focalToType() {
        QFETCH(QString, row);
        QCOMPARE(vistaro::focalToType(row.section(u' ', 0, 0).toDouble()),
                 row.section(u' ', 1).toDouble());
    }
};

QTEST_MAIN(TestCoverage)
#include "tst_coverage.moc"
