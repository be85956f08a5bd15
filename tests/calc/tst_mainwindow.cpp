#include "calc/obbiettivi.h"
#include "platform/twips.h"
#include "support/messageboxanswer.h"
#include "support/quietoffscreen.h"
#include "support/sampleworkfolder.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace vistaro;

// The calculator as the user drives it with mouse and keyboard, the CalcoloFocale timer running.
class TestMainWindow : public QObject {
    Q_OBJECT

private:
    test::SampleWorkFolder m_folder;
    std::unique_ptr<test::StartedProgram> m_started;

    Obbiettivi& window() const { return *m_started->window; }
    template <typename Widget = QWidget> Widget* control(const QString& name) const {
        return window().findChild<Widget*>(name);
    }
    QLineEdit* edit(const QString& name) const { return control<QLineEdit>(name); }

    QString row(int n = 1) const {
        QStringList texts;
        for (const char* field : {"Focale", "L", "H", "V"})
            texts << edit(field + QString::number(n))->text();
        return texts.join(u'|');
    }

    // An option button takes clicks on its circle and caption only, so it is clicked there.
    void click(const QString& name) const {
        QWidget* widget = control(name);
        const QPoint point = qobject_cast<QRadioButton*>(widget) ? QPoint(6, widget->height() / 2)
                                                                 : widget->rect().center();
        QTest::mouseClick(widget, Qt::LeftButton, {}, point);
    }

    // Clicks into the field, selects its text and types over it, as a user does.
    void retype(const QString& name, const QString& typed) const {
        click(name);
        QTest::keyClick(edit(name), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit(name), Qt::Key_Backspace);
        QTest::keyClicks(edit(name), typed);
    }

    // Enough CalcoloFocale ticks for any pending recalculation to land.
    static void waitTicks(int ticks = 4) { QTest::qWait(ticks * 50 + 20); }

private slots:
    void initTestCase() {
        test::quietOffscreen();
        QVERIFY(m_folder.prepare());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    // A normal start that names no language file, so the design-time texts stay: "6|5|4|3".
    void init() {
        QVERIFY(test::SampleWorkFolder::writeSettings(".\r\n,\r\n\r\nD:\\\r\n"));
        m_started = std::make_unique<test::StartedProgram>();
        QApplication::setActiveWindow(&window());
        QVERIFY(QTest::qWaitForWindowActive(&window()));
    }

    void cleanup() { m_started.reset(); }

    // The row settles within a tick or two and, left alone, is not written again (that would
    // move the cursor). With "," as the decimal mark the typed "." is a group mark and is
    // deleted; a sensor picked while the focal length drives reaches the row at the next tick.
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
        m_started->program.DecimalSeparator = decimal;
        m_started->program.OtherSeparator = decimal == u"." ? "," : ".";
        retype(words[1], words[2]);
        if (sensor != u"-")
            click(sensor);
        QTRY_COMPARE_WITH_TIMEOUT(row(), settled, 100);
        waitTicks();
        for (QLineEdit* edit : window().findChildren<QLineEdit*>())
            edit->setCursorPosition(0);
        waitTicks();
        QCOMPARE(row(), settled);
        for (QLineEdit* edit : window().findChildren<QLineEdit*>())
            QVERIFY2(edit->cursorPosition() == 0, qPrintable(edit->objectName()));
    }

    void emptiedDrivingHeightShowsOneMessage() {
        window().publicState().ValNum = QStringLiteral("Not a number");
        retype("L1", "10");
        QTRY_COMPARE(row(), "12|10|4|3");
        test::MessageBoxAnswer answer;
        retype("V1", "");
        QTRY_COMPARE(edit("V1")->text(), "3");
        waitTicks(8);
        QCOMPARE(answer.texts(), QStringList{"Not a number"});
        QCOMPARE(row(), "12|10|4|3");
    }

    // Only a click makes a field drive; one reached with Tab is a derived field overwritten.
    void fieldReachedWithTabIsOverwritten() {
        click("H1");
        QTest::keyClick(edit("H1"), Qt::Key_Backtab);
        QTest::keyClick(edit("L1"), Qt::Key_Backtab);
        QVERIFY(edit("Focale1")->hasFocus());
        QTest::keyClicks(edit("Focale1"), "50");
        QTRY_COMPARE(row(), "6|5|4|3");
    }

    // Zoom shows the TELE row, a second calculator of its own, and allows the motor iris, which
    // stays chosen when another lens type greys it again.
    void zoomLayoutAndBack() {
        const auto expectZoom = [this](bool zoom) {
            QCOMPARE(control("M")->isEnabled(), zoom);
            QCOMPARE(edit("Focale2")->isVisible(), zoom);
            QCOMPARE(window().windowHeightTwips(), zoom ? 4400 : 3900);
            QCOMPARE(control("Calcoli")->height(), twipsToPixels(zoom ? 1695 : 1200, &window()));
        };
        click("M");
        QCOMPARE(m_started->program.IrisCode, "DD");
        click("zoom");
        expectZoom(true);
        retype("L2", "10");
        QTRY_COMPARE(row(2), "12|10|4|3");
        QCOMPARE(row(1), "6|5|4|3");
        click("M");
        click("VAR");
        expectZoom(false);
        QVERIFY(control<QRadioButton>("M")->isChecked());
        QCOMPARE(m_started->program.IrisCode, "M");
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
