// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "coverage/coveragewindow.h"
#include "support/sampleworkfolder.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QWheelEvent>

using namespace vistaro;
using namespace Qt::StringLiterals;

// The coverage window on the real program: opened from the Tools menu, following the
// calculator and typing into it.
class TestCoverageWindow : public QObject {
    Q_OBJECT

    test::SampleWorkFolder m_app;

    CoverageWindow* coverage() const { return m_app.hub().coverageWindow(); }
    QString shown(const char* name) const {
        return coverage()->findChild<QLabel*>(QLatin1String(name))->text();
    }

private slots:
    void initTestCase() { QVERIFY(m_app.prepare()); }

    // 1/3", full HD, 3 m up, targets at 1.7 m: at 10 m the target is S = sqrt(100 + 1.69) =
    // 10.0841 m away, so 6 mm gives 1920 x 6 / (4.8 S) = 237.99 px/m, recognition; one click
    // gets the focal length that identifies, 250 x S x 4.8 / 1920 = 6.3026 mm rounded up (6.31
    // mm: 250.29 px/m), and the calculator and the window follow. At 20 m, S = 20.0422 m: 24 mm
    // gives 478.99 px/m, identification needs 12.5264 mm, 12.53 mm gives 250.07 px/m. A zoom shows
    // both ends; the tele end's focal length goes into Focale2. The report, in the language on
    // show, has the calculator's figures and the lens the recommendation window shows (whatever
    // its Index panel holds), with its datasheet; a closed recommendation window names no lens.
    // What the user types into the window is remembered, with where the window stood.
    void followsTheCalculatorAndReports() {
        // A start without a language file; the coverage window opens with Ctrl+K on defaults.
        QFile::remove(windowSettingsFilePath());
        m_app.start(".\r\n,\r\n\r\nD:\\\r\n");
        QApplication::setActiveWindow(&m_app.window());
        QVERIFY(QTest::qWaitForWindowActive(&m_app.window()));
        QTest::keyClick(&m_app.window(), Qt::Key_K, Qt::ControlModifier);
        QVERIFY(coverage() && coverage()->isVisible());
        m_app.retype(u"L1"_s, u"10"_s);
        m_app.waitTicks();
        m_app.retype(u"Focale1"_s, u"6"_s);
        QTRY_COMPARE(shown("PixelDensity"), u"237.9 px/m"_s);
        QCOMPARE(shown("LevelReached"), u"Recognition"_s);
        auto* tele = coverage()->findChild<QLabel*>(u"PixelDensityTele"_s);
        QVERIFY(!tele->isVisible());
        m_app.click(u"UseInCalculator"_s, coverage());
        QCOMPARE(m_app.edit(u"Focale1"_s)->text(), u"6.31"_s);
        QTRY_COMPARE(shown("LevelReached"), u"Identification"_s);
        m_app.retype(u"Focale1"_s, u"0"_s);
        QTRY_COMPARE(shown("PixelDensity"), u"-"_s);

        m_app.click(u"zoom"_s);
        m_app.retype(u"L2"_s, u"20"_s);
        QTRY_COMPARE(shown("PixelDensityTele"), u"478.9 px/m"_s);
        m_app.click(u"UseInCalculatorTele"_s, coverage());
        QCOMPARE(m_app.edit(u"Focale2"_s)->text(), u"12.53"_s);
        QTRY_COMPARE(shown("PixelDensityTele"), u"250 px/m"_s);
        m_app.click(u"FF"_s);
        QTRY_VERIFY(!tele->isVisible());

        m_app.window().CaricaLingua(m_app.filePath(u"Italiano.lng"_s));
        QTRY_COMPARE(coverage()->windowTitle(), u"Copertura"_s);
        m_app.retype(u"H1"_s, u"8"_s);
        m_app.waitTicks();
        m_app.click(u"MarvantoCons"_s);
        m_app.consiglia()->Command1_Click(); // the datasheet's index alone goes back to 0
        QTRY_COMPARE(shown("PixelDensity"), u"237.9 px/m"_s);
        QTRY_VERIFY(coverage()->shown().lens);
        const ReportDocument page = CoverageReport::document(coverage()->shown());
        QStringList texts{page.title};
        for (const ReportSection& section : page.sections)
            for (const ReportRow& row : section.rows)
                texts << row.values;
        for (const char* expected : {"Copertura della telecamera", "237.9 px/m", "Riconoscimento",
                                     "H6012DD", "Focale fissa", "D:/Pdf/Obiettivi/FF/H6012DD.pdf"})
            QVERIFY2(texts.contains(QLatin1String(expected)), expected);
        m_app.consiglia()->close();
        QTRY_VERIFY(!coverage()->shown().lens);

        auto* mount = coverage()->findChild<QLineEdit*>(u"MountHeight"_s);
        mount->selectAll();
        QTest::keyClicks(mount, u"4.5"_s);
        coverage()->close();
        QSettings settings(windowSettingsFilePath(), QSettings::IniFormat);
        QCOMPARE(settings.value("Coverage/mountHeight").toDouble(), 4.5);
        QVERIFY(!settings.value("Coverage/geometry").toByteArray().isEmpty());
    }

    // A fisheye's field is its datasheet's: 1.4 mm equidistant on 1/2.8" with 185° typed. The
    // vertical angle follows by the same projection, 185° x 3.13 / 5.5644 mm = 104.06°, and the
    // density shows at the edge of the field too.
    void fisheyeTakesTheDatasheetAngle() {
        m_app.window().OpenCoverage()->trigger();
        QTRY_VERIFY(coverage()->isVisible());
        auto* sensors = coverage()->findChild<QComboBox*>(u"SensorFormat"_s);
        sensors->setCurrentIndex(sensors->findData(u"1/2.8\""_s));
        coverage()->findChild<QComboBox*>(u"Projection"_s)->setCurrentIndex(1);
        m_app.retype(u"Focale1"_s, u"1.4"_s);
        QTest::keyClicks(coverage()->findChild<QLineEdit*>(u"DatasheetAngle"_s), u"185"_s);
        const auto degrees = [](double angle) -> QString {
            return QLocale().toString(angle, 'f', 1) + u'°';
        };
        QTRY_COMPARE(shown("AngleH"), degrees(185));
        QCOMPARE(shown("AngleV"), degrees(104.1));
        QVERIFY(coverage()->findChild<QLabel*>(u"PixelDensityEdge"_s)->isVisible());
    }

    // A wheel turned over a choice without the focus leaves it; with the focus it changes it.
    // Heights in feet show to a hundredth (3 m, 9.8425 ft, reads 9.84) and come back as typed.
    void wheelChangesOnlyFocusedChoices() {
        m_app.window().OpenCoverage()->trigger();
        QTRY_VERIFY(coverage()->isVisible());
        auto* mount = coverage()->findChild<QLineEdit*>(u"MountHeight"_s);
        auto* target = coverage()->findChild<QLineEdit*>(u"TargetHeight"_s);
        mount->selectAll();
        QTest::keyClicks(mount, u"3"_s);
        coverage()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(coverage()));
        mount->setFocus();
        const auto wheel = [](QWidget* under, int steps) {
            const QPointF at = QRectF(under->rect()).center();
            QWheelEvent turned(at, under->mapToGlobal(at), {}, {0, -120 * steps}, Qt::NoButton,
                               Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(under, &turned);
        };
        auto* units = coverage()->findChild<QComboBox*>(u"Units"_s);
        auto* aim = coverage()->findChild<QComboBox*>(u"AimBy"_s);
        for (QComboBox* choice : {units, aim}) {
            const int before = choice->currentIndex();
            wheel(choice, 1);
            QCOMPARE(choice->currentIndex(), before);
        }
        units->setFocus();
        wheel(units, 1);
        QCOMPARE(units->currentIndex(), 1);
        QCOMPARE(mount->text(), u"9.84"_s);
        QCOMPARE(target->text(), u"5.58"_s);
        wheel(units, -1);
        QCOMPARE(units->currentIndex(), 0);
        QCOMPARE(mount->text(), u"3"_s);
        QCOMPARE(target->text(), u"1.7"_s);
    }
};

QTEST_MAIN(TestCoverageWindow)
#include "tst_coveragewindow.moc"
