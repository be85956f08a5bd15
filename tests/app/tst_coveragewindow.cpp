// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "coverage/coveragewindow.h"
#include "support/sampleworkfolder.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>

using namespace vistaro;

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

    // 1/3", full HD: 6 mm at 10 m gives 240 px/m, recognition; one click gets the focal length
    // that identifies, and the calculator and the window follow. A zoom shows both ends; the tele
    // end's focal length goes into Focale2. The report, in the language on show, has the
    // calculator's figures and the lens the recommendation window shows, with its datasheet; a
    // closed recommendation window names no lens. What the user types into the window is
    // remembered, with where the window stood.
    void followsTheCalculatorAndReports() {
        // A start without a language file; the coverage window opens with Ctrl+K on defaults.
        QFile::remove(windowSettingsFilePath());
        m_app.start(".\r\n,\r\n\r\nD:\\\r\n");
        QApplication::setActiveWindow(&m_app.window());
        QVERIFY(QTest::qWaitForWindowActive(&m_app.window()));
        QCOMPARE(m_app.window().Tools()->actions().value(0), m_app.window().OpenCoverage());
        QTest::keyClick(&m_app.window(), Qt::Key_K, Qt::ControlModifier);
        QVERIFY(coverage() && coverage()->isVisible());
        m_app.retype("L1", "10");
        m_app.waitTicks();
        m_app.retype("Focale1", "6");
        QTRY_COMPARE(shown("PixelDensity"), "240 px/m");
        QCOMPARE(shown("LevelReached"), "Recognition");
        auto* tele = coverage()->findChild<QLabel*>("PixelDensityTele");
        QVERIFY(!tele->isVisible());
        m_app.click("UseInCalculator", coverage());
        QCOMPARE(m_app.edit("Focale1")->text(), "6.25");
        QTRY_COMPARE(shown("LevelReached"), "Identification");
        m_app.retype("Focale1", "0");
        QTRY_COMPARE(shown("PixelDensity"), "-");
        QCOMPARE(shown("Problem"), "The calculator's focal length must be greater than zero.");

        m_app.click("zoom");
        m_app.retype("L2", "20");
        QTRY_COMPARE(shown("PixelDensityTele"), "480 px/m");
        m_app.click("UseInCalculatorTele", coverage());
        QCOMPARE(m_app.edit("Focale2")->text(), "12.5");
        QTRY_COMPARE(shown("PixelDensityTele"), "250 px/m");
        m_app.click("FF");
        QTRY_VERIFY(!tele->isVisible());

        m_app.window().CaricaLingua(m_app.filePath("Italiano.lng"));
        QTRY_COMPARE(coverage()->windowTitle(), "Copertura");
        m_app.retype("H1", "8");
        m_app.waitTicks();
        m_app.click("MarvantoCons");
        QTRY_COMPARE(shown("PixelDensity"), "240 px/m");
        QTRY_VERIFY(coverage()->shown().lens);
        const ReportDocument page = CoverageReport::document(coverage()->shown());
        QStringList texts{page.title};
        for (const ReportSection& section : page.sections)
            for (const ReportRow& row : section.rows)
                texts << row.values;
        for (const char* expected : {"Copertura della telecamera", "240 px/m", "Riconoscimento",
                                     "H6012DD", "Focale fissa", "D:/Pdf/Obiettivi/FF/H6012DD.pdf"})
            QVERIFY2(texts.contains(QLatin1String(expected)), expected);
        m_app.consiglia()->close();
        QTRY_VERIFY(!coverage()->shown().lens);

        auto* mount = coverage()->findChild<QLineEdit*>("MountHeight");
        mount->selectAll();
        QTest::keyClicks(mount, "4.5");
        coverage()->close();
        QSettings settings(windowSettingsFilePath(), QSettings::IniFormat);
        QCOMPARE(settings.value("Coverage/mountHeight").toDouble(), 4.5);
        QVERIFY(!settings.value("Coverage/geometry").toByteArray().isEmpty());
    }
};

QTEST_MAIN(TestCoverageWindow)
#include "tst_coveragewindow.moc"
