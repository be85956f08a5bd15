// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aboutbox.h"
#include "coverage/coveragewindow.h"
#include "finder/lensfinder.h"
#include "finder/lenstablemodel.h"
#include "lang/languagechooser.h"
#include "match/pdfviewer.h"
#include "siteplan/dxflayersdialog.h"
#include "siteplan/planview.h"
#include "siteplan/siteplan.h"
#include "support/accessibilitywalk.h"
#include "support/sampleworkfolder.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <functional>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

// A window as a user opens it and the objectNames its design colours; add each new window here.
struct WindowToWalk {
    const char* name;
    std::function<QWidget*(test::SampleWorkFolder&)> open;
    QStringList fixedColours = {};
    // A window laid out in twips keeps its size whatever the font; the others grow with it.
    bool growsWithFont = true;
};

// The logo's letters are a logotype, which needs no contrast.
const QStringList Logotype{u"Label5"_s, u"Label6"_s, u"Label7"_s};

// The window that a click of the main window's `click` opens, `window` of its hub.
template <auto click, auto window> QWidget* opened(test::SampleWorkFolder& app) {
    (app.window().*click)();
    return (app.hub().*window)();
}

QWidget* recommendation(test::SampleWorkFolder& app) {
    app.click(u"MarvantoCons"_s);
    return test::SampleWorkFolder::consiglia();
}

QWidget* coverage(test::SampleWorkFolder& app) {
    return opened<&Obbiettivi::OpenCoverage_Click, &WindowHub::coverageWindow>(app);
}

QWidget* sitePlan(test::SampleWorkFolder& app) {
    app.window().OpenSitePlan_Click();
    SitePlan* plan = app.hub().sitePlan();
    // A camera placed, its tool left on: its hint in the status bar is long in German.
    plan->findChild<QAction*>(u"AddCamera"_s)->trigger();
    QTest::keyClick(&plan->planView(), Qt::Key_Return);
    return app.hub().sitePlan();
}

const WindowToWalk Windows[] = {
    {"main window", [](test::SampleWorkFolder& app) { return &app.window(); }, Logotype, false},
    {"main window, zoom",
     [](test::SampleWorkFolder& app) {
         app.click(u"zoom"_s);
         return &app.window();
     },
     Logotype, false},
    {"recommendation", recommendation, {}, false},
    // The warning's pure red is the window's own (3.5:1 on the usual grey); it is said in words.
    {"recommendation, focus warning",
     [](test::SampleWorkFolder& app) {
         QWidget* window = recommendation(app);
         app.retype(u"L1"_s, u"0.1"_s);
         app.waitTicks();
         app.click(u"Avanti"_s, window);
         return window;
     },
     {u"MinFuoco"_s},
     false},
    {"language chooser",
     opened<&Obbiettivi::Language_Click, &WindowHub::languageChooser>,
     {},
     false},
    {"coverage", coverage},
    // The plate's width and the pixels it needs take a row each.
    {"coverage, number plates",
     [](test::SampleWorkFolder& app) {
         QWidget* window = coverage(app);
         auto* sets = window->findChild<QComboBox*>(u"LevelSet"_s);
         sets->setCurrentIndex(sets->findData(u"plates"_s));
         return window;
     }},
    {"coverage, a problem",
     [](test::SampleWorkFolder& app) {
         app.retype(u"Focale1"_s, u"0"_s);
         app.waitTicks();
         return coverage(app);
     }},
    {"preview",
     [](test::SampleWorkFolder& app) {
         QWidget* window = coverage(app);
         app.click(u"OpenPreview"_s, window);
         return window->findChild<QWidget*>(u"Preview"_s);
     }},
    {"lens finder", opened<&Obbiettivi::OpenLensFinder_Click, &WindowHub::lensFinder>},
    {"site plan", sitePlan},
    // On the camera just placed, which the plan selects.
    {"camera view",
     [](test::SampleWorkFolder& app) {
         QWidget* plan = sitePlan(app);
         plan->findChild<QAction*>(u"ViewFromCamera"_s)->trigger();
         return plan->findChild<QWidget*>(u"CameraView"_s);
     }},
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

// What a screen reader says for a control: "window|objectName|name|description".
const QStringList Spoken{
    u"main window|L1|Distance to the scene in m|"_s, u"main window|unterzo|1/3 inch sensor|"_s,
    u"main window, zoom|Focale1|Focal length in mm, wide end|"_s,
    u"recommendation|Avanti|Next lens|"_s, u"recommendation|f|Focal length|f:6mm"_s,
    u"recommendation, focus warning|MinFuoco|Minimum focus distance|Minimum focus distance: 0.3m "
    u"(the lens may not focus at the distance typed)"_s,
    u"language chooser|File1|Language files|"_s,
    // 6 mm at 5 m, 1.3 m above the target: 2400 / sqrt(25 + 1.69) = 464.55 px/m.
    u"coverage|PixelDensity|Pixel density|464.5 px/m"_s,
    u"site plan|PlanView|Plan|"_s + PlanView::keysHelp(), u"datasheet|PdfView|Datasheet pages|"_s};

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

    // In English, as the language file names it, its captions in place.
    void init() {
        // The windows open as on a first use, whatever an earlier test left.
        QFile::remove(windowSettingsFilePath());
        m_app.start(".\r\n,\r\n" + m_app.filePath(u"English.lng"_s).toUtf8() + "\r\nD:\\\r\n");
        m_app.window().show();
        // The tick that applies it, without waiting for its timer.
        m_app.window().TimerMove_Timer();
        QCOMPARE(m_app.find<QGroupBox>(u"Sensore"_s)->title(), u"Sensor"_s);
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

    // Every control named and on Tab's way, text that reads; what a reader says for Spoken's rows.
    void windows() {
        QFETCH(int, window);
        const WindowToWalk& walked = Windows[window];
        QWidget* opened = walked.open(m_app);
        QVERIFY(opened);
        for (const QString& row : Spoken) {
            if (row.section(u'|', 0, 0) != QLatin1String(walked.name))
                continue;
            auto* control = opened->findChild<QObject*>(row.section(u'|', 1, 1));
            QVERIFY2(control, qPrintable(row));
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
            QCOMPARE(u"%1|%2|%3|%4"_s.arg(QLatin1String(walked.name), control->objectName(),
                                          spoken->text(QAccessible::Name),
                                          spoken->text(QAccessible::Description)),
                     row);
        }
        QTRY_VERIFY(opened->isVisible());
        VERIFY_ACCESSIBLE(*opened, walked.fixedColours);
    }

    // A lens failing a test is read out as not fitting, with the reason its mark's tooltip gives.
    void finderSaysWhy() {
        m_app.click(u"zoom"_s);
        m_app.window().OpenLensFinder_Click();
        auto* table = m_app.hub().lensFinder()->findChild<QTableView*>(u"LensTable"_s);
        QAbstractItemModel* model = table->model();
        const int fits = static_cast<int>(LensColumn::Fits);
        int row = 0;
        while (row < model->rowCount() && model->index(row, fits).data() != u"\u2718"_s)
            ++row;
        QVERIFY(row < model->rowCount());
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(table);
        QAccessibleInterface* cell = spoken->tableInterface()->cellAt(row, fits);
        QCOMPARE(cell->text(QAccessible::Name), u"does not fit"_s);
        QCOMPARE(cell->text(QAccessible::Description),
                 model->index(row, fits).data(Qt::ToolTipRole).toString());
        QVERIFY(!cell->text(QAccessible::Description).isEmpty());
    }

    void largeFontDarkPalette_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("language"); // the language file
        for (const QString& language : {u"English.lng"_s, u"Deutsch.lng"_s})
            for (int i = 0; i < int(std::size(Windows)); ++i)
                if (Windows[i].growsWithFont)
                    QTest::addRow("%s, %s", Windows[i].name, qPrintable(language)) << i << language;
    }

    // 1.5x font, dark high-contrast palette, small screen: texts fit and read, English and German.
    void largeFontDarkPalette() {
        QFETCH(int, window);
        QFETCH(QString, language);
        m_app.window().CaricaLingua(m_app.filePath(language));
        const QFont normal = QApplication::font();
        const QPalette light = QApplication::palette();
        const auto restore = qScopeGuard([&] {
            QApplication::setFont(normal);
            QApplication::setPalette(light);
        });
        QFont large = normal;
        large.setPointSizeF(normal.pointSizeF() * 1.5);
        QApplication::setFont(large);
        QPalette dark(Qt::white, Qt::black);
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::Base, Qt::black);
        dark.setColor(QPalette::ButtonText, Qt::white);
        dark.setColor(QPalette::Button, QColor(0x20, 0x20, 0x20));
        dark.setColor(QPalette::Link, QColor(0x80, 0xc0, 0xff));
        QApplication::setPalette(dark);
        QWidget* opened = Windows[window].open(m_app);
        QVERIFY(opened);
        QTRY_VERIFY(opened->isVisible());
        // It fits a laptop's screen, less a panel, and is shown on it.
        const QSize screen(1366, 700);
        const QSize least = opened->minimumSize().expandedTo(opened->minimumSizeHint());
        QVERIFY2(least.width() <= screen.width() && least.height() <= screen.height(),
                 qPrintable(u"%1 x %2"_s.arg(least.width()).arg(least.height())));
        opened->resize(opened->size().boundedTo(screen));
        // A control shown or hidden lays the window out again in a few steps.
        QTest::qWait(200);
        const test::AccessibilityWalk walk(*opened);
        const QStringList faults = walk.clippedText() + walk.faults();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // The walk names the control at fault and what is wrong with it: "fault|expected faults".
    void walkFindsFaults_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("none") << u"none"_s << QStringList();
        QTest::newRow("name") << u"edit without a name"_s
                              << QStringList{u"Bare: no accessible name"_s};
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
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
