// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aboutbox.h"
#include "coverage/coveragewindow.h"
#include "finder/lensfinder.h"
#include "lang/languagechooser.h"
#include "match/pdfviewer.h"
#include "site/sitefile.h"
#include "siteplan/dxflayersdialog.h"
#include "siteplan/planview.h"
#include "siteplan/siteplan.h"
#include "support/accessibilitywalk.h"
#include "support/sampleworkfolder.h"
#include "support/siteexample.h"

#include <QAction>
#include <QFile>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QMenu>
#include <functional>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

// A window of the program as a user opens it, and the objectNames whose colours its design
// fixes. One line a window: whoever adds a window adds it here.
struct WindowToWalk {
    const char* name;
    std::function<QWidget*(test::SampleWorkFolder&)> open;
    QStringList fixedColours = {};
};

// The logo's letters are a logotype, which needs no contrast.
const QStringList Logotype{u"Label5"_s, u"Label6"_s, u"Label7"_s};

QWidget* recommendation(test::SampleWorkFolder& app) {
    app.click(u"MarvantoCons"_s);
    return test::SampleWorkFolder::consiglia();
}

QWidget* sitePlan(test::SampleWorkFolder& app) {
    app.window().OpenSitePlan_Click();
    app.window().sitePlan()->findChild<QAction*>(u"AddCamera"_s)->trigger();
    return app.window().sitePlan();
}

const WindowToWalk Windows[] = {
    {"main window", [](test::SampleWorkFolder& app) { return &app.window(); }, Logotype},
    {"main window, zoom",
     [](test::SampleWorkFolder& app) {
         app.click(u"zoom"_s);
         return &app.window();
     },
     Logotype},
    {"recommendation", recommendation},
    {"language chooser",
     [](test::SampleWorkFolder& app) -> QWidget* {
         app.window().Language_Click();
         return app.window().languageChooser();
     }},
    {"coverage",
     [](test::SampleWorkFolder& app) -> QWidget* {
         app.window().OpenCoverage_Click();
         return app.window().coverageWindow();
     }},
    {"lens finder",
     [](test::SampleWorkFolder& app) -> QWidget* {
         app.window().OpenLensFinder_Click();
         return app.window().lensFinder();
     }},
    {"site plan", sitePlan},
    {"drawing layers",
     [](test::SampleWorkFolder& app) -> QWidget* {
         DxfDrawing drawing;
         drawing.layers = {{u"WALLS"_s}, {u"DOORS"_s}};
         auto* dialog = new DxfLayersDialog(drawing, {}, sitePlan(app));
         dialog->setAttribute(Qt::WA_DeleteOnClose);
         dialog->show();
         return dialog;
     }},
    {"about",
     [](test::SampleWorkFolder& app) -> QWidget* {
         app.window().findChild<QAction*>(u"About"_s)->trigger();
         return app.find<AboutBox>(u"AboutBox"_s);
     }},
    {"datasheet",
     [](test::SampleWorkFolder&) -> QWidget* {
         auto* viewer = new PdfViewer(
             QStringLiteral(VISTARO_SOURCE_DATA_DIR "/cd/Pdf/Obiettivi/FF/H6012DD.pdf"));
         viewer->show();
         return viewer;
     }},
};

// The camera and the wall of the site on show, as "x y pan; x y, x y, ...".
QString cameraAndWall(const Site& site) {
    const auto number = [](double value) { return QString::number(value, 'g', 6); };
    const SiteCamera& camera = site.cameras.at(0);
    QStringList points;
    for (const PlanPoint& point : site.walls.at(0).points)
        points << number(point.x) + u' ' + number(point.y);
    return number(camera.position.x) + u' ' + number(camera.position.y) + u' ' +
           number(camera.panDeg) + u"; "_s + points.join(u", "_s);
}

// A window with one fault of each kind that the walk looks for, or none.
std::unique_ptr<QWidget> faultyWindow(const QString& fault) {
    auto window = std::make_unique<QWidget>();
    window->setObjectName(u"Faulty"_s);
    auto* layout = new QVBoxLayout(window.get());
    const auto add = [&](QWidget* control, const QString& name) {
        control->setObjectName(name);
        layout->addWidget(control);
        return control;
    };
    auto* first = add(new QLineEdit, u"First"_s);
    first->setAccessibleName(u"First field"_s);
    if (fault == u"edit without a name")
        add(new QLineEdit, u"Bare"_s);
    if (fault == u"combo box without a label") {
        auto* combo = new QComboBox;
        combo->addItems({u"metres"_s, u"feet"_s});
        add(combo, u"Choice"_s);
    }
    if (fault == u"table that keeps Tab") {
        auto* table = new QTableWidget(3, 3);
        table->setAccessibleName(u"Numbers"_s);
        table->setTabKeyNavigation(true);
        add(table, u"Numbers"_s);
    }
    if (fault == u"pale text") {
        auto* label = new QLabel(u"Hardly seen"_s);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(0xb0, 0xb0, 0xb0));
        label->setPalette(palette);
        add(label, u"Pale"_s);
    }
    add(new QPushButton(u"Last"_s), u"Last"_s);
    window->show();
    return window;
}

} // namespace

// Every window of the program read out by a screen reader and worked from the keyboard alone.
class TestAccessibility : public QObject {
    Q_OBJECT

    test::SampleWorkFolder m_app;

private slots:
    void initTestCase() { QVERIFY(m_app.prepare()); }

    // In English, as the language file names it, once its captions are in place.
    void init() {
        m_app.start(".\r\n,\r\n" + m_app.filePath(u"English.lng"_s).toUtf8() + "\r\nD:\\\r\n");
        m_app.window().show();
        QTRY_COMPARE(m_app.find<QGroupBox>(u"Sensore"_s)->title(), u"Sensor"_s);
    }

    void cleanup() {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->testAttribute(Qt::WA_DeleteOnClose))
                window->close();
        m_app.stop();
    }

    void windows_data() {
        QTest::addColumn<int>("window");
        for (int i = 0; const WindowToWalk& window : Windows)
            QTest::newRow(window.name) << i++;
    }

    // Names for every control, every control on the way of Tab, and text that reads.
    void windows() {
        QFETCH(int, window);
        const WindowToWalk& walked = Windows[window];
        QWidget* opened = walked.open(m_app);
        QVERIFY(opened);
        QTRY_VERIFY(opened->isVisible());
        VERIFY_ACCESSIBLE(*opened, walked.fixedColours);
    }

    // The walk names the control at fault and what is wrong with it: "fault|expected faults".
    void walkFindsFaults_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("none") << u"none"_s << QStringList();
        QTest::newRow("name") << u"edit without a name"_s
                              << QStringList{u"Bare: no accessible name"_s};
        QTest::newRow("combo") << u"combo box without a label"_s
                               << QStringList{u"Choice: no accessible name"_s};
        QTest::newRow("trap") << u"table that keeps Tab"_s
                              << QStringList{u"Last: Tab never reaches it"_s};
        QTest::newRow("contrast") << u"pale text"_s
                                  << QStringList{u"Pale: text contrast 1.89:1, under 4.5:1"_s};
    }

    void walkFindsFaults() {
        QFETCH(QString, fault);
        QFETCH(QStringList, expected);
        const std::unique_ptr<QWidget> window = faultyWindow(fault);
        QCOMPARE(test::AccessibilityWalk(*window).faults(), expected);
    }

    // The plan from the keyboard alone: Tab selects the camera, then the wall; the arrows move,
    // [ and ] turn, "." and "," pick a point of the wall, Delete takes it out. "keys|camera x y
    // pan; wall points".
    void planByKeyboard_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        const QString untouched = u"0 0 0; 0 5, 4 5, 8 5"_s;
        QTest::newRow("move east") << u"Tab Right"_s << u"0.1 0 0; 0 5, 4 5, 8 5"_s;
        QTest::newRow("move north, far") << u"Tab Shift+Up"_s << u"0 1 0; 0 5, 4 5, 8 5"_s;
        QTest::newRow("turn right") << u"Tab ]"_s << u"0 0 355; 0 5, 4 5, 8 5"_s;
        QTest::newRow("turn left, far") << u"Tab Shift+["_s << u"0 0 45; 0 5, 4 5, 8 5"_s;
        QTest::newRow("turn by arrows") << u"Tab Ctrl+Left Ctrl+Left Ctrl+Right"_s
                                        << u"0 0 5; 0 5, 4 5, 8 5"_s;
        QTest::newRow("wall moves") << u"Tab Tab Down"_s << u"0 0 0; 0 4.9, 4 4.9, 8 4.9"_s;
        QTest::newRow("first point") << u"Tab Tab . Right"_s << u"0 0 0; 0.1 5, 4 5, 8 5"_s;
        QTest::newRow("last point") << u"Tab Tab , Shift+Left"_s << u"0 0 0; 0 5, 4 5, 7 5"_s;
        QTest::newRow("point dropped") << u"Tab Tab . Esc Right"_s
                                       << u"0 0 0; 0.1 5, 4.1 5, 8.1 5"_s;
        QTest::newRow("point deleted") << u"Tab Tab . . Del"_s << u"0 0 0; 0 5, 8 5"_s;
        QTest::newRow("wall keeps two") << u"Tab Tab . . Del Del"_s << u"0 0 0; 0 5, 8 5"_s;
        QTest::newRow("undone") << u"Tab ] Ctrl+Z"_s << untouched;
        QTest::newRow("left the plan") << u"Tab Tab Tab Right"_s << untouched;
    }

    void planByKeyboard() {
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        Site site;
        SiteCamera camera = test::entranceCamera();
        site.cameras = {camera};
        site.walls = {SiteWall{{{0, 5}, {4, 5}, {8, 5}}}};
        QFile file(m_app.filePath(u"keys.vistaro"_s));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(siteToJson(site)) > 0);
        file.close();
        m_app.window().OpenSitePlan_Click();
        SitePlan& plan = *m_app.window().sitePlan();
        QVERIFY(plan.openFile(file.fileName()));
        QApplication::setActiveWindow(&plan);
        QVERIFY(QTest::qWaitForWindowActive(&plan));
        plan.planView().setFocus(Qt::TabFocusReason);
        for (const QString& key : keys.split(u' ')) {
            const QKeyCombination pressed = QKeySequence::fromString(key)[0];
            QTest::keyClick(QApplication::focusWidget(), pressed.key(),
                            pressed.keyboardModifiers());
        }
        QCOMPARE(cameraAndWall(plan.document().site()), expected);
        // Whatever was done, closing drops it without asking.
        plan.undoStack().setClean();
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
