// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "coverage/coverageinputs.h"
#include "coverage/levels.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;

namespace {

const Camera ThirdFullHd{{4.8, 3.6}, {1920, 1080}};
constexpr double None = -1; // no value expected

} // namespace

class TestLevels : public QObject {
    Q_OBJECT

private slots:
    // Worked by hand, the cases the window's figures do not reach: a focal length worked out for
    // exactly a level, a picture taller than the sensor, a distance that would overflow.
    void optics_data() {
        QTest::addColumn<Camera>("camera");
        QTest::addColumn<double>("focal");
        QTest::addColumn<double>("distance");
        QTest::addColumn<double>("density");
        QTest::addColumn<int>("reached"); // -1 below detection
        QTest::addColumn<double>("identificationUpTo");
        QTest::addColumn<double>("detectionUpTo");
        QTest::addColumn<double>("focalForIdentification");
        QTest::newRow("exactly the needed focal length")
            << ThirdFullHd << 6.25 << 10.0 << 250.0 << 3 << 10.0 << 100.0 << 6.25;
        // A 4:3 picture on a 16:9 sensor spans its height: 3.13 x 4/3 mm wide.
        QTest::newRow("4:3 picture on 1/2.8\"")
            << Camera{{5.57, 3.13}, {1280, 960}} << 4.0 << 5.0 << 245.3674121405751 << 2
            << 4.9073482 << 49.073482 << 4.0755208;
        QTest::newRow("distance 1E+308")
            << ThirdFullHd << 6.0 << 1e308 << 2.4e-305 << -1 << 9.6 << 96.0 << None;
    }

    void optics() {
        QFETCH(Camera, camera);
        QFETCH(double, focal);
        QFETCH(double, distance);
        QFETCH(double, density);
        QFETCH(int, reached);
        QFETCH(double, identificationUpTo);
        QFETCH(double, detectionUpTo);
        QFETCH(double, focalForIdentification);
        const std::optional<double> shown = pixelDensity(camera, focal, distance);
        QCOMPARE(shown.has_value(), density != None);
        if (shown) {
            QVERIFY2(qFuzzyCompare(*shown, density), qPrintable(QString::number(*shown, 'g', 17)));
            const std::optional<Level> level = levelReached(*shown);
            QCOMPARE(level ? static_cast<int>(*level) : -1, reached);
        }
        const auto near = [](std::optional<double> actual, double wanted) {
            return actual.has_value() == (wanted != None) &&
                   (!actual || std::abs(*actual - wanted) <= 1e-6 * wanted);
        };
        QVERIFY(near(levelDistance(camera, focal, Level::Identification), identificationUpTo));
        QVERIFY(near(levelDistance(camera, focal, Level::Detection), detectionUpTo));
        QVERIFY(near(neededFocal(camera, distance, Level::Identification), focalForIdentification));
    }

    void levelBounds_data() {
        QTest::addColumn<double>("density");
        QTest::addColumn<int>("reached");
        QTest::newRow("24.99") << 24.99 << -1;
        QTest::newRow("25") << 25.0 << 0;
        QTest::newRow("62.49") << 62.49 << 0;
        QTest::newRow("62.5") << 62.5 << 1;
        QTest::newRow("125") << 125.0 << 2;
        QTest::newRow("249.9") << 249.9 << 2;
        QTest::newRow("250 less rounding") << 250 * (1 - 1e-12) << 3;
    }

    void levelBounds() {
        QFETCH(double, density);
        QFETCH(int, reached);
        const std::optional<Level> level = levelReached(density);
        QCOMPARE(level ? static_cast<int>(*level) : -1, reached);
    }

    // What the window remembers comes back; what a hand-edited file spoils falls back to the
    // default, key by key.
    void remembered() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("vistaro.conf"));
        CoverageInputs inputs;
        inputs.sensorSource = SensorSource::PixelSize;
        inputs.sensorPreset = QStringLiteral("1/2.8\"");
        inputs.customSensor = {6.4, 4.8};
        inputs.pixelMicrometres = 1.45;
        inputs.image = {2688, 1520};
        inputs.level = Level::Observation;
        inputs.mountHeightM = 4.5;
        inputs.targetHeightM = 1.2;
        inputs.units = Units::Imperial;
        {
            QSettings settings(path, QSettings::IniFormat);
            saveCoverageInputs(settings, inputs);
        }
        QSettings settings(path, QSettings::IniFormat);
        QCOMPARE(loadCoverageInputs(settings), inputs);

        settings.setValue(QStringLiteral("Coverage/sensor"), QStringLiteral("Pixel"));
        settings.setValue(QStringLiteral("Coverage/sensorPreset"), QStringLiteral("1/9\""));
        settings.setValue(QStringLiteral("Coverage/columns"), QStringLiteral("-3"));
        settings.setValue(QStringLiteral("Coverage/mountHeight"), QStringLiteral("nan"));
        settings.setValue(QStringLiteral("Coverage/level"), 3);
        settings.setValue(QStringLiteral("Coverage/pixelSize"), QStringLiteral("0"));
        const CoverageInputs spoilt = loadCoverageInputs(settings);
        QCOMPARE(spoilt.sensorSource, SensorSource::Calculator);
        QCOMPARE(spoilt.sensorPreset, QStringLiteral("1/3\""));
        QCOMPARE(spoilt.image.columns, 1920);
        QCOMPARE(spoilt.image.rows, 1520);
        QCOMPARE(spoilt.mountHeightM, 3.0);
        QCOMPARE(spoilt.level, Level::Identification);
        QCOMPARE(spoilt.pixelMicrometres, 2.9);
        QCOMPARE(spoilt.units, Units::Imperial);
    }

    void camera_data() {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("preset");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("calculator's 1/2\"") << 0 << "" << 6.4 << 4.8;
        QTest::newRow("preset 1/1.8\"") << 1 << "1/1.8\"" << 7.18 << 5.32;
        QTest::newRow("unknown preset") << 1 << "1/7\"" << 0.0 << 0.0;
        QTest::newRow("custom") << 2 << "" << 5.0 << 4.0;
        QTest::newRow("2.9 um x 1920 x 1080") << 3 << "" << 5.568 << 3.132;
    }

    void camera() {
        QFETCH(int, source);
        QFETCH(QString, preset);
        QFETCH(double, width);
        QFETCH(double, height);
        CoverageInputs inputs;
        inputs.sensorSource = static_cast<SensorSource>(source);
        inputs.sensorPreset = preset;
        inputs.customSensor = {5.0, 4.0};
        const std::optional<Camera> camera = cameraOf(inputs, SensorFormat::Half);
        QCOMPARE(camera.has_value(), width > 0);
        if (!camera)
            return;
        QVERIFY(qFuzzyCompare(camera->sensor.widthMm, width));
        QVERIFY(qFuzzyCompare(camera->sensor.heightMm, height));
        QCOMPARE(camera->image.columns, 1920);
    }
};

QTEST_MAIN(TestLevels)
#include "tst_levels.moc"
