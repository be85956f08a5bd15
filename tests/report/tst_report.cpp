// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/reportfiles.h"
#include "report/reportpage.h"

#include <QPainter>
#include <QPdfDocument>
#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;

namespace {

// A page as the coverage window makes it: a zoom's two value columns, a path that must wrap
// inside a word, and two drawings, with `rows` more rows.
ReportDocument coverageLike(int rows) {
    const auto lines = [](QPainter& painter, const QRectF& box) {
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawText(box, QStringLiteral("dead zone"));
    };
    ReportSection results{QStringLiteral("Results"),
                          {QStringLiteral("Wide"), QStringLiteral("Tele")},
                          {{QStringLiteral("Datasheet"),
                            {QStringLiteral("/media/cdrom/Pdf/Obiettivi/VAR/a/very/long/folder/"
                                            "name/that/must/wrap/H5050VDD.pdf")}}}};
    for (int i = 0; i < rows; ++i)
        results.rows.append({QStringLiteral("row %1").arg(i), {QStringLiteral("240 px/m")}});
    return {QStringLiteral("Camera coverage"),
            QStringLiteral("6 December 2026"),
            {results},
            {{QStringLiteral("Top view"), {420, 300}, lines},
             {QStringLiteral("Side view"), {380, 300}, lines}},
            QStringLiteral("Vistaro 1.2.3")};
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

    void paperOfTheLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("paper");
        QTest::newRow("United States") << "en_US" << int(QPageSize::Letter);
        QTest::newRow("Canada, French") << "fr_CA" << int(QPageSize::Letter);
        QTest::newRow("United Kingdom") << "en_GB" << int(QPageSize::A4);
        QTest::newRow("C") << "C" << int(QPageSize::A4);
    }

    void paperOfTheLocale() {
        QFETCH(QString, locale);
        QFETCH(int, paper);
        QCOMPARE(int(preferredPageSize(QLocale(locale)).id()), paper);
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
