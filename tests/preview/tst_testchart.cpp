// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/targets.h"
#include "preview/testchart.h"

#include <QGuiApplication>
#include <QImage>
#include <QPdfDocument>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

// Rendered at ten pixels a millimetre, a length in pixels reads in tenths of a millimetre.
constexpr double PixelsPerMm = 10;

// A design of 180 px/m at a 12 m aim distance, with what each level of EN 62676-4 needs.
TestChartInputs aimAt12m() {
    return {12.0, 180.0, Units::Metric, enLevels(), levelDensities(enLevels(), Camera{})};
}

// The lengths of the dark runs along each row (or column) of `image`, in pixels, that are at
// least `shortest` long.
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

class TestTestChart : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Read back from the PDF at ten pixels a millimetre, on each paper: the page its size, the
    // check line 100 mm, the counting bar 150 mm, the widest bars 40 mm wide, the plate's
    // characters 75 mm tall (the stroke of a "1"), the head 160 mm wide.
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

    // The sheet tells the installer where to hold it and how many pixels to count: what the
    // design gives and what each level needs across the 150 mm bar.
    void sheetSaysWhatToCount() {
        const QString path = m_dir.filePath(u"words.pdf"_s);
        const TestChartInputs inputs = aimAt12m();
        QVERIFY(!TestChart::save(path, inputs, QPageSize(QPageSize::A4)));
        QPdfDocument pdf;
        QCOMPARE(pdf.load(path), QPdfDocument::Error::None);
        const QString text = pdf.getAllText(0).text().simplified();
        for (const QString& expected :
             {u"aim distance (12 m)"_s, u"gives 27 pixels"_s, u"Detection: 3.8 pixels"_s,
              u"Identification: 37.5 pixels"_s, u"Printed at 100 % this line is 100 mm long"_s})
            QVERIFY2(text.contains(expected), qPrintable(text));
        // Without a density the sheet still says what each level needs, and nothing else.
        const QString bare = TestChart::instructions(
            {std::nullopt, std::nullopt, Units::Imperial, inputs.levels, inputs.densities});
        QVERIFY(!bare.contains(u"design gives"_s));
        QVERIFY(bare.contains(u"150 mm (5.91 in)"_s));
        QVERIFY(bare.contains(u"Identification: 37.5 pixels"_s));
    }
};

QTEST_MAIN(TestTestChart)
#include "tst_testchart.moc"
