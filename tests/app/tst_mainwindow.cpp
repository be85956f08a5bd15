#include "platform/twips.h"
#include "support/sampleworkfolder.h"

using namespace vistaro;

// The calculator as the user drives it with mouse and keyboard, the CalcoloFocale timer running.
class TestMainWindow : public QObject {
    Q_OBJECT

    test::SampleWorkFolder m_app;

    QString row(int n = 1) const {
        QStringList texts;
        for (const char* field : {"Focale", "L", "H", "V"})
            texts << m_app.edit(field + QString::number(n))->text();
        return texts.join(u'|');
    }

private slots:
    void initTestCase() { QVERIFY(m_app.prepare()); }

    // A normal start that names no language file, so the design-time texts stay: "6|5|4|3".
    void init() {
        m_app.start(".\r\n,\r\n\r\nD:\\\r\n");
        QApplication::setActiveWindow(&m_app.window());
        QVERIFY(QTest::qWaitForWindowActive(&m_app.window()));
    }

    void cleanup() { m_app.stop(); }

    // The row settles within a tick or two and then is not rewritten (that moves the cursor).
    // "decimal field typed sensor settled", "-" for no sensor.
    void typedRowSettles_data() {
        QTest::addColumn<QString>("script");
        QTest::newRow("distance 10") << ". L1 10 - 12|10|4|3";
        QTest::newRow("2.8, comma decimal") << ", Focale1 2.8 - 28|5|0.85|0.64";
        QTest::newRow("1 inch picked") << ". Focale1 6 un 6|5|10.66|8";
    }

    void typedRowSettles() {
        QFETCH(QString, script);
        const QStringList words = script.split(u' ');
        const QString &decimal = words[0], &sensor = words[3], &settled = words[4];
        m_app.program().DecimalSeparator = decimal;
        m_app.program().OtherSeparator = decimal == u"." ? "," : ".";
        m_app.retype(words[1], words[2]);
        if (sensor != u"-")
            m_app.click(sensor);
        QTRY_COMPARE_WITH_TIMEOUT(row(), settled, 100);
        m_app.waitTicks();
        for (QLineEdit* edit : m_app.window().findChildren<QLineEdit*>())
            edit->setCursorPosition(0);
        m_app.waitTicks();
        QCOMPARE(row(), settled);
        for (QLineEdit* edit : m_app.window().findChildren<QLineEdit*>())
            QVERIFY2(edit->cursorPosition() == 0, qPrintable(edit->objectName()));
    }

    void emptiedDrivingHeightShowsOneMessage() {
        m_app.window().publicState().ValNum = QStringLiteral("Not a number");
        m_app.retype("L1", "10");
        QTRY_COMPARE(row(), "12|10|4|3");
        test::MessageBoxAnswer answer;
        m_app.retype("V1", "");
        QTRY_COMPARE(m_app.edit("V1")->text(), "3");
        m_app.waitTicks(8);
        QCOMPARE(answer.texts, QStringList{"Not a number"});
        QCOMPARE(row(), "12|10|4|3");
    }

    // Only a click makes a field drive; one reached with Tab is a derived field overwritten.
    void fieldReachedWithTabIsOverwritten() {
        m_app.click("H1");
        QTest::keyClick(m_app.edit("H1"), Qt::Key_Backtab);
        QTest::keyClick(m_app.edit("L1"), Qt::Key_Backtab);
        QVERIFY(m_app.edit("Focale1")->hasFocus());
        QTest::keyClicks(m_app.edit("Focale1"), "50");
        QTRY_COMPARE(row(), "6|5|4|3");
    }

    // Zoom shows the TELE row and allows the motor iris, which stays chosen when greyed again.
    void zoomLayoutAndBack() {
        const auto expectZoom = [this](bool zoom) {
            QCOMPARE(m_app.find("M")->isEnabled(), zoom);
            QCOMPARE(m_app.edit("Focale2")->isVisible(), zoom);
            QCOMPARE(m_app.window().windowHeightTwips(), zoom ? 4400 : 3900);
            QCOMPARE(m_app.find("Calcoli")->height(),
                     twipsToPixels(zoom ? 1695 : 1200, &m_app.window()));
        };
        m_app.click("M");
        QCOMPARE(m_app.program().IrisCode, "DD");
        m_app.click("zoom");
        expectZoom(true);
        m_app.retype("L2", "10");
        QTRY_COMPARE(row(2), "12|10|4|3");
        QCOMPARE(row(1), "6|5|4|3");
        m_app.click("M");
        m_app.click("VAR");
        expectZoom(false);
        QVERIFY(m_app.find<QRadioButton>("M")->isChecked());
        QCOMPARE(m_app.program().IrisCode, "M");
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
