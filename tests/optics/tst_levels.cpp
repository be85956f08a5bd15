// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "optics/coverageinputs.h"
#include "optics/levels.h"
#include "optics/sight.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;
using namespace Qt::StringLiterals;

const Camera ThirdFullHd{{4.8, 3.6}, {1920, 1080}};

class TestLevels : public QObject {
    Q_OBJECT

private slots:
    // Worked by hand, the cases the window's figures do not reach: a focal length worked out for
    // exactly a level, a picture taller than the sensor.
    void optics_data() {
        QTest::addColumn<Camera>("camera");
        QTest::addColumn<double>("focal");
        QTest::addColumn<double>("distance");
        // density|EN 62676-4 level reached (-1: below monitor, 1 detection, 4 identification)|
        // identification up to|detection up to|focal length for identification
        QTest::addColumn<QString>("figures");
        QTest::newRow("exactly the needed focal length")
            << ThirdFullHd << 6.25 << 10.0 << "250|4|10|100|6.25";
        // A 4:3 picture on a 16:9 sensor spans its height: 3.13 x 4/3 mm wide.
        QTest::newRow("4:3 picture on 1/2.8\"") << Camera{{5.57, 3.13}, {1280, 960}} << 4.0 << 5.0
                                                << "245.367|3|4.90735|49.0735|4.07552";
        // On 16:9 the largest 4:3 area, 3.13 x 4/3 = 4.1733 mm wide: 704 / (10 x 4.1733 / 6).
        QTest::newRow("704 x 480 on 1/2.8\"") << Camera{{5.57, 3.13}, {704, 480}} << 6.0 << 10.0
                                              << "101.214|2|4.04856|40.4856|14.8201";
    }

    void optics() {
        QFETCH(Camera, camera);
        QFETCH(double, focal);
        QFETCH(double, distance);
        QFETCH(QString, figures);
        const auto text = [](std::optional<double> value) {
            return value ? QString::number(*value) : QStringLiteral("none");
        };
        const std::optional<double> density = pixelDensity(camera, focal, distance);
        const std::optional<Level> level =
            density ? levelReached(*density, levelDensities(enLevels(), camera)) : std::nullopt;
        const QStringList shown{
            text(density), QString::number(level ? int(*level) : -1),
            text(levelDistance(camera, focal, 250)), text(levelDistance(camera, focal, 25)),
            text(neededScaleAt({camera, Projection::Rectilinear, focal, 0, 0}, 250, distance))};
        QCOMPARE(shown.join(u'|'), figures);
    }

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

    // What the window remembers comes back; what a hand-edited file spoils falls back to the
    // default, key by key.
    void remembered() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("vistaro.conf"));
        const CoverageInputs inputs({SensorSource::PixelSize, u"1/2.8\""_s, SensorSize{6.4, 4.8},
                                     1.45, ImageSize{2688, 1520}, screenShareLevels(),
                                     PlateRule{305, 150}, 2, 4.5, 1.2, Units::Imperial, Aim::Tilt,
                                     -12.5, LensModel{Projection::Stereographic, 187.5}, 2.4, 1.5});
        {
            QSettings settings(path, QSettings::IniFormat);
            saveCoverageInputs(settings, inputs);
        }
        QSettings settings(path, QSettings::IniFormat);
        QCOMPARE(loadCoverageInputs(settings), inputs);
        CoverageInputs cleared = inputs; // a datasheet angle cleared is gone
        cleared.lens.datasheetAngleHDeg.reset();
        saveCoverageInputs(settings, cleared);
        QCOMPARE(loadCoverageInputs(settings), cleared);

        QCOMPARE(settings.value("Coverage/aim"), u"tilt"_s);
        QCOMPARE(settings.value("Coverage/level"), u"observe"_s);
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
};

QTEST_MAIN(TestLevels)
#include "tst_levels.moc"
