// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/reportfiles.h"
#include "report/reportpage.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfDocument>
#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

// A coverage-like page: a zoom's two value columns, an unwrappable value, 2 drawings, `rows` more.
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

// The page's text without what PDF extraction puts between characters: letters, digits, brackets.
QString pageText(QPdfDocument& pdf, int page) {
    QString text;
    for (const QChar c : pdf.getAllText(page).text())
        if (c.isLetterOrNumber() || c == u'(' || c == u')')
            text += c;
    return text;
}

ReportDocument withTable(const QString& title, int rows) {
    ReportDocument document;
    document.title = title;
    document.footer = u"footer"_s;
    ReportTable table{u"Cameras"_s, {u"Name"_s, u"Lens"_s, u"Focal (mm)"_s}, {}};
    for (int i = 0; i < rows; ++i)
        table.rows.append({u"Row %1"_s.arg(i + 1), u"T6000"_s, u"6.0"_s});
    document.tables = {table};
    return document;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    bool savedAndLoaded(const QList<ReportDocument>& documents, QPageSize::PageSizeId paper,
                        QPdfDocument& pdf) const {
        const QString path = m_dir.filePath(u"report.pdf"_s);
        return !saveReportPdf(path, documents, QPageSize(paper)) &&
               pdf.load(path) == QPdfDocument::Error::None;
    }

private slots:
    // Tables that would crowd out the drawings shrink; too long for the page even small, they go
    // on over more pages, under the title again, down to the last row.
    void crowdedAndEmptyPages_data() {
        QTest::addColumn<int>("rows"); // 0: an empty document
        QTest::addColumn<int>("pages");
        QTest::newRow("nothing at all") << 0 << 1;
        QTest::newRow("shrunk to fit") << 40 << 1;
        QTest::newRow("400 rows") << 400 << 8;
    }

    void crowdedAndEmptyPages() {
        QFETCH(int, rows);
        QFETCH(int, pages);
        QPdfDocument pdf;
        QVERIFY(savedAndLoaded({rows > 0 ? coverageLike(rows) : ReportDocument()},
                               QPageSize::Letter, pdf));
        QCOMPARE(pdf.pageCount(), pages);
        QCOMPARE(pdf.pagePointSize(0).toSize(), QSize(612, 792));
        if (rows > 0) {
            const QString last = pageText(pdf, pages - 1);
            QVERIFY(last.startsWith(u"Cameracoverage"_s));
            QVERIFY2(last.contains(u"row"_s + QString::number(rows - 1) + u"240"_s),
                     qPrintable(last));
        }
    }

    // On its pixels, one a point (paper transparent): all ink within the 15 mm (42.5 pt) margins,
    // footer on the lower one, drawings' lines right of the table spanning > 2/5 of the height.
    void pageOnItsPixels() {
        QPdfDocument pdf;
        QVERIFY(savedAndLoaded({coverageLike(3)}, QPageSize::Letter, pdf));
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

    // Documents start on new pages; long tables run on under title, heading and header, rows once.
    void pages_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("tablePages");
        QTest::newRow("short table") << 3 << 1;
        QTest::newRow("several pages") << 300 << 5;
    }

    void pages() {
        QFETCH(int, rows);
        QFETCH(int, tablePages);
        QPdfDocument pdf;
        QVERIFY(savedAndLoaded(
            {{u"First"_s, {}, {}, {}, u"footer"_s, {}}, withTable(u"Schedule"_s, rows)},
            QPageSize::A4, pdf));
        QCOMPARE(pdf.pageCount(), 1 + tablePages);
        QVERIFY(pageText(pdf, 0).startsWith(u"First"_s));
        QString all;
        for (int page = 1; page < pdf.pageCount(); ++page) {
            const QString text = pageText(pdf, page);
            QVERIFY(text.startsWith(u"Schedule"_s));
            QVERIFY(text.contains(u"Focal(mm)"_s));
            QVERIFY(text.contains(u"footer"_s));
            all += text;
        }
        for (int i = 1; i <= rows; ++i)
            QCOMPARE(all.count(u"Row%1T6000"_s.arg(i)), 1);
    }

    // Text wraps only between words, a number kept with its unit: it breaks before `fits` (where a
    // plain wrap could cut, after a slash or before a unit); a word wider than the line is alone.
    void wrapsBetweenWords_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fits");
        QTest::addColumn<QString>("wrapped");
        QTest::newRow("unit at its slash") << u"Density at aim (px/m)"_s << u"Density at aim (px/"_s
                                           << u"Density at aim\n(px/m)"_s;
        QTest::newRow("number and unit")
            << u"10 m, 12.5 px/m"_s << u"10 m, 12.5"_s << u"10 m,\n12.5 px/m"_s;
        QTest::newRow("heading") << u"At the aim distance"_s << u"At the aim distanc"_s
                                 << u"At the aim\ndistance"_s;
        QTest::newRow("wide enough")
            << u"10 m, 240 px/m"_s << u"10 m, 240 px/m"_s << u"10 m, 240 px/m"_s;
        QTest::newRow("lines kept")
            << u"10 m\nblur 2 px"_s << u"blur 2 px"_s << u"10 m\nblur 2 px"_s;
        QTest::newRow("word wider than the line")
            << u"Überwachungsbereich x"_s << u"Überwachung"_s << u"Überwachungsbereich\nx"_s;
    }

    void wrapsBetweenWords() {
        QFETCH(QString, text);
        QFETCH(QString, fits);
        QFETCH(QString, wrapped);
        const QFontMetricsF metrics(QFont(u"Arial"_s, 10));
        QCOMPARE(wrappedBetweenWords(text, metrics, metrics.horizontalAdvance(fits) + 0.5),
                 wrapped);
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
