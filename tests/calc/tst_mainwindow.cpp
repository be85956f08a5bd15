#include "calc/obbiettivi.h"
#include "platform/twips.h"
#include "support/messageboxanswer.h"
#include "support/quietoffscreen.h"
#include "support/sampleworkfolder.h"

#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;

// The main window as the user meets it before a language file is applied.
class TestMainWindow : public QObject {
    Q_OBJECT

private:
    test::SampleWorkFolder m_folder;
    std::unique_ptr<ProgramState> m_program;
    std::unique_ptr<Obbiettivi> m_window;

    template <typename Widget = QWidget> Widget* control(const QString& name) const {
        auto* widget = m_window->findChild<Widget*>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
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

    void init() {
        // A normal start that names no language file, so the design-time captions stay.
        QVERIFY(test::SampleWorkFolder::writeSettings(".\r\n,\r\n\r\nD:\\\r\n"));
        m_program = std::make_unique<ProgramState>();
        m_window = std::make_unique<Obbiettivi>(*m_program);
        m_window->Form_Load();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void cleanup() {
        m_window.reset();
        m_program.reset();
    }

    void layout() {
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        for (const auto& [name, parent, rect] :
             {std::tuple{"unterzo", "Sensore", QRect(120, 1020, 735, 255)},
              {"Calcoli", "ClientArea", QRect(120, 1920, 6620, 1200)},
              {"V1", "Calcoli", QRect(4320, 720, 1200, 285)}}) {
            QCOMPARE(control(name)->parentWidget()->objectName(), parent);
            QCOMPARE(control(name)->geometry(),
                     twipsRect(rect.x(), rect.y(), rect.width(), rect.height(), m_window.get()));
        }
        QVERIFY(control<QRadioButton>("unterzo")->isChecked());
        QCOMPARE(row(), "6|5|4|3");
    }

    // "sensor field typed texts": the row after the user picks the sensor, clicks the field and
    // types into it.
    void calculatorRow_data() {
        QTest::addColumn<QString>("script");
        QTest::newRow("typical") << "unterzo L1 10 12|10|4|3";
        QTest::newRow("width") << "unterzo H1 8 3|5|8|6";
        QTest::newRow("zero focal") << "unterzo Focale1 0 0|5|4|3";
        QTest::newRow("1 inch") << "un Focale1 6 6|5|10.66|8";
        QTest::newRow("2/3 inch") << "dueterzi Focale1 6 6|5|7.33|5.5";
        QTest::newRow("1/2 inch") << "unmezzo Focale1 6 6|5|5.33|4";
        QTest::newRow("1/4 inch") << "unquarto Focale1 2.8 2.8|5|5.71|4.28";
    }

    // The row settles and, left alone, is not written again (that would move the cursor).
    void calculatorRow() {
        QFETCH(QString, script);
        const QStringList words = script.split(u' ');
        click(words[0]);
        retype(words[1], words[2]);
        QTRY_COMPARE(row(), words[3]);
        waitTicks();
        for (QLineEdit* field : m_window->findChildren<QLineEdit*>())
            field->setCursorPosition(0);
        waitTicks();
        QCOMPARE(row(), words[3]);
        for (QLineEdit* field : m_window->findChildren<QLineEdit*>())
            QVERIFY2(field->cursorPosition() == 0, qPrintable(field->objectName()));
    }

    void newSensorReachesTheRowWithinATick() {
        click("Focale1");
        click("un");
        QTRY_COMPARE_WITH_TIMEOUT(row(), "6|5|10.66|8", 100);
    }

    void emptiedDrivingHeightShowsOneMessage() {
        m_window->publicState().ValNum = QStringLiteral("Not a number");
        retype("L1", "10");
        QTRY_COMPARE(row(), "12|10|4|3");
        test::MessageBoxAnswer answer;
        retype("V1", "");
        QTRY_COMPARE(edit("V1")->text(), "3");
        waitTicks(8);
        QCOMPARE(answer.texts(), QStringList{"Not a number"});
        QCOMPARE(row(), "12|10|4|3");
    }

    void otherSeparatorIsDeletedFromTypedText() {
        m_program->DecimalSeparator = QStringLiteral(",");
        m_program->OtherSeparator = QStringLiteral(".");
        retype("Focale1", "2.8");
        QTRY_COMPARE(row(), "28|5|0.85|0.64");
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
            QCOMPARE(control("Tele")->isVisible(), zoom);
            QCOMPARE(edit("Focale2")->isVisible(), zoom);
            QCOMPARE(m_window->windowHeightTwips(), zoom ? 4400 : 3900);
            QCOMPARE(control("Calcoli")->height(),
                     twipsToPixels(zoom ? 1695 : 1200, m_window.get()));
        };
        click("M");
        QCOMPARE(m_program->IrisCode, "DD");
        click("zoom");
        expectZoom(true);
        QCOMPARE(m_program->LensTypeCode, "ZOOM");
        retype("L2", "10");
        QTRY_COMPARE(row(2), "12|10|4|3");
        QCOMPARE(row(1), "6|5|4|3");
        click("M");
        click("VAR");
        expectZoom(false);
        QCOMPARE(m_program->LensTypeCode, "VAR");
        QVERIFY(control<QRadioButton>("M")->isChecked());
        QCOMPARE(m_program->IrisCode, "M");
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
