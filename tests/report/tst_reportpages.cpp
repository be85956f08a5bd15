// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/reportfiles.h"

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
};

QTEST_MAIN(TestReportPages)
#include "tst_reportpages.moc"
