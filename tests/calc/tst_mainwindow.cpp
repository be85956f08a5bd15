#include "calc/obbiettivi.h"
#include "platform/twips.h"
#include "support/messageboxanswer.h"
#include "support/quietoffscreen.h"

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace vistaro;

// The main window as the user meets it on a first start (no settings file): the design-time
// layout, the calculator at work and the option groups.
class TestMainWindow : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_workDir;
    std::unique_ptr<ProgramState> m_program;
    std::unique_ptr<Obbiettivi> m_window;

    template <typename Widget = QWidget> Widget* control(const char* name) const {
        auto* widget = m_window->findChild<Widget*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }

    QLineEdit* edit(const char* name) const { return control<QLineEdit>(name); }
    QString text(const char* name) const { return edit(name)->text(); }

    // An option button takes clicks on its circle and caption only, so it is clicked there.
    void click(const char* name) const {
        QWidget* widget = control(name);
        const QPoint point = qobject_cast<QRadioButton*>(widget) ? QPoint(6, widget->height() / 2)
                                                                 : widget->rect().center();
        QTest::mouseClick(widget, Qt::LeftButton, {}, point);
    }

    // Clicks into the field, selects its text and types over it, as a user does.
    void retype(const char* name, const QString& typed) const {
        click(name);
        QTest::keyClick(edit(name), Qt::Key_A, Qt::ControlModifier);
        if (typed.isEmpty())
            QTest::keyClick(edit(name), Qt::Key_Backspace);
        else
            QTest::keyClicks(edit(name), typed);
    }

    // Enough CalcoloFocale ticks for any pending recalculation to land.
    static void waitTicks(int ticks = 4) { QTest::qWait(ticks * 50 + 20); }

    int twips(int value) const { return twipsToPixels(value, m_window.get()); }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        test::quietOffscreenSizeHints();
        QVERIFY(m_workDir.isValid());
        QVERIFY(QDir::setCurrent(m_workDir.path()));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void init() {
        QFile::remove(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                      QStringLiteral("/vistaro/lens.ini"));
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

    void controlsAtDesignTime_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("twipsGeometry");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("selected");
        const auto add = [](const char* name, const char* container, const char* caption,
                            QRect geometry, bool visible = true, bool enabled = true,
                            bool selected = false) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(container)
                                << QString::fromUtf8(caption) << geometry << visible << enabled
                                << selected;
        };
        add("Sensore", "ClientArea", "Sensore", {120, 120, 975, 1695});
        add("un", "Sensore", "   1\"", {120, 240, 735, 255});
        add("dueterzi", "Sensore", "2/3\"", {120, 480, 735, 255});
        add("unmezzo", "Sensore", "1/2\"", {120, 760, 735, 255});
        add("unterzo", "Sensore", "1/3\"", {120, 1020, 735, 255}, true, true, true);
        add("unquarto", "Sensore", "1/4\"", {120, 1280, 735, 255});
        add("Frame1", "ClientArea", "Tipo ottica", {1200, 120, 1455, 1360});
        add("zoom", "Frame1", "Zoom", {120, 240, 855, 255});
        add("VAR", "Frame1", "Varifocal", {120, 500, 1095, 255});
        add("HSP", "Frame1", "Asferico", {120, 760, 1215, 255});
        add("FF", "Frame1", "Focale Fissa", {120, 1020, 1215, 255}, true, true, true);
        add("Frame2", "ClientArea", "Controllo iride", {2760, 120, 2295, 1695});
        add("Manual", "Frame2", "Manuale", {120, 240, 2055, 255});
        add("DC", "Frame2", "Diretto", {120, 550, 2055, 255}, true, true, true);
        add("VD", "Frame2", "Video", {120, 860, 2055, 255});
        add("M", "Frame2", "a Motore (per zoom)", {120, 1320, 2055, 255}, true, false);
        add("MarvantoCons", "ClientArea", "marvanto consiglia", {5280, 120, 1440, 615});
        add("Label5", "ClientArea", "marvan", {1200, 1540, 1095, 375});
        add("Label6", "ClientArea", "t", {2280, 1540, 255, 375});
        add("Label7", "ClientArea", "o", {2450, 1540, 255, 375});
        add("Calcoli", "ClientArea", "", {120, 1920, 6620, 1200});
        add("Label1", "Calcoli", "focale (mm)", {120, 230, 1215, 255});
        add("Label2", "Calcoli", "distanza scena (m)", {1560, 230, 1212, 372});
        add("Label4", "Calcoli", "angolo di visuale orizzontale (m)", {2760, 230, 1455, 495});
        add("Label3", "Calcoli", "angolo di visuale verticale (m)", {4200, 230, 1452, 492});
        add("Focale1", "Calcoli", "6", {120, 720, 1215, 285});
        add("L1", "Calcoli", "5", {1560, 720, 1200, 285});
        add("H1", "Calcoli", "4", {2880, 720, 1200, 285});
        add("V1", "Calcoli", "3", {4320, 720, 1200, 285});
        add("macro", "Calcoli", "WIDE", {5640, 720, 735, 255}, false);
        add("Focale2", "Calcoli", "6", {120, 1200, 1215, 285}, false);
        add("L2", "Calcoli", "5", {1560, 1200, 1200, 285}, false);
        add("H2", "Calcoli", "4", {2880, 1200, 1200, 285}, false);
        add("V2", "Calcoli", "3", {4320, 1200, 1200, 285}, false);
        add("Tele", "Calcoli", "TELE", {5640, 1200, 612, 252}, false);
    }

    void controlsAtDesignTime() {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QString, caption);
        QFETCH(QRect, twipsGeometry);
        QFETCH(bool, visible);
        QFETCH(bool, enabled);
        QFETCH(bool, selected);
        QWidget* widget = control(name.toLatin1().constData());
        QCOMPARE(widget->parentWidget()->objectName(), container);
        QString shown;
        if (auto* box = qobject_cast<QGroupBox*>(widget))
            shown = box->title();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            shown = button->text();
        else if (auto* label = qobject_cast<QLabel*>(widget))
            shown = label->text();
        else if (auto* line = qobject_cast<QLineEdit*>(widget))
            shown = line->text();
        QCOMPARE(shown, caption);
        QCOMPARE(widget->geometry(),
                 twipsRect(twipsGeometry.x(), twipsGeometry.y(), twipsGeometry.width(),
                           twipsGeometry.height(), widget));
        QCOMPARE(widget->isVisibleTo(m_window.get()), visible);
        QCOMPARE(widget->isEnabled(), enabled);
        if (auto* option = qobject_cast<QRadioButton*>(widget))
            QCOMPARE(option->isChecked(), selected);
    }

    void windowFrameFontsAndColours() {
        QCOMPARE(m_window->objectName(), QStringLiteral("Obbiettivi"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Vistaro"));
        QVERIFY(m_window->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(m_window->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        QCOMPARE(m_window->centralWidget()->size(), QSize(twips(6840), twips(3225)));

        QCOMPARE(edit("Focale1")->font().family(), QStringLiteral("Arial"));
        QCOMPARE(edit("Focale1")->font().pointSizeF(), 8.25);
        QCOMPARE(edit("Focale1")->alignment(), Qt::AlignCenter);
        QVERIFY(control<QLabel>("Label2")->alignment() & Qt::AlignHCenter);
        const QFont button = control("MarvantoCons")->font();
        QCOMPARE(button.pointSizeF(), 9.75);
        QVERIFY(button.bold());
        for (const char* name : {"Label5", "Label6", "Label7"}) {
            QCOMPARE(control(name)->font().pointSizeF(), 14.25);
            QVERIFY(control(name)->font().bold());
        }
        QCOMPARE(control("Label5")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(control("Label6")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(control("Label7")->palette().color(QPalette::WindowText), QColor(0, 0, 255));

        auto* line = control<QFrame>("Line1");
        QCOMPARE(line->parentWidget()->objectName(), QStringLiteral("Frame2"));
        QCOMPARE(line->frameShape(), QFrame::HLine);
        QVERIFY(line->geometry().top() > control("VD")->geometry().bottom());
        QVERIFY(line->geometry().bottom() < control("M")->geometry().top());
    }

    void tabOrder() {
        const char* expected[] = {
            "un", "dueterzi", "unmezzo", "unterzo", "unquarto", "zoom",        "VAR", "HSP",
            "FF", "Manual",   "DC",      "VD",      "M",        "Focale1",     "L1",  "H1",
            "V1", "Focale2",  "L2",      "H2",      "V2",       "MarvantoCons"};
        QStringList names;
        for (const char* name : expected)
            names.append(QString::fromLatin1(name));
        QStringList chain;
        QWidget* widget = control("un");
        do {
            // Qt leaves one Tab stop per option group; arrow keys move within it.
            if (widget->focusPolicy() != Qt::NoFocus)
                chain.append(widget->objectName());
            widget = widget->nextInFocusChain();
        } while (widget != control("un"));
        QCOMPARE(chain, names);
    }

    void menus() {
        const auto* language = m_window->Language();
        QCOMPARE(language->objectName(), QStringLiteral("Language"));
        QCOMPARE(language->text(), QStringLiteral("&Lingua"));
        QCOMPARE(m_window->DecSeparator()->text(), QStringLiteral("&Separatore Decimale"));
        QVERIFY(m_window->DecSeparator()->isVisible() && m_window->DecSeparator()->isEnabled());
        QMenu* drives = m_window->CDDrive();
        QCOMPARE(drives->objectName(), QStringLiteral("CDDrive"));
        QCOMPARE(drives->title(), QStringLiteral("&CD Drive"));
        QVERIFY(drives->isEnabled());
        const QList<QAction*> bar = m_window->menuBar()->actions();
        QCOMPARE(bar.size(), 3);
        QCOMPARE(bar[0], language);
        QCOMPARE(bar[1], m_window->DecSeparator());
        QCOMPARE(bar[2], drives->menuAction());
        for (const QAction* item : drives->actions())
            QVERIFY(item->isCheckable() && item->isEnabled() && item->isVisible());
    }

    // The row's fields after the user clicks `field` and types `typed` into it.
    void calculatorRow_data() {
        QTest::addColumn<QString>("sensor");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("row"); // Focale1, L1, H1, V1
        const auto add = [](const char* name, const char* sensor, const char* field,
                            const char* typed, QStringList row) {
            QTest::newRow(name) << QString::fromLatin1(sensor) << QString::fromLatin1(field)
                                << QString::fromLatin1(typed) << row;
        };
        add("distance keeps the scene", "unterzo", "L1", "10", {"12", "10", "4", "3"});
        add("width gives height and focal", "unterzo", "H1", "8", {"3", "5", "8", "6"});
        add("height gives width and focal", "unterzo", "V1", "1.5", {"12", "5", "2", "1.5"});
        add("focal gives the scene", "unterzo", "Focale1", "12", {"12", "5", "2", "1.5"});
        add("1 inch with the focal driving", "un", "Focale1", "6", {"6", "5", "10.66", "8"});
        add("display truncates", "unquarto", "Focale1", "2.8", {"2.8", "5", "5.71", "4.28"});
        add("zero focal changes nothing", "unterzo", "Focale1", "0", {"0", "5", "4", "3"});
    }

    void calculatorRow() {
        QFETCH(QString, sensor);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QStringList, row);
        click(sensor.toLatin1().constData());
        retype(field.toLatin1().constData(), typed);
        QTRY_COMPARE(QStringList({text("Focale1"), text("L1"), text("H1"), text("V1")}), row);
        waitTicks();
        QCOMPARE(QStringList({text("Focale1"), text("L1"), text("H1"), text("V1")}), row);
    }

    void newSensorReachesTheRowWithinATick() {
        click("Focale1");
        click("un");
        QTRY_COMPARE_WITH_TIMEOUT(text("V1"), QStringLiteral("8"), 100);
        QCOMPARE(text("H1"), QStringLiteral("10.66"));
    }

    void emptiedSizeFieldShowsOneMessage_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("reset");
        QTest::newRow("V1") << QStringLiteral("V1") << QStringLiteral("3");
        QTest::newRow("H1") << QStringLiteral("H1") << QStringLiteral("4");
    }

    void emptiedSizeFieldShowsOneMessage() {
        QFETCH(QString, field);
        QFETCH(QString, reset);
        m_window->publicState().ValNum = QStringLiteral("Not a number");
        retype("L1", QStringLiteral("10"));
        QTRY_COMPARE(text("Focale1"), QStringLiteral("12"));
        test::MessageBoxAnswer answer;
        retype(field.toLatin1().constData(), QString());
        QTRY_COMPARE(text(field.toLatin1().constData()), reset);
        waitTicks(8);
        QCOMPARE(answer.count(), 1);
        QCOMPARE(answer.texts(), QStringList{QStringLiteral("Not a number")});
        QCOMPARE(answer.title(), QStringLiteral("Vistaro"));
        QCOMPARE(text("H1"), QStringLiteral("4"));
        QCOMPARE(text("V1"), QStringLiteral("3"));
        QCOMPARE(text("Focale1"), QStringLiteral("12"));
    }

    void emptiedFocalFieldIsSilent() {
        test::MessageBoxAnswer answer;
        retype("Focale1", QString());
        waitTicks();
        QCOMPARE(answer.count(), 0);
        QCOMPARE(text("V1"), QStringLiteral("3"));
        QCOMPARE(text("H1"), QStringLiteral("4"));
        QTest::keyClicks(edit("Focale1"), QStringLiteral("12"));
        QTRY_COMPARE(text("V1"), QStringLiteral("1.5"));
        QCOMPARE(text("H1"), QStringLiteral("2"));
    }

    void otherSeparatorIsDeletedFromTypedText() {
        m_window->program().DecimalSeparator = QStringLiteral(",");
        m_window->program().OtherSeparator = QStringLiteral(".");
        retype("Focale1", QStringLiteral("2.8"));
        QTRY_COMPARE(text("Focale1"), QStringLiteral("28"));
        QCOMPARE(text("V1"), QStringLiteral("0.64"));
        QCOMPARE(m_window->privateState().Row1.ValFocale(), QStringLiteral("28"));
    }

    void fieldReachedWithTabDoesNotDrive() {
        click("H1");
        QTest::keyClick(edit("H1"), Qt::Key_Backtab);
        QTest::keyClick(edit("L1"), Qt::Key_Backtab);
        QVERIFY(edit("Focale1")->hasFocus());
        QTest::keyClicks(edit("Focale1"), QStringLiteral("50"));
        QTRY_COMPARE(text("Focale1"), QStringLiteral("6"));

        QTest::keyClick(edit("Focale1"), Qt::Key_Tab);
        QVERIFY(edit("L1")->hasFocus());
        QTest::keyClicks(edit("L1"), QStringLiteral("20"));
        waitTicks();
        QCOMPARE(text("L1"), QStringLiteral("20"));
        QCOMPARE(text("Focale1"), QStringLiteral("6"));
        click("L1");
        QTRY_COMPARE(text("Focale1"), QStringLiteral("24"));
    }

    void idleWindowRewritesNothing() {
        retype("Focale1", QStringLiteral("7"));
        QTRY_COMPARE(text("V1"), QStringLiteral("2.57"));
        edit("Focale1")->setCursorPosition(0);
        QList<std::shared_ptr<QSignalSpy>> spies;
        for (const char* name : {"Focale1", "L1", "H1", "V1", "Focale2", "L2", "H2", "V2"})
            spies.append(std::make_shared<QSignalSpy>(edit(name), &QLineEdit::textChanged));
        waitTicks(10);
        for (const auto& spy : spies)
            QCOMPARE(spy->count(), 0);
        QCOMPARE(edit("Focale1")->cursorPosition(), 0);
    }

    void rowsAreIndependent() {
        click("zoom");
        retype("L2", QStringLiteral("10"));
        QTRY_COMPARE(text("Focale2"), QStringLiteral("12"));
        QCOMPARE(text("Focale1"), QStringLiteral("6"));
        QCOMPARE(text("L1"), QStringLiteral("5"));
    }

    void sensorButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<SensorFormat>("format");
        QTest::addColumn<double>("height");
        QTest::newRow("un") << QStringLiteral("un") << SensorFormat::One << 9.6;
        QTest::newRow("dueterzi") << QStringLiteral("dueterzi") << SensorFormat::TwoThirds << 6.6;
        QTest::newRow("unmezzo") << QStringLiteral("unmezzo") << SensorFormat::Half << 4.8;
        QTest::newRow("unquarto") << QStringLiteral("unquarto") << SensorFormat::Quarter << 2.4;
    }

    void sensorButtons() {
        QFETCH(QString, button);
        QFETCH(SensorFormat, format);
        QFETCH(double, height);
        QCOMPARE(m_window->sensorFormat(), SensorFormat::Third);
        QCOMPARE(m_window->privateState().SensorHeight, 3.6);
        click(button.toLatin1().constData());
        QCOMPARE(m_window->sensorFormat(), format);
        QCOMPARE(m_window->privateState().SensorHeight, height);
        click("unterzo");
        QCOMPARE(m_window->privateState().SensorHeight, 3.6);
    }

    void lensTypeLayout_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("code");
        QTest::newRow("HSP") << QStringLiteral("HSP") << QStringLiteral("HSP");
        QTest::newRow("VAR") << QStringLiteral("VAR") << QStringLiteral("VAR");
        QTest::newRow("FF") << QStringLiteral("FF") << QStringLiteral("FF");
    }

    // Zoom shows the TELE row and allows the motor iris; every other type undoes it.
    void lensTypeLayout() {
        QFETCH(QString, button);
        QFETCH(QString, code);
        const auto expectLayout = [this](bool zoom) {
            QCOMPARE(control("M")->isEnabled(), zoom);
            for (const char* name : {"macro", "Tele", "Focale2", "L2", "H2", "V2"})
                QCOMPARE(control(name)->isVisible(), zoom);
            QCOMPARE(m_window->windowHeightTwips(), zoom ? 4400 : 3900);
            QCOMPARE(m_window->centralWidget()->height(), twips(zoom ? 3725 : 3225));
            QCOMPARE(control("Calcoli")->height(), twips(zoom ? 1695 : 1200));
            QCOMPARE(m_window->zoomSelected(), zoom);
        };
        QCOMPARE(m_program->LensTypeCode, QStringLiteral("FF"));
        click("zoom");
        expectLayout(true);
        QCOMPARE(m_program->LensTypeCode, QStringLiteral("ZOOM"));
        QVERIFY(control("Calcoli")->geometry().bottom() < m_window->centralWidget()->height());
        click(button.toLatin1().constData());
        expectLayout(false);
        QCOMPARE(m_program->LensTypeCode, code);
        QCOMPARE(m_window->varSelected(), code == u"VAR");
    }

    void motorIrisStaysSelectedWhenGreyed() {
        QCOMPARE(m_program->IrisCode, QStringLiteral("DD"));
        click("M");
        QCOMPARE(m_program->IrisCode, QStringLiteral("DD"));
        click("zoom");
        click("M");
        QCOMPARE(m_program->IrisCode, QStringLiteral("M"));
        click("VAR");
        QVERIFY(control<QRadioButton>("M")->isChecked());
        QVERIFY(!control("M")->isEnabled());
        QCOMPARE(m_program->IrisCode, QStringLiteral("M"));
        for (const auto& [button, code] : {std::pair{"Manual", "MI"}, {"VD", "VD"}, {"DC", "DD"}}) {
            click(button);
            QCOMPARE(m_program->IrisCode, QString::fromLatin1(code));
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
