// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "optics/coveragefields.h"
#include "optics/coverageformat.h"

#include <QLocale>
#include <QTest>

using namespace vistaro;
using namespace Qt::StringLiterals;

// The coverage figures as the window shows them, from the texts of its fields and of the
// calculator, against values worked out by hand.
class TestCoverage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void figures_data() {
        // sensor w h, columns rows, mount, target; the calculator's focal length and distance
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("units");
        // AngleH|AngleV|AngleD|SceneWidth|PixelDensity|LevelReached|up to identification|up to
        // detection|NeededFocal|DeadZone|FarEdge|Problem
        QTest::addColumn<QString>("shown");
        // 1/3" full HD, 6 mm at 10 m: all but the ground's figures and the problem
        const QString metric = u"43.6°|25.4°|49.3°|8 m|240 px/m|Recognition|9.6 m|96 m|6.25 mm|"_s;
        const QString imperial =
            u"43.6°|25.4°|49.3°|26.25 ft|73.2 px/ft|Recognition|31.5 ft|314.96 ft|6.25 mm|"_s;
        QTest::newRow("1/3\" full HD, 6 mm, 10 m, axis below the horizon")
            << "4.8 3.6 1920 1080 3 1.7 6 10" << 0 << metric + u"8.2 m|Unbounded (horizon)|"_s;
        QTest::newRow("steep enough for a far edge")
            << "4.8 3.6 1920 1080 6 1.7 12 10" << 0
            << "22.6°|12.8°|25.8°|4 m|480 px/m|Identification|19.2 m|192 m|6.25 mm|10.52 m|"
               "19.81 m|";
        QTest::newRow("level axis, 90° vertical: near edge at the mounting height")
            << "4.8 3.6 1920 1080 3 3 1.35 10" << 0
            << "121.3°|90.0°|127.8°|35.56 m|54 px/m|Detection|2.16 m|21.6 m|6.25 mm|3 m|"
               "Unbounded (horizon)|";
        QTest::newRow("below the target, looking over the ground")
            << "4.8 3.6 1920 1080 1 1.7 50 2" << 0
            << "5.5°|3.1°|6.3°|0.19 m|10000 px/m|Identification|80 m|800 m|1.25 mm|-|-|The camera "
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
        const QString noCamera = u"-|-|-|-|-|-|-|-|-|-|-|"_s;
        QTest::newRow("0 columns")
            << "4.8 3.6 0 1080 3 1.7 6 10" << 0
            << noCamera + u"The number of columns must be greater than zero."_s;
        QTest::newRow("sensor 1 m wide")
            << "1000 3.6 1920 1080 3 1.7 6 10" << 0
            << noCamera + u"The sensor width is too large: at most 100 mm."_s;
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
                              .units = static_cast<Units>(units)};
        const FieldsRead read = readFields(inputs, {t[0], t[1], QString(), t[2], t[3], t[4], t[5]},
                                           true, SensorFormat::Third);
        const CoverageResult result =
            computeCoverage(queryOf(read, Level::Identification, t[6], t[7]));
        const std::vector<ShownFigure> figures =
            shownFigures(result, Level::Identification, inputs.units);
        QStringList texts;
        for (const char* name :
             {"AngleH", "AngleV", "AngleD", "SceneWidth", "PixelDensity", "LevelReached",
              "DistanceIdentification", "DistanceDetection", "NeededFocal", "DeadZone", "FarEdge"})
            for (const ShownFigure& figure : figures)
                if (qstrcmp(figure.name, name) == 0)
                    texts << figure.text;
        texts << (result.problem ? CoverageText::problem(*result.problem, inputs.units)
                                 : QString());
        QCOMPARE(texts.join(u'|'), shown);
    }

    // A field that does not read keeps the last good value in the inputs the window remembers.
    void badFieldKeepsRememberedValue() {
        CoverageInputs inputs{.sensorSource = SensorSource::PixelSize};
        readFields(inputs, {u""_s, u""_s, u"1.45"_s, u"2688"_s, u"1520"_s, u"4.5"_s, u"1.2"_s},
                   true, SensorFormat::Half);
        const FieldsRead read =
            readFields(inputs, {u""_s, u""_s, u"0"_s, u"0"_s, u"1520"_s, u"4.5"_s, u"x"_s}, true,
                       SensorFormat::Half);
        QCOMPARE(inputs, CoverageInputs({SensorSource::PixelSize, u"1/3\""_s, SensorSize{4.8, 3.6},
                                         1.45, ImageSize{2688, 1520}, Level::Identification, 4.5,
                                         1.2, Units::Metric}));
        QCOMPARE(read.cameraProblem, (Problem{Quantity::PixelSize, Fault::NotPositive}));
    }

    // Decimal commas: 1/3" is 4.8 mm wide; recognition needs 125 x 12.5 x 4.8 / 1920 = 3.90625 mm.
    void regionalFormat() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        CoverageInputs inputs;
        const FieldsRead read =
            readFields(inputs, {u""_s, u""_s, u""_s, u""_s, u""_s, u"2,5"_s, u"1,7"_s}, false,
                       SensorFormat::Third);
        const CoverageResult result =
            computeCoverage(queryOf(read, Level::Recognition, u"4,8"_s, u"12,5"_s));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(read.mountHeightM.value, 2.5);
        QCOMPARE(result.sceneWidthM, 12.5);
        QCOMPARE(result.neededFocalMm, 3.91);
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
