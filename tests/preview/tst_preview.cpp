// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settingspath.h"
#include "preview/areaaverage.h"
#include "preview/camerapixels.h"
#include "preview/lensblur.h"
#include "preview/preview.h"
#include "preview/targets.h"
#include "preview/testchart.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfDocument>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

// How dark a pixel is, 0 for white to 1 for black.
double darkness(QRgb pixel) {
    return (255 - qGray(pixel)) / 255.0;
}

double darknessOfRow(const QImage& image, int row) {
    double sum = 0;
    for (int x = 0; x < image.width(); ++x)
        sum += darkness(image.pixel(x, row));
    return sum;
}

double darknessOf(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        sum += darknessOfRow(image, y);
    return sum;
}

// The stages in turn, as the sheet makes a picture.
QImage cameraPixels(Target target, double density, const PictureOptions& options, double blur = 0) {
    return optionedPixels(blurredPixels(averagedPixels(target, density), target, density, blur),
                          target, density, options);
}

// EN 62676-4's levels from detection to identification reach `reach`, the other two none.
CoverageResult resultAt(double pixelsPerMetre, std::array<std::optional<double>, 4> reach) {
    CoverageResult result;
    result.pixelsPerMetre = pixelsPerMetre;
    result.levelDensities = levelDensities(enLevels(), Camera{});
    result.levelDistanceM = {std::nullopt, reach[0], reach[1], reach[2], reach[3], std::nullopt};
    return result;
}

// How much the darkness varies along a row: the bars' contrast there.
double contrastOfRow(const QImage& image, int row) {
    const double mean = darknessOfRow(image, row) / image.width();
    double squares = 0;
    for (int x = 0; x < image.width(); ++x)
        squares += std::pow(darkness(image.pixel(x, row)) - mean, 2);
    return std::sqrt(squares / image.width());
}

// Rendered at ten pixels a millimetre, a length in pixels reads in tenths of a millimetre.
constexpr double PixelsPerMm = 10;

// A design of 180 px/m at a 12 m aim distance, with what each level of EN 62676-4 needs.
TestChartInputs aimAt12m() {
    return {12.0, 180.0, Units::Metric, enLevels(), levelDensities(enLevels(), Camera{})};
}

// The dark runs of `image` along each row (or column), in pixels, at least `shortest` long.
QList<int> darkRuns(const QImage& image, bool alongRows, int shortest) {
    QList<int> runs;
    const int lines = alongRows ? image.height() : image.width();
    const int length = alongRows ? image.width() : image.height();
    for (int line = 0; line < lines; ++line) {
        int run = 0;
        for (int i = 0; i <= length; ++i) {
            // The page is rendered on no background: what is not drawn is transparent.
            const QRgb pixel =
                i < length ? (alongRows ? image.pixel(i, line) : image.pixel(line, i)) : 0;
            const bool dark = qAlpha(pixel) > 128 && qGray(pixel) < 128;
            if (dark) {
                ++run;
                continue;
            }
            if (run >= shortest)
                runs << run;
            run = 0;
        }
    }
    return runs;
}

// Whether a run is `mm` long, to a third of a millimetre.
bool hasLength(const QList<int>& runs, double mm) {
    return std::any_of(runs.begin(), runs.end(),
                       [&](int run) { return std::abs(run - mm * PixelsPerMm) <= 3; });
}

} // namespace

Q_DECLARE_METATYPE(vistaro::Target)
Q_DECLARE_METATYPE(vistaro::PreviewScene)

class TestPreview : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QFile::remove(windowSettingsFilePath()); // no size remembered from an earlier run
    }

    // Area averaging keeps the coverage-weighted mean: whole or fractional shrinking, enlarging.
    void areaAverageKeepsTheMeanBrightness_data() {
        QTest::addColumn<QSize>("source");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("fractional") << QSize(1000, 600) << 37.3 << 12.7;
        QTest::newRow("one pixel") << QSize(300, 50) << 0.4 << 0.3;
        QTest::newRow("enlarged") << QSize(10, 7) << 33.3 << 25.0;
    }

    void areaAverageKeepsTheMeanBrightness() {
        QFETCH(QSize, source);
        QFETCH(double, width);
        QFETCH(double, height);
        QImage image(source, QImage::Format_RGB32);
        QRandomGenerator random(7);
        double sourceSum = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int grey = int(random.bounded(256));
                image.setPixel(x, y, qRgb(grey, grey, grey));
                sourceSum += grey;
            }
        const QImage averaged = areaAverage(image, width, height);
        QCOMPARE(averaged.size(), QSize(int(std::ceil(width)), int(std::ceil(height))));
        double sum = 0;
        double weights = 0;
        for (int y = 0; y < averaged.height(); ++y)
            for (int x = 0; x < averaged.width(); ++x) {
                // The share of the output pixel that the source covers.
                const double weight = std::min(1.0, width - x) * std::min(1.0, height - y);
                sum += weight * qGray(averaged.pixel(x, y));
                weights += weight;
            }
        QVERIFY(std::abs(sum / weights - sourceSum / (source.width() * source.height())) < 0.5);
    }

    void areaAverageRefusesNoSize() {
        const QImage image(4, 4, QImage::Format_RGB32);
        QVERIFY(areaAverage(image, 0, 3).isNull());
        QVERIFY(areaAverage(image, 3, std::nan("")).isNull());
        QVERIFY(areaAverage(QImage(), 3, 3).isNull());
        QVERIFY(cameraPixels(Target::Face, -1, {}).isNull());
        QVERIFY(cameraPixels(Target::Person, 1e6, {}).isNull());
    }

    // Rows through the widest pair show 2 x 40 mm of black, through the other three 2 x (16 + 8 +
    // 4) mm: pixels as the density says, however the edges cut; the picture holds the bars' area.
    void barsGiveThePixelsTheDensitySays_data() {
        QTest::addColumn<double>("density");
        for (const double density : {62.5, 100.0, 125.0, 250.0, 333.0, 500.0})
            QTest::addRow("%g px/m", density) << density;
    }

    void barsGiveThePixelsTheDensitySays() {
        QFETCH(double, density);
        const QImage bars = cameraPixels(Target::Bars, density, {});
        const std::vector<QRectF> rects = barRects();
        // The first pixel row that lies wholly inside each row of bars.
        const int wide = int(std::ceil(rects.front().top() * density));
        const int narrow = int(std::ceil(rects.back().top() * density));
        QVERIFY((wide + 1) / density <= rects.front().bottom());
        QVERIFY((narrow + 1) / density <= rects.back().bottom());
        QVERIFY(std::abs(darknessOfRow(bars, wide) - 0.08 * density) < 0.05);
        QVERIFY(std::abs(darknessOfRow(bars, narrow) - 0.056 * density) < 0.05);
        double area = 0;
        for (const QRectF& bar : rects)
            area += bar.width() * bar.height();
        QVERIFY(std::abs(darknessOf(bars) / (area * density * density) - 1) < 0.01);
    }

    void halfTheDensityHalfThePixels() {
        for (const Target target : AllTargets) {
            const QSizeF size = targetSize(target);
            for (const double density : {250.0, 125.0, 62.5})
                QCOMPARE(cameraPixels(target, density, {}).size(),
                         QSize(int(std::ceil(size.width() * density)),
                               int(std::ceil(size.height() * density))));
        }
    }

    void plateCharactersAtTheirSize() {
        QCOMPARE(plateCharacters(u"AB 123"_s, 0.075).boundingRect().height(), 0.075);
        QCOMPARE(plateCharacters(u"AB 123"_s, 0.075).boundingRect().topLeft(), QPointF(0, 0));
    }

    // Night grain repeats for like inputs; compression alters pixels, not count; neither: average.
    void optionsChangeThePictureReproducibly() {
        const QImage plain = cameraPixels(Target::Face, 250, {});
        const QSizeF size = targetSize(Target::Face) * 250;
        QCOMPARE(plain, areaAverage(targetOriginal(Target::Face), size.width(), size.height())
                            .convertToFormat(QImage::Format_RGB32));
        const QImage night = cameraPixels(Target::Face, 250, {0, 10});
        QCOMPARE(cameraPixels(Target::Face, 250, {0, 10}), night);
        QVERIFY(night != nightNoise(plain, 10, 1));
        const QImage jpeg = cameraPixels(Target::Face, 250, {10, 0});
        QCOMPARE(jpeg.size(), plain.size());
        QVERIFY(jpeg != plain);
    }

    // At night every pixel is grey: the colour's luma, 0.299 R + 0.587 G + 0.114 B, rounded,
    // and a grain spread 2.55 levels a per cent of noise (mid-grey, so that none is clipped).
    void nightIsGreyGrain_data() {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("percent");
        QTest::addColumn<double>("mean");
        QTest::addColumn<double>("spread");
        QTest::newRow("red") << QColor(255, 0, 0) << 0 << 76.0 << 0.0;
        QTest::newRow("blue") << QColor(0, 0, 255) << 0 << 29.0 << 0.0;
        QTest::newRow("10 %") << QColor(200, 100, 150) << 10 << 135.6 << 25.5;
    }

    void nightIsGreyGrain() {
        QFETCH(QColor, colour);
        QFETCH(int, percent);
        QFETCH(double, mean);
        QFETCH(double, spread);
        QImage image(64, 64, QImage::Format_RGB32);
        image.fill(colour);
        const QImage night = nightNoise(image, percent, 5);
        double sum = 0, squares = 0;
        for (int y = 0; y < night.height(); ++y)
            for (int x = 0; x < night.width(); ++x) {
                const QRgb pixel = night.pixel(x, y);
                QVERIFY(qRed(pixel) == qBlue(pixel) && qGreen(pixel) == qBlue(pixel));
                sum += qBlue(pixel);
                squares += qBlue(pixel) * qBlue(pixel);
            }
        const double count = 64 * 64;
        QVERIFY2(std::abs(sum / count - mean) < 1, qPrintable(QString::number(sum / count)));
        const double deviation = std::sqrt(squares / count - sum * sum / count / count);
        QVERIFY2(std::abs(deviation - spread) < 1, qPrintable(QString::number(deviation)));
    }

    // Out of focus, a black square's darkness spreads unlost within blur radius + 1 px (+ 1/16 of a
    // blur over 16 px); wider than the blur it stays black inside; under 0.5 px nothing changes.
    void discBlurSpreadsWithinItsCircle_data() {
        QTest::addColumn<double>("diameter");
        for (const double diameter : {0.4, 0.6, 1.0, 3.7, 12.0, 30.0})
            QTest::addRow("%g px", diameter) << diameter;
    }

    void discBlurSpreadsWithinItsCircle() {
        QFETCH(double, diameter);
        QImage image(60, 60, QImage::Format_RGBX8888);
        image.fill(Qt::white);
        const QRect square(20, 20, 20, 20);
        QPainter(&image).fillRect(square, Qt::black);
        const QImage blurred = discBlur(image, diameter);
        if (diameter < 0.5) {
            QCOMPARE(blurred, image);
            return;
        }
        // Enlarged again smoothly, a wide blur keeps the darkness within a few per cent.
        const double kept = diameter > 16 ? 0.03 : 0.005;
        QVERIFY(std::abs(darknessOf(blurred) / darknessOf(image) - 1) < kept);
        QCOMPARE(darkness(blurred.pixel(30, 30)) == 1, diameter < square.width());
        const int reach = int(std::ceil(diameter / 2 + diameter / 16)) + 1;
        for (int y = 0; y < blurred.height(); ++y)
            for (int x = 0; x < blurred.width(); ++x)
                if (!square.adjusted(-reach, -reach, reach, reach).contains(x, y))
                    QCOMPARE(blurred.pixel(x, y), qRgb(255, 255, 255));
        // A camera pixel is a mean over its square: a blur under a pixel reaches its neighbours.
        QVERIFY(darkness(blurred.pixel(25, 19)) > 0);
        QVERIFY(darkness(blurred.pixel(25, 20)) < 1);
    }

    // f 8 mm, N 1.4, 2.9 µm pixels focused at 3 m: sharp 2.17-4.84 m, bars as the sensor gives them
    // at the aim. 250 px/m is 8 / 0.0029 / 250 = 11.03 m away, blur 64 / (1.4 x 2992) x 8.03 /
    // 11.03 = 0.01112 mm = 3.84 px: bars lose contrast, the column says why; no option: sharp.
    void lensBlurOutsideTheSharpZone() {
        CoverageQuery query;
        query.camera = Camera{{1920 * 0.0029, 1080 * 0.0029}, {1920, 1080}};
        query.focalMm = {8.0, {}};
        query.distanceM = {3.0, {}};
        query.mountHeightM = {1.7, {}}; // at the target's height: the target on the axis
        query.targetHeightM = {1.7, {}};
        query.fNumber = {1.4, {}};
        const PreviewScene scene{{{QString(), 3.0, computeCoverage(query)}}, Units::Metric};
        PreviewSheet sheet;
        sheet.show(scene, {});
        const std::vector<PreviewColumn>& columns = sheet.columns();
        QCOMPARE(columns.size(), 7u); // the aim, then monitoring to inspection
        QCOMPARE(columns.front().blurPixels, 0.0);
        QVERIFY(columns.front().focus.isEmpty());
        const PictureOptions sharp{0, 0, false};
        QCOMPARE(sheet.picture(Target::Bars, 0),
                 cameraPixels(Target::Bars, columns.front().pixelsPerMetre, sharp));
        const PreviewColumn& identification = columns.at(5);
        QCOMPARE(identification.pixelsPerMetre, 250.0);
        QCOMPARE(qRound(identification.blurPixels * 100), 384);
        QCOMPARE(identification.focus, u"Outside the sharp zone: blur 3.8 px"_s);
        const QImage focused = cameraPixels(Target::Bars, 250, sharp);
        const QImage blurred = sheet.picture(Target::Bars, 5);
        const int narrow = int(std::round(barRects().back().center().y() * 250));
        QVERIFY(contrastOfRow(blurred, narrow) < 0.7 * contrastOfRow(focused, narrow));
        sheet.show(scene, sharp);
        QCOMPARE(sheet.picture(Target::Bars, 5), focused);
    }

    // A camera resolving more than a target's original shows its pixels: a person at 500 px/m is
    // as tall as its 1000 px/m original; 8 camera pixels of blur are 4 of the original's.
    void finerThanTheOriginal() {
        const PictureOptions sharp{0, 0, false};
        const QImage& original = targetOriginal(Target::Person);
        QCOMPARE(cameraPixels(Target::Person, 1000, sharp).size(), original.size());
        QCOMPARE(cameraPixels(Target::Person, 1000, sharp, 8),
                 discBlur(areaAverage(original, original.width(), original.height()), 4)
                     .convertToFormat(QImage::Format_RGB32));
    }

    // Columns: each end's aim distance, then each level reached; distances and density as shown.
    void columnsOfTheScene_data() {
        QTest::addColumn<PreviewScene>("scene");
        QTest::addColumn<QStringList>("columns");
        const PreviewScene fixed{{{QString(), 12.0, resultAt(180, {40.0, 16.0, 8.0, 4.0})}},
                                 Units::Metric};
        QTest::newRow("fixed") << fixed
                               << QStringList{u"At the aim distance: 12 m, 180 px/m"_s,
                                              u"Detection: 40 m, 25 px/m"_s,
                                              u"Observation: 16 m, 62.5 px/m"_s,
                                              u"Recognition: 8 m, 125 px/m"_s,
                                              u"Identification: 4 m, 250 px/m"_s};
        PreviewScene imperial = fixed;
        imperial.units = Units::Imperial;
        imperial.ends[0].result.levelDistanceM = {std::nullopt, 30.48};
        QTest::newRow("imperial") << imperial
                                  << QStringList{u"At the aim distance: 39.37 ft, 54.8 px/ft"_s,
                                                 u"Detection: 100 ft, 7.6 px/ft"_s};
        const PreviewScene zoom{{{u"WIDE"_s, 10.0, resultAt(100, {20.0, 8.0, 4.0, 2.0})},
                                 {u"TELE"_s, 10.0, resultAt(500, {100.0, 40.0, 20.0, 10.0})}},
                                Units::Metric};
        QTest::newRow("zoom") << zoom
                              << QStringList{
                                     u"At the aim distance (WIDE): 10 m, 100 px/m"_s,
                                     u"At the aim distance (TELE): 10 m, 500 px/m"_s,
                                     u"Detection: 20 m (WIDE), 100 m (TELE), 25 px/m"_s,
                                     u"Observation: 8 m (WIDE), 40 m (TELE), 62.5 px/m"_s,
                                     u"Recognition: 4 m (WIDE), 20 m (TELE), 125 px/m"_s,
                                     u"Identification: 2 m (WIDE), 10 m (TELE), 250 px/m"_s};
        QTest::newRow("no density")
            << PreviewScene{{{QString(), 12.0, CoverageResult{}}}} << QStringList{};
    }

    void columnsOfTheScene() {
        QFETCH(PreviewScene, scene);
        QFETCH(QStringList, columns);
        QStringList shown;
        for (const PreviewColumn& column : previewColumns(scene))
            shown << column.heading + u": "_s + column.detail;
        QCOMPARE(shown, columns);
    }

    // The window shows the scene, follows options, copies and saves the sheet, keeps its size.
    void window() {
        Preview preview;
        preview.resize(1000, 700);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        preview.showScene({{{QString(), 12.0, resultAt(180, {40.0, 16.0, 8.0, 4.0})}}});
        // Without an F-number there is no blur to show.
        auto* lensBlur = preview.findChild<QCheckBox*>(u"LensBlur"_s);
        QVERIFY(lensBlur->isChecked());
        QVERIFY(!lensBlur->isEnabled());
        const QImage before = preview.sheet().picture(Target::Plate, 0);
        preview.findChild<QSpinBox*>(u"JpegQuality"_s)->setValue(20);
        QVERIFY(preview.sheet().picture(Target::Plate, 0) != before);
        QCOMPARE(preview.options(), (PictureOptions{20, 0}));

        QWidget* sheet = preview.findChild<QWidget*>(u"PreviewSheet"_s);
        // The headings read on the white sheet under a dark theme's white text too.
        QPalette dark = sheet->palette();
        dark.setColor(QPalette::WindowText, Qt::white);
        sheet->setPalette(dark);
        const QImage heads = sheet->grab(QRect(0, 0, sheet->width(), 40)).toImage();
        qsizetype inked = 0;
        for (int y = 0; y < heads.height(); ++y)
            for (int x = 0; x < heads.width(); ++x)
                inked += QColor(heads.pixel(x, y)).value() < 100;
        QVERIFY(inked > 50);
        QTest::mouseClick(preview.findChild<QPushButton*>(u"CopyPreview"_s), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->image().size(), sheet->size());
        // A save proposes a file named for what it holds and the day, in the folder saved to last.
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        test::ScriptedDialogs dialogs;
        dialogs.answer(dialogs.Save, m_dir.filePath(u"preview"_s))
            .answer(dialogs.Save, m_dir.filePath(u"chart.pdf"_s));
        QTest::mouseClick(preview.findChild<QPushButton*>(u"SavePreview"_s), Qt::LeftButton);
        QTest::mouseClick(preview.findChild<QPushButton*>(u"SaveTestChart"_s), Qt::LeftButton);
        const QStringList proposed = dialogs.texts(dialogs.Save);
        QCOMPARE(QFileInfo(proposed.value(0)).fileName(), u"Preview "_s + today + u".png"_s);
        QCOMPARE(proposed.value(1), m_dir.filePath(u"Test chart "_s + today + u".pdf"_s));
        QCOMPARE(QImage(m_dir.filePath(u"preview.png"_s)).size(), sheet->size());
        QVERIFY(QFile::exists(m_dir.filePath(u"chart.pdf"_s)));
        preview.hide();
        QCOMPARE(Preview().size(), QSize(1000, 700));
    }

    // Read back at 10 px/mm, each paper: page, check line 100 mm, counting bar 150 mm, widest bars
    // 40 mm, "1" 75 mm, head 160 mm; page 1 says where to hold it, pixels across the bar per level.
    void sizesReadBackInMillimetres_data() {
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        QTest::addColumn<QSizeF>("millimetres");
        QTest::newRow("A4") << QPageSize::A4 << QSizeF(210, 297);
        QTest::newRow("Letter") << QPageSize::Letter << QSizeF(215.9, 279.4);
    }

    void sizesReadBackInMillimetres() {
        QFETCH(QPageSize::PageSizeId, paper);
        QFETCH(QSizeF, millimetres);
        const QString path = m_dir.filePath(u"chart.pdf"_s);
        QVERIFY(!TestChart::save(path, aimAt12m(), QPageSize(paper)));
        QPdfDocument pdf;
        QCOMPARE(pdf.load(path), QPdfDocument::Error::None);
        QCOMPARE(pdf.pageCount(), 3);
        const QString text = pdf.getAllText(0).text().simplified();
        for (const QString& expected :
             {u"aim distance (12 m)"_s, u"gives 27 pixels"_s, u"Detection: 3.8 pixels"_s,
              u"Identification: 37.5 pixels"_s, u"Printed at 100 % this line is 100 mm long"_s})
            QVERIFY2(text.contains(expected), qPrintable(text));
        std::array<QImage, 3> pages;
        for (int page = 0; page < pdf.pageCount(); ++page) {
            const QSizeF size = pdf.pagePointSize(page) * 25.4 / 72;
            QVERIFY(std::abs(size.width() - millimetres.width()) < 0.2);
            QVERIFY(std::abs(size.height() - millimetres.height()) < 0.2);
            pages.at(std::size_t(page)) = pdf.render(page, (size * PixelsPerMm).toSize());
            QVERIFY(hasLength(darkRuns(pages.at(std::size_t(page)), true, 500), 100));
        }
        const QList<int> first = darkRuns(pages[0], true, 300);
        QVERIFY(hasLength(first, CountingBarM * 1000));
        QVERIFY(hasLength(first, BarWidthsM[0] * 1000));
        QVERIFY(hasLength(darkRuns(pages[1], false, 500), PlateCharacterM * 1000));
        QVERIFY(hasLength(darkRuns(pages[2], true, 1000), HeadWidthM * 1000));
    }

    // Without a density the sheet still says what each level needs, and nothing else.
    void sheetWithoutADensity() {
        const TestChartInputs inputs = aimAt12m();
        const QString bare = TestChart::instructions(
            {std::nullopt, std::nullopt, Units::Imperial, inputs.levels, inputs.densities});
        QVERIFY(!bare.contains(u"design gives"_s));
        QVERIFY(bare.contains(u"150 mm (5.91 in)"_s));
        QVERIFY(bare.contains(u"Identification: 37.5 pixels"_s));
    }
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
