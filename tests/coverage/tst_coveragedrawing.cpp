// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "coverage/coveragedrawing.h"
#include "optics/coveragefields.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <algorithm>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

// The band colours from detection to identification, as a reader of the drawing tells them.
const QList<QRgb> Bands{0xff56b4e9, 0xff009e73, 0xffe69f00, 0xffd55e00};

// One lens setting on a 1/3" full HD camera, from the texts of the calculator.
ViewEnd end(const QString& focal, const QString& distance, const QString& mount = u"3"_s) {
    CoverageInputs inputs;
    const FieldsRead read = readFields(inputs, {u""_s, u""_s, u""_s, u""_s, u""_s, mount, u"1.7"_s},
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

// The pixels in the dead zone's colour.
qsizetype deadZonePixels(const QImage& image) {
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    return std::count(pixels, pixels + image.sizeInBytes() / sizeof(QRgb), Bands[3]);
}

} // namespace

class TestCoverageDrawing : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // From the camera out: identification, recognition, observation, detection, for each end
    // of a zoom in a panel of its own.
    void topViewBandsInOrder() {
        const QList<QRgb> outwards{Bands[3], Bands[2], Bands[1], Bands[0]};
        ViewModel model{{end(u"6"_s, u"10"_s)}, 3, 1.7, Units::Metric};
        QCOMPARE(bandsAlong(paint(&CoverageDrawing::paintTopView, model), 0, 400), outwards);
        model.ends.push_back(end(u"24"_s, u"20"_s));
        const QImage zoom = paint(&CoverageDrawing::paintTopView, model);
        QCOMPARE(bandsAlong(zoom, 0, 185), outwards);
        QCOMPARE(bandsAlong(zoom, 190, 375), outwards);
    }

    // Bad inputs draw a dash, never garbage; a camera that sees no ground has no dead zone.
    void sideViewDeadZone_data() {
        QTest::addColumn<ViewEnd>("shown");
        QTest::addColumn<bool>("deadZone");
        QTest::newRow("axis below the horizon") << end(u"6"_s, u"10"_s) << true;
        QTest::newRow("sees no ground") << end(u"50"_s, u"2"_s, u"1"_s) << false;
        QTest::newRow("focal 0") << end(u"0"_s, u"10"_s) << false;
        QTest::newRow("1E-300 m away: looking straight down") << end(u"6"_s, u"1E-300"_s) << false;
    }

    void sideViewDeadZone() {
        QFETCH(ViewEnd, shown);
        QFETCH(bool, deadZone);
        const ViewModel model{{shown}, 3, 1.7, Units::Metric};
        QCOMPARE(deadZonePixels(paint(&CoverageDrawing::paintSideView, model)) > 20, deadZone);
        paint(&CoverageDrawing::paintTopView, model);
    }
};

QTEST_MAIN(TestCoverageDrawing)
#include "tst_coveragedrawing.moc"
