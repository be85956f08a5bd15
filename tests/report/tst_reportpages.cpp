// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/reportfiles.h"
#include "report/reportpage.h"

#include <QFontMetricsF>
#include <QPdfDocument>
#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

// The page's text without what PDF text extraction puts between characters: its letters, digits
// and brackets only.
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

class TestReportPages : public QObject {
    Q_OBJECT

private slots:
    // Documents follow each other from a new page; a long table goes on over as many pages as it
    // needs, each under the document's title, its heading and its header again, every row once.
    void pages_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("tablePages");
        QTest::newRow("short table") << 3 << 1;
        QTest::newRow("several pages") << 300 << 5;
    }

    void pages() {
        QFETCH(int, rows);
        QFETCH(int, tablePages);
        const QTemporaryDir folder;
        const QString path = folder.filePath(u"report.pdf"_s);
        const QList<ReportDocument> documents{{u"First"_s, {}, {}, {}, u"footer"_s, {}},
                                              withTable(u"Schedule"_s, rows)};
        QCOMPARE(saveReportPdf(path, documents, QPageSize(QPageSize::A4)), std::nullopt);
        QPdfDocument pdf;
        QCOMPARE(pdf.load(path), QPdfDocument::Error::None);
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

    // A text wraps between words only, a number with its unit: where the line would hold up to
    // `fits` (a cut a plain word wrap could make, after a slash or before a unit), it breaks
    // earlier. A word wider than the line keeps a line of its own.
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

QTEST_MAIN(TestReportPages)
#include "tst_reportpages.moc"
