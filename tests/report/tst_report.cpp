// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/reportfiles.h"
#include "report/reportpage.h"
#include "support/folderlisting.h"

#include <QDir>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;
using test::listing;

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
    // One page of real text: every figure and word can be found by a PDF reader, also those
    // inside the drawings and at the end of a wrapped path; words too long for a narrow column
    // wrap whole; vectors keep the file small.
    void pdfReadsBack() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        QCOMPARE(saveReportPdf(path, coverageLike(), QPageSize(QPageSize::A4)), std::nullopt);

        QPdfDocument pdf;
        QCOMPARE(pdf.load(path), QPdfDocument::Error::None);
        QCOMPARE(pdf.pageCount(), 1);
        const QSizeF page = pdf.pagePointSize(0);
        QVERIFY2(qAbs(page.width() - 595) < 2 && qAbs(page.height() - 842) < 2,
                 qPrintable(QStringLiteral("%1 x %2").arg(page.width()).arg(page.height())));
        const QString text = pdf.getAllText(0).text().simplified();
        for (const char* expected :
             {"Camera coverage", "6 December 2026", "1920 x 1080", "240 px/m", "480 px/m",
              "recognition", "identification", "H5050VDD", "Wide", "Tele", "Top view", "Side view",
              "detection band", "dead zone", "Vistaro 1.2.3", "Unbounded (horizon)"})
            QVERIFY2(text.contains(QLatin1String(expected)), expected);
        QVERIFY(QString(text)
                    .remove(QLatin1Char(' '))
                    .contains(QLatin1String("must/wrap/H5050VDD.pdf")));
        QVERIFY2(QFileInfo(path).size() < 120 * 1024,
                 qPrintable(QString::number(QFileInfo(path).size())));
        QCOMPARE(listing(dir.path()),
                 QStringList{QStringLiteral("report.pdf %1").arg(QFileInfo(path).size())});
    }

    // Tables that would crowd out the drawings shrink; the page stays one page whatever comes.
    void crowdedAndEmptyPages_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("drawings");
        QTest::newRow("nothing at all") << 0 << false;
        QTest::newRow("80 rows") << 80 << true;
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
        QTest::newRow("Mexico") << "es_MX" << int(QPageSize::Letter);
        QTest::newRow("United Kingdom") << "en_GB" << int(QPageSize::A4);
        QTest::newRow("Italy") << "it_IT" << int(QPageSize::A4);
        QTest::newRow("Spain") << "es_ES" << int(QPageSize::A4);
        QTest::newRow("C") << "C" << int(QPageSize::A4);
    }

    void paperOfTheLocale() {
        QFETCH(QString, locale);
        QFETCH(int, paper);
        QCOMPARE(int(preferredPageSize(QLocale(locale)).id()), paper);
    }

    // The views side by side at their own sizes, sharper on a high-density screen.
    void image_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("ordinary screen") << 1.0 << QSize(800, 300);
        QTest::newRow("high density") << 2.0 << QSize(1600, 600);
    }

    void image() {
        QFETCH(qreal, ratio);
        QFETCH(QSize, pixels);
        const QImage image = drawingsImage(coverageLike(), ratio);
        QCOMPARE(image.size(), pixels);
        QCOMPARE(image.pixelColor(pixels.width() - 1, 0), QColor(Qt::white));
        QVERIFY(image.pixelColor(int(2 * ratio), int(2 * ratio)) !=
                QColor(Qt::white)); // the diagonal
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("views.png"));
        QCOMPARE(saveImage(path, image), std::nullopt);
        QCOMPARE(QImage(path).size(), pixels);
        QVERIFY(drawingsImage(ReportDocument{}).isNull());
    }

    // A save that cannot be done says which file and why, and leaves the folder as it was: no
    // temporary file, and an earlier report untouched.
    void failedSaves_data() {
        QTest::addColumn<QString>("target"); // relative to a folder holding old.pdf
        QTest::addColumn<bool>("pdf");
        QTest::newRow("PDF into a missing folder") << "missing/report.pdf" << true;
        QTest::newRow("PDF onto a folder") << "sub" << true;
        QTest::newRow("PNG into a missing folder") << "missing/views.png" << false;
        QTest::newRow("PNG onto a folder") << "sub" << false;
        QTest::newRow("PNG of no picture") << "views.png" << false;
        QTest::newRow("PDF into a read-only folder") << "locked/report.pdf" << true;
    }

    void failedSaves() {
        QFETCH(QString, target);
        QFETCH(bool, pdf);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("sub"));
        QDir(dir.path()).mkdir(QStringLiteral("locked"));
        QFile old(dir.filePath(QStringLiteral("locked/report.pdf")));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("%PDF-1.4 earlier report") > 0);
        old.close();
        QFile::setPermissions(dir.filePath(QStringLiteral("locked")),
                              QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (target.startsWith(u"locked") &&
            QFileInfo(dir.filePath(QStringLiteral("locked"))).isWritable())
            QSKIP("the folder stays writable for this user (root)");
        const QStringList before =
            listing(dir.path()) + listing(dir.filePath(QStringLiteral("locked")));
        const QString path = dir.filePath(target);
        const ReportDocument document = target == u"views.png" ? ReportDocument{} : coverageLike();

        const std::optional<QString> failure =
            pdf ? saveReportPdf(path, document, QPageSize(QPageSize::A4))
                : saveImage(path, drawingsImage(document));

        QVERIFY(failure.has_value());
        QVERIFY2(failure->contains(QDir::toNativeSeparators(path)), qPrintable(*failure));
        QCOMPARE(listing(dir.path()) + listing(dir.filePath(QStringLiteral("locked"))), before);
        QFile::setPermissions(dir.filePath(QStringLiteral("locked")), QFileDevice::WriteOwner |
                                                                          QFileDevice::ReadOwner |
                                                                          QFileDevice::ExeOwner);
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
