// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "optics/coverageinputs.h"
#include "optics/coverageresult.h"
#include "optics/levels.h"
#include "optics/levelsetfile.h"
#include "optics/reading.h"
#include "support/hostilefiles.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

// 1/3", 4.8 mm wide, full HD: with f = 8 mm a density d is met up to 8 x 1920 / 4.8 d = 3200 / d
// metres, and at 10 m needs d x 10 x 4.8 / 1920 = d / 40 mm.
const Camera ThirdFullHd{{4.8, 3.6}, {1920, 1080}};

// A tender's own set: a face at 300 px/m, a gait at 100 px/ft (328.084 px/m).
LevelSet tenderSet(bool perFoot) {
    return perFoot ? userLevelSet(u"Tender (ft)"_s, {{u"gait"_s, u"Gait"_s, 100}}, true)
                   : userLevelSet(u"Tender"_s,
                                  {{u"face"_s, u"Face"_s, 300}, {u"walk"_s, u"Walk"_s, 20}}, false);
}

QString figure(std::optional<double> value) {
    return value ? QString::number(*value, 'g', 6) : u"none"_s;
}

} // namespace

Q_DECLARE_METATYPE(LevelSet)

class TestLevels : public QObject {
    Q_OBJECT

private slots:
    // "density level" of EN 62676-4: 0 monitor, 1 detection, 2 observation, 3 recognition,
    // 4 identification, 5 inspection, -1 none; 250 less a rounding error still identifies.
    void levelBounds_data() {
        QTest::addColumn<QString>("row");
        for (const char* row : {"12.49 -1", "12.5 0", "24.99 0", "25 1", "62.49 1", "62.5 2",
                                "125 3", "249.9 3", "249.99999999975 4", "999.9 4", "1000 5"})
            QTest::newRow(row) << QString::fromLatin1(row);
    }

    void levelBounds() {
        QFETCH(QString, row);
        const std::optional<Level> level =
            levelReached(row.section(u' ', 0, 0).toDouble(), levelDensities(enLevels(), {}));
        QCOMPARE(level ? static_cast<int>(*level) : -1, row.section(u' ', 1).toInt());
    }

    // Worked by hand for each set: level by level, its density (px/m), how far 8 mm meets it and
    // the focal length it needs at 10 m (as typed: up to the hundredth).
    void handWorked_data() {
        QTest::addColumn<LevelSet>("set");
        QTest::addColumn<QString>("levels"); // "density distance focal", lowest first
        QTest::newRow("EN 62676-4")
            << enLevels()
            << "12.5 256 0.32|25 128 0.63|62.5 51.2 1.57|125 25.6 3.13|250 12.8 6.25|1000 3.2 25";
        // 1080 rows: a share s of the height of a 1.6 m person is 1080 s / 1.6 = 675 s px/m.
        QTest::newRow("share of screen height")
            << screenShareLevels()
            << "33.75 94.8148 0.85|67.5 47.4074 1.69|168.75 18.963 4.22|337.5 9.48148 8.44|"
               "675 4.74074 16.88|2700 1.18519 67.5";
        // 130 px across a 520 mm plate: 250 px/m.
        QTest::newRow("European plates, 130 px") << plateLevels({520, 130}) << "250 12.8 6.25";
        // Ordered by density whatever the order typed.
        QTest::newRow("the user's, px/m") << tenderSet(false) << "20 160 0.5|300 10.6667 7.5";
        QTest::newRow("the user's, px/ft") << tenderSet(true) << "328.084 9.7536 8.21";
    }

    void handWorked() {
        QFETCH(LevelSet, set);
        QFETCH(QString, levels);
        CoverageQuery query;
        query.camera = ThirdFullHd;
        query.focalMm = checked(8, Quantity::Focal);
        query.distanceM = checked(10, Quantity::Distance);
        query.mountHeightM = checked(1.7, Quantity::MountHeight); // at the target's height
        query.targetHeightM = checked(1.7, Quantity::TargetHeight);
        query.levelSet = set;
        const std::vector<double> densities = levelDensities(set, ThirdFullHd);
        QStringList shown;
        for (Level level = 0; level < set.size(); ++level) {
            query.level = level;
            const CoverageResult result = computeCoverage(query);
            QCOMPARE(result.levelDistanceM.size(), set.size());
            shown << figure(densities[level]) + u' ' + figure(result.levelDistanceM[level]) + u' ' +
                         figure(result.neededFocalMm);
        }
        QCOMPARE(shown.join(u'|'), levels);
    }

    // Each built-in colour is darker than the one before in grey, so that a grey print keeps the
    // bands apart; a set of more levels starts the colours again.
    void colours() {
        // Qt's grey of a colour, (11 red + 16 green + 5 blue) / 32.
        const auto grey = [](Level level) {
            const std::uint32_t c = levelColour(level);
            return int((c >> 16 & 0xff) * 11 + (c >> 8 & 0xff) * 16 + (c & 0xff) * 5) / 32;
        };
        for (Level level = 0; level + 1 < enLevels().size(); ++level)
            QVERIFY2(grey(level) - grey(level + 1) >= 10, qPrintable(QString::number(level)));
        QCOMPARE(levelColour(6), levelColour(0));
    }

    // What the window remembers comes back from the settings file, the user's level sets with
    // it (a set that cannot be read is left out); what a hand-edited file spoils falls back to
    // the default, key by key.
    void remembered() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"vistaro.conf"_s);
        const std::vector<LevelSet> sets{tenderSet(false), tenderSet(true)};
        CoverageInputs inputs({SensorSource::PixelSize, u"1/2.8\""_s, SensorSize{6.4, 4.8}, 1.45,
                               ImageSize{2688, 1520}, screenShareLevels(), PlateRule{305, 150}, 2,
                               4.5, 1.2, Units::Imperial, Aim::Tilt, -12.5,
                               LensModel{Projection::Stereographic, 187.5}, 2.4, 1.5});
        {
            QSettings settings(path, QSettings::IniFormat);
            saveCoverageInputs(settings, inputs);
        }
        {
            QSettings settings(path, QSettings::IniFormat);
            QCOMPARE(loadCoverageInputs(settings), inputs);
            QCOMPARE(settings.value(u"Coverage/level"_s), u"observe"_s);
            inputs.lens.datasheetAngleHDeg.reset(); // a datasheet angle cleared is gone
            inputs.levelSet = sets[0];
            inputs.level = 0;
            saveUserLevelSets(settings,
                              {sets[0], userLevelSet(u"Other"_s, {{u"a"_s, u"A"_s, 5}}, false)});
            saveCoverageInputs(settings, inputs);
        }
        {
            QSettings settings(path, QSettings::IniFormat);
            QCOMPARE(loadCoverageInputs(settings), inputs);
            saveUserLevelSets(settings, sets);
            settings.setValue(u"LevelSets/3/set"_s, u"{\"name\": \"Broken\", \"levels\": []}"_s);
            settings.setValue(u"LevelSets/size"_s, 3);
        }
        QSettings settings(path, QSettings::IniFormat);
        QCOMPARE(loadUserLevelSets(settings), sets);
        QCOMPARE(settings.value(u"Coverage/aim"_s), u"tilt"_s);
        QCOMPARE(settings.value(u"Coverage/levelSet"_s), u"user:Tender"_s);
        QCOMPARE(settings.value(u"Coverage/level"_s), u"walk"_s);
        for (const QString& spoilt :
             {u"sensor=Pixel"_s, u"sensorPreset=1/9\""_s, u"columns=-3"_s, u"mountHeight=nan"_s,
              u"level=3"_s, u"levelSet=EN"_s, u"platePixels=-1"_s, u"pixelSize=0"_s, u"aim=Tilt"_s,
              u"tilt=90"_s, u"projection=fish"_s, u"datasheetAngle=400"_s})
            settings.setValue(u"Coverage/"_s + spoilt.section(u'=', 0, 0), spoilt.section(u'=', 1));
        const CoverageInputs fallenBack({SensorSource::Calculator, u"1/3\""_s, SensorSize{6.4, 4.8},
                                         2.9, ImageSize{1920, 1520}, enLevels(),
                                         PlateRule{305, 130}, EnIdentification, 3, 1.2,
                                         Units::Imperial, Aim::Target, 10, LensModel(), 2.4, 1.5});
        QCOMPARE(loadCoverageInputs(settings), fallenBack);
    }

    // Exported and imported again, a set is the same: px/ft as typed, a name of every script.
    void exportAndImport() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"levels.json"_s);
        for (const LevelSet& set :
             {tenderSet(true),
              userLevelSet(u"Appalto \"B\" – 北門"_s, {{u"k"_s, u"Überwachung"_s, 0.5}}, false)}) {
            QCOMPARE(LevelSetFile::save(path, set), std::nullopt);
            const LevelSetRead read = LevelSetFile::read(path);
            QVERIFY(read.problem.isEmpty());
            QCOMPARE(read.set, std::optional(set));
        }
    }

    // A file that is not a set of levels is refused, saying where and what; a level without a key
    // gets one of its place.
    void badImports_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("says");
        // JSON written with ' for ", after the format, the version and a name.
        const auto file = [](const char* rest) {
            return QByteArray("{'format': 'vistaro-levels', 'version': 1, 'name': 'T', ")
                .append(rest)
                .replace('\'', '"');
        };
        QTest::newRow("not JSON") << QByteArray("{\"format\": ") << "not a JSON object";
        QTest::newRow("another file")
            << QByteArray("{\"format\": \"vistaro-site\", \"version\": 1}")
            << "not a Vistaro level set file";
        QTest::newRow("a later version")
            << file("'levels': []}").replace("1,", "2,") << "a version this program does not read";
        QTest::newRow("no name") << file("'levels': []}").replace("\"name\": \"T\",", "")
                                 << "name: a name is expected";
        QTest::newRow("no levels")
            << file("'levels': []}") << "levels: a list of 1 to 20 levels is expected";
        QTest::newRow("a level without a name")
            << file("'levels': [{'density': 3}]}") << "levels[0].name: a name is expected";
        QTest::newRow("a density of text")
            << file("'levels': [{'name': 'A', 'density': 1}, {'name': 'B', 'density': '9'}]}")
            << "levels[1].density: not a positive number";
        QTest::newRow("a density of 0") << file("'levels': [{'name': 'A', 'density': 0}]}")
                                        << "levels[0].density: not a positive number";
        QTest::newRow("a density past reason") << file("'levels': [{'name': 'A', 'density': 1e9}]}")
                                               << "levels[0].density: larger than 100000";
        QTest::newRow("pixels an inch")
            << file("'unit': 'px/in', 'levels': [{'name': 'A', 'density': 5}]}")
            << "unit: \"px/in\" is neither \"px/m\" nor \"px/ft\"";
        QTest::newRow("larger than 64 KiB")
            << file("'levels': [{'name': 'A', 'density': 5}], 'x': '") +
                   QByteArray(64 * 1024, 'x') + "\"}"
            << "larger than 64 KiB";
    }

    void badImports() {
        QFETCH(QByteArray, content);
        QFETCH(QString, says);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"levels.json"_s);
        QVERIFY(test::placeHostile({content, 1, {}}, path));
        const LevelSetRead read = LevelSetFile::read(path);
        QVERIFY(!read.set);
        const QString message = read.problem.message();
        QVERIFY2(message.contains(says) && message.contains(u"levels.json"_s), qPrintable(message));
    }
};

QTEST_MAIN(TestLevels)
#include "tst_levels.moc"
