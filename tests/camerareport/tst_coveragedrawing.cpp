// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "camerareport/coveragedrawing.h"
#include "optics/coveragefields.h"
#include "support/fisheyeexample.h"

#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <functional>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

// The EN 62676-4 band colours, monitor to inspection, as read off the drawing.
const QList<QRgb> Bands{0xfff0e442, 0xff56b4e9, 0xff009e73, 0xff0072b2, 0xff7a2c00, 0xff4b0055};

using Paint = void (*)(QPainter&, const QRectF&, const ViewModel&);

// One lens setting of a 1/3" full HD camera, as typed; aimed at the target height unless tilted.
ViewEnd end(const QString& focal, const QString& distance, const QString& mount = u"3"_s,
            const QString& tilt = QString()) {
    CoverageInputs inputs{.aim = tilt.isEmpty() ? Aim::Target : Aim::Tilt};
    const FieldsRead read =
        readFields(inputs, {u""_s, u""_s, u""_s, u""_s, u""_s, mount, u"1.7"_s, tilt}, false,
                   SensorFormat::Third);
    return {QString(),
            computeCoverage(queryOf(read, enLevels(), EnIdentification, focal, distance)),
            distance.toDouble()};
}

ViewModel modelOf(const ViewEnd& shown) {
    return {{shown}, 3, 1.7, Units::Metric};
}

const QRectF Area(0, 0, 800, 400);

QImage paint(Paint painter, const ViewModel& model) {
    QImage image(Area.size().toSize(), QImage::Format_ARGB32);
    QPainter on(&image);
    painter(on, Area, model);
    return image;
}

QString drawnText(Paint painter, const ViewModel& model) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("drawing.pdf"));
    {
        QPdfWriter writer(path);
        writer.setResolution(96);
        QPainter on(&writer);
        painter(on, Area, model);
    }
    QPdfDocument pdf;
    pdf.load(path);
    return pdf.getAllText(0).text().simplified();
}

int rightmost(const QImage& image, QRgb colour, int top = 0, int bottom = -1) {
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = top; y < (bottom < 0 ? image.height() : bottom); ++y)
            if (image.pixel(x, y) == colour)
                return x;
    return -1;
}

// The band colours met, each once in order, along the cone's axis: the row with most band pixels.
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

qsizetype pixelsOf(const QImage& image, QRgb colour = DeadZoneColour) {
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    return std::count(pixels, pixels + image.sizeInBytes() / sizeof(QRgb), colour);
}

} // namespace

class TestCoverageDrawing : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Per zoom end, outwards: inspection, identification, recognition (the view ends past the aim).
    void topViewBandsInOrder() {
        const QList<QRgb> outwards{Bands[5], Bands[4], Bands[3]};
        const ViewModel model{{end(u"6"_s, u"10"_s), end(u"24"_s, u"20"_s)}, 3, 1.7, Units::Metric};
        const QImage zoom = paint(&CoverageDrawing::paintTopView, model);
        QCOMPARE(bandsAlong(zoom, 0, 185), outwards);
        QCOMPARE(bandsAlong(zoom, 190, 375), outwards);
    }

    // A 1.4 mm equidistant fisheye on 1/2.8" sees 227.7°; the view moves right for bands behind it.
    void fisheyeTopView() {
        const ViewModel model =
            modelOf({QString(), computeCoverage(test::fisheyeQuery(Projection::Equidistant)), 5.0});
        const QImage top = paint(&CoverageDrawing::paintTopView, model);
        const std::optional<QTransform> scale =
            CoverageDrawing::topViewScale(Area, QFont(), model, 0);
        QVERIFY(scale);
        QVERIFY(scale->map(QPointF(0, 0)).x() > 50);
        // Identified to 1.4 x 1920 / (250 x 5.5644) = 1.93 m, 113.9° off axis: 1 m at 100° is too.
        const QPointF behind = scale->map(QPointF(std::cos(1.745), std::sin(1.745)));
        QVERIFY(behind.x() < scale->map(QPointF(0, 0)).x());
        // The band's colour shows between the lines of its hatching.
        const QImage around = top.copy(QRect(behind.toPoint() - QPoint(3, 3), QSize(7, 7)));
        QVERIFY(pixelsOf(around, Bands[4]) > 0);
        paint(&CoverageDrawing::paintSideView, model);
    }

    // One scale both ways, sized to the band wanted (camera at target height): identification from
    // 9.6 / 4 = 2.4 m to 9.6 m, aim 10 m, view to 1.15 x 10 = 11.5 m, 11.5 x tan(43.6° / 2) = 4.6 m
    // off axis, where recognition (to 19.2 m) runs off; monitor (192 m) unseen. The band is over a
    // quarter of the length; the scale bar below all is a round length near a fifth of the width.
    void topViewToScale() {
        const ViewModel model = modelOf(end(u"6"_s, u"10"_s, u"1.7"_s));
        const std::optional<QTransform> scale =
            CoverageDrawing::topViewScale(Area, QFont(), model, 0);
        QVERIFY(scale);
        QCOMPARE(scale->m22(), scale->m11());
        const QImage image = paint(&CoverageDrawing::paintTopView, model);
        const auto x = [&scale](double metres) { return scale->map(QPointF(metres, 0)).x(); };
        QVERIFY(std::abs(rightmost(image, Bands[4], 0, 300) - x(9.6)) <= 2);
        QVERIFY(std::abs(rightmost(image, Bands[3], 0, 300) - x(11.5)) <= 2);
        QCOMPARE(rightmost(image, Bands[0], 0, 300), -1);
        QVERIFY(x(9.6) - x(2.4) >= Area.width() / 4);
        double marksEnd = scale->map(QPointF(11.5, 4.6)).y();
        for (const CoverageDrawing::Mark& mark :
             CoverageDrawing::topViewMarks(Area, QFont(), model, 0))
            marksEnd = std::max(marksEnd, mark.box.bottom());

        // The longest first run of ink in a row: grey, darker than white.
        const auto ink = [&image](int x, int y) {
            const QColor pixel = image.pixelColor(x, y);
            return pixel.value() < 200 && pixel.saturation() < 10;
        };
        int bar = 0;
        for (int y = int(marksEnd) + 1; y < image.height(); ++y) {
            int run = 0;
            for (int x = 0; x < image.width() && run >= 0; ++x)
                run = ink(x, y) ? run + 1 : run > 0 ? -run : 0;
            bar = std::max(bar, std::abs(run));
        }
        const double metres = bar / scale->m11();
        const double power = std::pow(10, std::floor(std::log10(metres)));
        const double digit = std::round(metres / power);
        QVERIFY(digit == 1 || digit == 2 || digit == 5);
        QVERIFY(std::abs(bar - digit * power * scale->m11()) <= 3);
        QVERIFY(bar > Area.width() / 12.5 && bar <= Area.width() / 5 + 2);
    }

    // Band ends under the cone, the one wanted first, texts apart and inside; at 6 mm, 10 m, target
    // height levels end at 2.4, 9.6, 19.2, 38.4, 96, 192 m. For monitor the view runs to 1.15 x 192
    // = 220.8 m, nothing goes on; for identification to 11.5 m, lower bands go on.
    void topViewMarks_data() {
        QTest::addColumn<ViewEnd>("shown");
        QTest::addColumn<int>("level");
        QTest::addColumn<QStringList>("texts"); // among the texts shown
        QTest::addColumn<QList<double>>("ticks");
        const QString on = u"continues \u2192"_s;
        QTest::newRow("identification")
            << end(u"6"_s, u"10"_s, u"1.7"_s) << int(EnIdentification)
            << QStringList{u"2.4 m"_s, u"9.6 m"_s, on} << QList<double>{11.5, 9.6, 2.4};
        QTest::newRow("monitor") << end(u"6"_s, u"10"_s, u"1.7"_s) << 0
                                 << QStringList{u"192 m"_s, u"96 m"_s}
                                 << QList<double>{192, 96, 38.4, 19.2, 9.6, 2.4};
        QTest::newRow("recognition at 24 mm")
            << end(u"24"_s, u"20"_s, u"1.7"_s) << 3 << QStringList{u"38.4 m"_s, u"76.8 m"_s, on}
            << QList<double>{88.32, 76.8, 38.4, 9.6};
    }

    void topViewMarks() {
        QFETCH(ViewEnd, shown);
        QFETCH(int, level);
        QFETCH(QStringList, texts);
        QFETCH(QList<double>, ticks);
        ViewModel model = modelOf(shown);
        model.level = Level(level);
        const std::vector<CoverageDrawing::Mark> marks =
            CoverageDrawing::topViewMarks(Area, QFont(), model, 0);
        QList<double> metres;
        QStringList shownTexts;
        std::vector<QRectF> boxes;
        for (const CoverageDrawing::Mark& mark : marks) {
            metres << mark.metres;
            if (mark.text.isEmpty())
                continue;
            shownTexts << mark.text;
            QVERIFY2(Area.contains(mark.box), qPrintable(mark.text));
            for (const QRectF& other : boxes)
                QVERIFY2(!other.intersects(mark.box), qPrintable(mark.text));
            boxes.push_back(mark.box);
        }
        for (double& tick : metres)
            tick = std::round(tick * 100) / 100;
        std::sort(metres.begin(), metres.end(), std::greater<>());
        QCOMPARE(metres, ticks);
        for (const QString& text : texts)
            QVERIFY2(shownTexts.contains(text), qPrintable(shownTexts.join(u" | "_s)));
    }

    // Side view axes at one scale, the dead zone full length; at 10 m the axis slopes 1.3 / 10
    // (7.4°) in pixels too. The ≈740 x 340 px plot spans 1.25 x the distance, 1.3 x the 3 m pole:
    // at 50 m (62.5 m wide) 3.9 m of heights take 3.9 / 62.5 x 740 = 46 px, under a third of the
    // height even doubled: x 5; at 500 m 4.6 px: x 50. Bad inputs: a dash (factor 0); no ground: no
    // dead zone. Sentences keep lower case, the scene line places the person, no "inf" or "nan".
    void sideView_data() {
        QTest::addColumn<ViewEnd>("shown");
        QTest::addColumn<int>("heightFactor");
        QTest::addColumn<QStringList>("texts"); // "top: ..." or "side: ..."
        QTest::newRow("6 mm at 10 m")
            << end(u"6"_s, u"10"_s) << 1
            << QStringList({u"top: 8.07 m"_s, u"top: at 10 m"_s,
                            u"side: far edge unbounded (horizon)"_s, u"side: dead zone 8.2 m"_s,
                            u"side: 10 m / 1.7 m"_s});
        QTest::newRow("500 m") << end(u"6"_s, u"500"_s) << 50 << QStringList();
        QTest::newRow("tilted 45°") << end(u"6"_s, u"10"_s, u"3"_s, u"45"_s) << 1 << QStringList();
        QTest::newRow("sees no ground") << end(u"50"_s, u"2"_s, u"1"_s) << 0 << QStringList();
        QTest::newRow("focal 0") << end(u"0"_s, u"10"_s) << 0 << QStringList();
        QTest::newRow("1E-300 m away: looking straight down")
            << end(u"6"_s, u"1E-300"_s) << 0 << QStringList();
        QTest::newRow("0.001 mm at 100 km")
            << end(u"0.001"_s, u"100000"_s) << 0 << QStringList({u"side: dead zone 0 m"_s});
        QTest::newRow("10000 mm at 1 mm") << end(u"10000"_s, u"0.001"_s) << 0 << QStringList();
    }

    void sideView() {
        QFETCH(ViewEnd, shown);
        QFETCH(int, heightFactor);
        QFETCH(QStringList, texts);
        const ViewModel model = modelOf(shown);
        const QImage image = paint(&CoverageDrawing::paintSideView, model);
        QCOMPARE(pixelsOf(image) > 20, heightFactor > 0);
        const QString top = drawnText(&CoverageDrawing::paintTopView, model);
        const QString side = drawnText(&CoverageDrawing::paintSideView, model);
        for (const QString& text : texts)
            QVERIFY2((text.startsWith(u"top"_s) ? top : side).contains(text.section(u": "_s, 1)),
                     qPrintable(text));
        for (const QString& drawn : {top, side})
            QVERIFY2(!drawn.contains(u"inf"_s, Qt::CaseInsensitive) && !drawn.contains(u"nan"_s),
                     qPrintable(drawn));
        if (heightFactor == 0)
            return;
        const std::optional<QTransform> scale =
            CoverageDrawing::sideViewScale(Area, QFont(), model, 0);
        QVERIFY(scale);
        QCOMPARE(-scale->m22() / scale->m11(), double(heightFactor));
        const QPointF camera = scale->map(QPointF(0, 3));
        const QPointF along =
            scale->map(QPointF(10, 3 - 10 * std::tan(*shown.result.tiltDeg * M_PI / 180)));
        const double slope = std::tan(*shown.result.tiltDeg * M_PI / 180) * heightFactor;
        QVERIFY(std::abs((along.y() - camera.y()) - (along.x() - camera.x()) * slope) < 1);
        // Ground line's end: a column it crosses has its grey in 3+ rows, text and line edges in 1.
        const QPointF near = scale->map(QPointF(*shown.result.ground.nearM, 0));
        int end = image.width() - 1;
        const auto crossed = [&](int x) {
            int rows = 0;
            for (int y = int(near.y()) - 3; y <= int(near.y()) + 3; ++y)
                rows += image.pixel(x, y) == DeadZoneColour;
            return rows >= 3;
        };
        while (end >= 0 && !crossed(end))
            --end;
        QVERIFY(std::abs(end - near.x()) <= 2);
        QCOMPARE(side.contains(QStringLiteral("heights x %1").arg(heightFactor)), heightFactor > 1);
    }
};

QTEST_MAIN(TestCoverageDrawing)
#include "tst_coveragedrawing.moc"
