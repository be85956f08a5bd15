// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "coverage/coveragewindow.h"
#include "support/sampleworkfolder.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>

using namespace vistaro;

namespace {

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

// The coverage window on the real program: opened from the Tools menu, following the
// calculator and typing into it.
class TestCoverageWindow : public QObject {
    Q_OBJECT

    test::SampleWorkFolder m_app;

    CoverageWindow* coverage() const { return m_app.window().coverageWindow(); }
    QString shown(const char* name) const {
        return coverage()->findChild<QLabel*>(QLatin1String(name))->text();
    }

private slots:
    void initTestCase() { QVERIFY(m_app.prepare()); }

    // A start without a language file; the coverage window opens with Ctrl+K on defaults.
    void init() {
        QFile::remove(windowSettingsFilePath());
        m_app.start(".\r\n,\r\n\r\nD:\\\r\n");
        QApplication::setActiveWindow(&m_app.window());
        QVERIFY(QTest::qWaitForWindowActive(&m_app.window()));
        QCOMPARE(m_app.window().Tools()->actions().value(0), m_app.window().OpenCoverage());
        QTest::keyClick(&m_app.window(), Qt::Key_K, Qt::ControlModifier);
        QVERIFY(coverage());
        QVERIFY(coverage()->isVisible());
    }

    void cleanup() { m_app.stop(); }

    // 1/3", full HD: 6 mm at 10 m gives 240 px/m, recognition; one click gets the focal length
    // that identifies, and the calculator and the window follow.
    void followsTheCalculatorAndTypesIntoIt() {
        m_app.retype("L1", "10");
        m_app.waitTicks();
        m_app.retype("Focale1", "6");
        QTRY_COMPARE(shown("PixelDensity"), "240 px/m");
        QCOMPARE(shown("LevelReached"), "Recognition");
        QCOMPARE(shown("NeededFocal"), "6.25 mm");
        QVERIFY(!coverage()->findChild<QLabel*>("PixelDensityTele")->isVisible());

        m_app.click("UseInCalculator", coverage());
        QCOMPARE(m_app.edit("Focale1")->text(), "6.25");
        QTRY_COMPARE(shown("LevelReached"), "Identification");
        QCOMPARE(shown("PixelDensity"), "250 px/m");
        QCOMPARE(m_app.edit("L1")->text(), "10");

        m_app.retype("Focale1", "0");
        QTRY_COMPARE(shown("PixelDensity"), "-");
        QCOMPARE(shown("Problem"), "The calculator's focal length must be greater than zero.");
    }

    // A zoom shows both ends side by side; the tele end's focal length goes into Focale2.
    void zoomShowsBothEnds() {
        m_app.click("zoom");
        m_app.retype("L2", "20");
        QTRY_COMPARE(shown("PixelDensityTele"), "480 px/m");
        QVERIFY(coverage()->findChild<QLabel*>("PixelDensityTele")->isVisible());
        QCOMPARE(shown("PixelDensity"), "480 px/m"); // 6 mm at 5 m
        QCOMPARE(coverage()->viewModel().ends.size(), std::size_t(2));
        m_app.click("UseInCalculatorTele", coverage());
        QCOMPARE(m_app.edit("Focale2")->text(), "12.5");
        QTRY_COMPARE(shown("PixelDensityTele"), "250 px/m");
        m_app.click("FF");
        QTRY_VERIFY(!coverage()->findChild<QLabel*>("PixelDensityTele")->isVisible());
    }

    // An unchanged calculator repaints nothing; a change repaints once.
    void idleTicksPaintNothing() {
        auto* top = coverage()->findChild<QWidget*>("TopView");
        m_app.waitTicks();
        PaintCounter counter(top);
        m_app.waitTicks(10);
        QCOMPARE(counter.paints, 0);
        m_app.retype("L1", "12");
        QTRY_VERIFY(counter.paints > 0);
    }

    // A bad field reads "-" and says why; the inputs that read well are remembered.
    void ownInputsAreCheckedAndRemembered() {
        QSignalSpy changed(coverage(), &CoverageWindow::inputsChanged);
        auto* mount = coverage()->findChild<QLineEdit*>("MountHeight");
        mount->selectAll();
        QTest::keyClicks(mount, "abc");
        QCOMPARE(shown("DeadZone"), "-");
        QCOMPARE(shown("Problem"), "The mounting height is not a number.");
        QCOMPARE(shown("PixelDensity"), "480 px/m");
        mount->selectAll();
        QTest::keyClicks(mount, "4.5");
        QCOMPARE(shown("Problem"), "");
        QVERIFY(changed.count() >= 1);
        QCOMPARE(coverage()->inputs().mountHeightM, 4.5);
        coverage()->close();
        QSettings settings(windowSettingsFilePath(), QSettings::IniFormat);
        QCOMPARE(settings.value("Coverage/mountHeight").toDouble(), 4.5);
        QVERIFY(!settings.value("Coverage/geometry").toByteArray().isEmpty());
    }

    // The page of what the windows show: the calculator's figures, the lens the recommendation
    // window shows with its datasheet, in the language on show; a closed recommendation window
    // names no lens.
    void savesTheReport_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("closeRecommendation");
        QTest::addColumn<QStringList>("found");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("English, lens on show")
            << "" << false << QStringList{"Camera coverage",    "240 px/m",
                                          "Recognition",        "H6012DD",
                                          "Fixed focal length", "D:/Pdf/Obiettivi/FF/H6012DD.pdf"}
            << QStringList{"Copertura"};
        QTest::newRow("Italian, lens on show")
            << "Italiano.lng" << false
            << QStringList{"Copertura della telecamera", "240 px/m", "Riconoscimento", "H6012DD",
                           "Focale fissa"}
            << QStringList{"Camera coverage", "Recognition"};
        QTest::newRow("recommendation window closed")
            << "" << true << QStringList{"Camera coverage", "240 px/m"}
            << QStringList{"H6012DD", "Datasheet"};
    }

    void savesTheReport() {
        QFETCH(QString, language);
        QFETCH(bool, closeRecommendation);
        QFETCH(QStringList, found);
        QFETCH(QStringList, absent);
        if (!language.isEmpty()) {
            m_app.window().CaricaLingua(m_app.filePath(language));
            QTRY_COMPARE(coverage()->windowTitle(), "Copertura");
        }
        m_app.retype("L1", "10");
        m_app.waitTicks();
        m_app.retype("H1", "8");
        m_app.waitTicks();
        m_app.click("MarvantoCons");
        QVERIFY(m_app.consiglia()->isVisible());
        if (closeRecommendation)
            m_app.consiglia()->close();
        QTRY_COMPARE(shown("PixelDensity"), "240 px/m");

        const QString path = m_app.filePath("report.pdf");
        QFile::remove(path);
        coverage()->setFilePicker([&](QWidget*, const QString&, const QString&, const QString&) {
            return m_app.filePath("report");
        });
        m_app.click("SaveReport", coverage());
        QPdfDocument pdf;
        QCOMPARE(pdf.load(path), QPdfDocument::Error::None);
        QCOMPARE(pdf.pageCount(), 1);
        const QString text = pdf.getAllText(0).text().simplified();
        const QString joined = QString(text).remove(u' ');
        for (const QString& expected : found)
            QVERIFY2(text.contains(expected) || joined.contains(QString(expected).remove(u' ')),
                     qPrintable(expected));
        for (const QString& unexpected : absent)
            QVERIFY2(!text.contains(unexpected), qPrintable(unexpected));
    }
};

QTEST_MAIN(TestCoverageWindow)
#include "tst_coveragewindow.moc"
