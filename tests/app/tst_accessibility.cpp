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
        QTRY_COMPARE(m_app.window().Tools()->title(), u"&Tools"_s);
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
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
