// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/reportfiles.h"
#include "report/reportpage.h"

#include <QPainter>
#include <QPdfDocument>
#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

// A page as the coverage window makes it: a zoom's two value columns, a value with no place to
// wrap, and two drawings, with `rows` more rows.
ReportDocument coverageLike(int rows) {
    const auto lines = [](QPainter& painter, const QRectF& box) {
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawText(box, QStringLiteral("dead zone"));
    };
    ReportSection results{
        u"Results"_s, {u"Wide"_s, u"Tele"_s}, {{u"Datasheet"_s, {QString(150, u'x')}}}};
    for (int i = 0; i < rows; ++i)
        results.rows.append({QStringLiteral("row %1").arg(i), {u"240 px/m"_s}});
    return {u"Camera coverage"_s,
            u"6 December 2026"_s,
            {results},
            {{u"Top view"_s, {420, 300}, lines}, {u"Side view"_s, {380, 300}, lines}},
            u"Vistaro 1.2.3"_s};
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    // Tables that would crowd out the drawings shrink; the page stays one page whatever comes.
    void crowdedAndEmptyPages_data() {
        QTest::addColumn<int>("rows"); // 0: an empty document
        QTest::newRow("nothing at all") << 0;
        QTest::newRow("400 rows") << 400;
    }

    void crowdedAndEmptyPages() {
        QFETCH(int, rows);
        const ReportDocument document = rows > 0 ? coverageLike(rows) : ReportDocument();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        QCOMPARE(saveReportPdf(path, document, QPageSize(QPageSize::Letter)), std::nullopt);
        QPdfDocument pdf;
        QCOMPARE(pdf.load(path), QPdfDocument::Error::None);
        QCOMPARE(pdf.pageCount(), 1);
        QCOMPARE(pdf.pagePointSize(0).toSize(), QSize(612, 792));
    }

    // The page judged on its pixels, one a point (the paper is left transparent): all ink inside
    // the 15 mm (42.5 pt) margins, the footer on the lower one, and the drawings' lines, right of
    // the table's columns, spanning more than two fifths of the page's height.
    void pageOnItsPixels() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        QCOMPARE(saveReportPdf(path, coverageLike(3), QPageSize(QPageSize::Letter)), std::nullopt);
        QPdfDocument pdf;
        QCOMPARE(pdf.load(path), QPdfDocument::Error::None);
        const QImage page = pdf.render(0, QSize(612, 792));
        QRect inked, drawn; // drawn: right of the table's columns
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (const QRgb pixel = page.pixel(x, y);
                    qAlpha(pixel) > 127 && qGray(pixel) < 128) {
                    inked |= QRect(x, y, 1, 1);
                    if (x > 250)
                        drawn |= QRect(x, y, 1, 1);
                }
        QVERIFY2(QRect(42, 42, 528, 708).contains(inked), qPrintable(QDebug::toString(inked)));
        QVERIFY2(inked.bottom() > 742, qPrintable(QDebug::toString(inked)));
        QVERIFY2(drawn.height() > 792 * 2 / 5, qPrintable(QDebug::toString(drawn)));
    }

    // "locale paper": letter in the United States and Canada, A4 elsewhere.
    void paperOfTheLocale_data() {
        QTest::addColumn<QString>("row");
        for (const char* row : {"en_US Letter", "fr_CA Letter", "en_GB A4", "C A4"})
            QTest::newRow(row) << QString::fromLatin1(row);
    }

    void paperOfTheLocale() {
        QFETCH(QString, row);
        QCOMPARE(preferredPageSize(QLocale(row.section(u' ', 0, 0))).key(), row.section(u' ', 1));
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
