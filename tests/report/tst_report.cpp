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

// A drawing of lines, a band and a label, as the coverage views draw.
ReportDrawing drawing(const QString& caption, QSizeF size, const QString& label) {
    return {caption, size, [label](QPainter& painter, const QRectF& box) {
                painter.setPen(QPen(Qt::darkBlue, 1.5));
                painter.drawLine(box.topLeft(), box.bottomRight());
                painter.fillRect(box.adjusted(10, 10, -box.width() / 2, -10),
                                 QColor(0, 114, 178, 80));
                painter.drawText(box.adjusted(12, 12, 0, 0), label);
            }};
}

ReportDocument coverageLike() {
    ReportDocument document;
    document.title = QStringLiteral("Camera coverage");
    document.subtitle = QStringLiteral("6 December 2026");
    document.sections = {
        {QStringLiteral("Camera"),
         {},
         {{QStringLiteral("Sensor"), {QStringLiteral("1/3\" 4.8 x 3.6 mm")}},
          {QStringLiteral("Resolution"), {QStringLiteral("1920 x 1080")}}}},
        {QStringLiteral("Lens"),
         {},
         {{QStringLiteral("Name"), {QStringLiteral("H5050VDD")}},
          {QStringLiteral("Datasheet"),
           {QStringLiteral("/media/cdrom/Pdf/Obiettivi/VAR/a/very/long/folder/name/that/must/wrap/"
                           "H5050VDD.pdf")}}}},
        {QStringLiteral("Results"),
         {QStringLiteral("Wide"), QStringLiteral("Tele")},
         {{QStringLiteral("Pixel density"),
           {QStringLiteral("240 px/m"), QStringLiteral("480 px/m")}},
          {QStringLiteral("Level reached"),
           {QStringLiteral("recognition"), QStringLiteral("identification")}},
          {QStringLiteral("Far ground edge"),
           {QStringLiteral("Unbounded (horizon)"), QStringLiteral("Unbounded (horizon)")}}}},
    };
    document.drawings = {
        drawing(QStringLiteral("Top view"), {420, 300}, QStringLiteral("detection band")),
        drawing(QStringLiteral("Side view"), {380, 300}, QStringLiteral("dead zone"))};
    document.footer = QStringLiteral("Vistaro 1.2.3");
    return document;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    // Tables that would crowd out the drawings shrink; the page stays one page whatever comes.
    void crowdedAndEmptyPages_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("drawings");
        QTest::newRow("nothing at all") << 0 << false;
        QTest::newRow("400 rows") << 400 << true;
    }

    void crowdedAndEmptyPages() {
        QFETCH(int, rows);
        QFETCH(bool, drawings);
        ReportDocument document;
        if (drawings)
            document = coverageLike();
        for (int i = 0; i < rows; ++i)
            document.sections[i % 3].rows.append(
                {QStringLiteral("row %1").arg(i), {QStringLiteral("value")}});
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
