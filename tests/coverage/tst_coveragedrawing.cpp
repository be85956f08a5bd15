// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "coverage/coveragedrawing.h"
#include "coverage/coveragefields.h"
#include "coverage/coveragewindow.h"
#include "platform/settingspath.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStandardPaths>
#include <QTest>

using namespace vistaro;

namespace {

// The band colours from detection to identification, as a reader of the drawing tells them.
const QList<QRgb> Bands{0xff56b4e9, 0xff009e73, 0xffe69f00, 0xffd55e00};

// One lens setting on a 1/3" full HD camera, from the texts of the calculator.
ViewEnd end(const QString& focal, const QString& distance, double mount = 3, double target = 1.7) {
    CoverageInputs inputs;
    inputs.mountHeightM = mount;
    inputs.targetHeightM = target;
    const FieldsRead read =
        readFields(inputs, {"", "", "", "", "", QString::number(mount), QString::number(target)},
                   false, SensorFormat::Third);
    return {QString(), computeCoverage(queryOf(read, Level::Identification, focal, distance)),
            distance.toDouble()};
}

QImage paint(void (*painter)(QPainter&, const QRectF&, const ViewModel&), const ViewModel& model) {
    QImage image(800, 400, QImage::Format_ARGB32);
    QPainter on(&image);
    painter(on, image.rect(), model);
    return image;
}

// The band colours met along the cone's axis between rows `top` and `bottom`, each once, in the
// order met. The axis is the row with the most band pixels.
QList<QRgb> bandsAlong(const QImage& image, int top, int bottom) {
    int y = top;
    qsizetype most = 0;
    for (int row = top; row < bottom; ++row) {
        qsizetype count = 0;
        for (int x = 0; x < image.width(); ++x)
            count += Bands.contains(image.pixel(x, row));
        if (count > most) {
            most = count;
            y = row;
        }
    }
    QList<QRgb> met;
    for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = image.pixel(x, y);
        if (Bands.contains(pixel) && (met.isEmpty() || met.constLast() != pixel))
            met << pixel;
    }
    return met;
}

// Rows of the side view's ground band that show the dead zone's colour.
int deadZonePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == Bands[3];
    return count;
}

// Stands in for the main window.
class Calculator : public CoverageHost {
public:
    CalculatorReading reading{"6", "10", "6", "5", false, SensorFormat::Third};
    CalculatorReading calculatorReading() const override { return reading; }
    void typeFocalLength(int, const QString&) override {}
    std::optional<LensOnShow> lensOnShow() const override { return std::nullopt; }
};

} // namespace

class TestCoverageDrawing : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    // From the camera out: identification, recognition, observation, detection, for each end
    // of a zoom in a panel of its own.
    void topViewBandsInOrder() {
        const QList<QRgb> outwards{Bands[3], Bands[2], Bands[1], Bands[0]};
        ViewModel model{{end("6", "10")}, 3, 1.7, Units::Metric};
        QCOMPARE(bandsAlong(paint(&CoverageDrawing::paintTopView, model), 0, 400), outwards);
        model.ends.push_back(end("24", "20"));
        const QImage zoom = paint(&CoverageDrawing::paintTopView, model);
        QCOMPARE(bandsAlong(zoom, 0, 185), outwards);
        QCOMPARE(bandsAlong(zoom, 190, 375), outwards);
    }

    // Bad inputs draw a dash, never garbage; a camera that sees no ground has no dead zone.
    void sideViewDeadZone_data() {
        QTest::addColumn<ViewEnd>("shown");
        QTest::addColumn<bool>("deadZone");
        QTest::newRow("axis below the horizon") << end("6", "10") << true;
        QTest::newRow("sees no ground") << end("50", "2", 1) << false;
        QTest::newRow("focal 0") << end("0", "10") << false;
        QTest::newRow("1E-300 m away: looking straight down") << end("6", "1E-300") << false;
    }

    void sideViewDeadZone() {
        QFETCH(ViewEnd, shown);
        QFETCH(bool, deadZone);
        const ViewModel model{{shown}, 3, 1.7, Units::Metric};
        QCOMPARE(deadZonePixels(paint(&CoverageDrawing::paintSideView, model)) > 20, deadZone);
        paint(&CoverageDrawing::paintTopView, model);
    }

    // The window on a stand-in calculator: its own sensor is flagged, a unit switch rewrites the
    // heights, and only the fields of the chosen source take typing. Following the calculator
    // is proven by the report and end-to-end tests.
    void ownInputs() {
        QFile::remove(windowSettingsFilePath());
        Calculator calculator;
        CoverageWindow window(calculator);
        const auto text = [&](const char* name) { return window.findChild<QLabel*>(name)->text(); };
        const auto edit = [&](const char* name) { return window.findChild<QLineEdit*>(name); };
        QCOMPARE(text("PixelDensity"), "240 px/m");
        QCOMPARE(text("SensorNote"), "");
        QVERIFY(edit("SensorWidthMm")->isReadOnly());

        auto* sensor = window.findChild<QComboBox*>("SensorFormat");
        sensor->setCurrentIndex(sensor->findText("1/2.8\""));
        QCOMPARE(edit("SensorWidthMm")->text(), "5.57");
        // 16:9 picture 3.13 mm high, so 5.564 mm wide: 1920 / (10 x 5.564 / 6)
        QCOMPARE(text("PixelDensity"), "207 px/m");
        QVERIFY(!text("SensorNote").isEmpty());

        sensor->setCurrentIndex(sensor->findText("Custom size"));
        QVERIFY(!edit("SensorWidthMm")->isReadOnly());
        for (const auto& [name, typed] :
             {std::pair{"SensorWidthMm", "9.6"}, {"SensorHeightMm", "7.2"}}) {
            edit(name)->selectAll();
            QTest::keyClicks(edit(name), typed);
        }
        QCOMPARE(text("PixelDensity"), "120 px/m");
        QCOMPARE(text("LevelReached"), "Observation");

        window.findChild<QComboBox*>("Units")->setCurrentIndex(1);
        QCOMPARE(edit("MountHeight")->text(), "9.8425");
        QCOMPARE(text("PixelDensity"), "36.6 px/ft");
        QCOMPARE(window.inputs().mountHeightM, 3.0);
    }
};

QTEST_MAIN(TestCoverageDrawing)
#include "tst_coveragedrawing.moc"
