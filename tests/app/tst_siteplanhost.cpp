// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "coverage/coveragewindow.h"
#include "site/sitefile.h"
#include "siteplan/siteplan.h"
#include "siteplan/siterecovery.h"
#include "support/messageboxanswer.h"
#include "support/sampleworkfolder.h"
#include "support/siteexample.h"

#include <QAction>
#include <QCommandLineParser>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

// Like the site example: Entrance at origin, Yard 20 m north, a wall 5 m ahead; Door 8-12 m before
// the first, 2 m wide. Site tests: 31.674 m², 5.098 m², 237.997 px/m; door 8-9.51 m of 4: 37.79 %.
Site sample() {
    SiteCamera yard = test::entranceCamera();
    yard.name = u"Yard"_s;
    yard.position = {0, 20};
    Site site;
    site.cameras = {test::entranceCamera(), yard};
    site.walls = {SiteWall{{{5, 15}, {5, 25}}}};
    site.areas = {SiteArea{u"Door"_s, EnIdentification, {{8, -1}, {12, -1}, {12, 1}, {8, 1}}}};
    return site;
}

// A camera placed mid-view by the AddCamera tool, which is then left.
void addCamera(SitePlan& plan) {
    plan.findChild<QAction*>(u"AddCamera"_s)->trigger();
    QTest::keyClick(&plan.planView(), Qt::Key_Return);
    QTest::keyClick(&plan.planView(), Qt::Key_Escape);
}

// The cells under `headers`, a row's joined by ", " and the rows by " | ".
QString cells(const QTableView* table, const QStringList& headers) {
    const QAbstractItemModel& model = *table->model();
    QList<int> columns;
    for (const QString& header : headers)
        for (int column = 0; column < model.columnCount(); ++column)
            if (model.headerData(column, Qt::Horizontal).toString() == header)
                columns.append(column);
    if (columns.size() != headers.size())
        return u"a column is missing"_s;
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList line;
        for (const int column : columns)
            line.append(model.index(row, column).data().toString());
        rows.append(line.join(u", "));
    }
    return rows.join(u" | ");
}

} // namespace

// The hosted site plan: opened by Tools menu or command line, a camera added from the calculator
// and coverage window and shown there, unsaved changes kept (the rest: the window's suite).
class TestSitePlanHost : public QObject {
    Q_OBJECT

    test::SampleWorkFolder m_app;

private slots:
    void initTestCase() { QVERIFY(m_app.prepare()); }

    // One run: the site plan opened with Ctrl+L, then on a site file named on the command line; a
    // camera added from the calculator (6 mm at 10 m), undone, added again and shown in the
    // coverage window at 8 mm (317.3 px/m); the program kept open while that is unsaved.
    void addsAndShowsACamera() {
        const QString path = m_app.filePath(u"site.vistaro"_s);
        QCOMPARE(SiteFile::save(path, sample()), std::nullopt);
        m_app.start(".\r\n,\r\n\r\nD:\\\r\n");
        QApplication::setActiveWindow(&m_app.window());
        QVERIFY(QTest::qWaitForWindowActive(&m_app.window()));
        QVERIFY(m_app.window().Tools()->actions().contains(m_app.window().OpenSitePlan()));
        QTest::keyClick(&m_app.window(), Qt::Key_L, Qt::ControlModifier);
        SitePlan* plan = m_app.hub().sitePlan();
        QVERIFY(plan && plan->isVisible());
        QCOMPARE(plan->windowTitle(), u"Untitled[*] - Site plan"_s);

        // What main() does with "vistaro site.vistaro".
        QCommandLineParser options;
        describeOptions(options);
        QVERIFY(options.parse({u"vistaro"_s, path}));
        m_app.hub().openSiteFile(siteFileArgument(options));
        QCOMPARE(plan->windowTitle(), u"site.vistaro[*] - Site plan"_s);
        const auto* cameras = plan->findChild<QTableView*>(u"CameraTable"_s);
        const auto* areas = plan->findChild<QTableView*>(u"AreaTable"_s);
        const QStringList cameraColumns{u"Name"_s, u"Focal (mm)"_s, u"Level"_s,
                                        u"Density at aim (px/m)"_s, u"Area at level (m²)"_s};
        const QStringList areaColumns{u"Name"_s, u"Level"_s, u"Area (m²)"_s, u"Covered (%)"_s};
        const QString shownCameras = u"Entrance, 6, Identification, 237.9, 31.6 | "
                                     u"Yard, 6, Identification, 237.9, 5"_s;
        const QString shownAreas = u"Door, Identification, 8, 37.7"_s;
        QCOMPARE(cells(cameras, cameraColumns), shownCameras);
        QCOMPARE(cells(areas, areaColumns), shownAreas);

        QApplication::setActiveWindow(&m_app.window());
        m_app.retype(u"L1"_s, u"10"_s);
        m_app.waitTicks();
        m_app.retype(u"Focale1"_s, u"6"_s);
        m_app.waitTicks();
        addCamera(*plan);
        QCOMPARE(cells(cameras, {u"Name"_s, u"Focal (mm)"_s, u"Density at aim (px/m)"_s}),
                 u"Entrance, 6, 237.9 | Yard, 6, 237.9 | Camera 1, 6, 237.9"_s);
        const SiteCamera added = plan->document().site().cameras.at(2);
        QCOMPARE(added.camera.sensor, sensorOfFormat(SensorFormat::Third)); // the start-up format
        QVERIFY(plan->isWindowModified());
        plan->findChild<QAction*>(u"Undo"_s)->trigger();
        QCOMPARE(cells(cameras, cameraColumns), shownCameras);
        QVERIFY(!plan->isWindowModified());

        addCamera(*plan);
        plan->findChild<QDoubleSpinBox*>(u"Focal"_s)->setValue(8);
        m_app.click(u"ShowInCoverage"_s, plan);
        CoverageWindow* coverage = m_app.hub().coverageWindow();
        QVERIFY(coverage && coverage->isVisible());
        QCOMPARE(m_app.edit(u"Focale1"_s)->text(), u"8"_s);
        QCOMPARE(coverage->inputs().sensorSource, SensorSource::Custom);
        QTRY_COMPARE(coverage->findChild<QLabel*>(u"PixelDensity"_s)->text(), u"317.3 px/m"_s);
        {
            test::MessageBoxAnswer keep(QMessageBox::Cancel);
            QVERIFY(!m_app.window().close());
            QCOMPARE(keep.texts.size(), 1);
            QVERIFY(plan->isVisible());
        }
    }

    // Left-over unsaved changes (data folder) are offered at start: restored, shown unsaved under
    // their file (the rest: the window's suite); discarded, the copy goes and the plan stays shut.
    void offersUnsavedChangesAtStart_data() {
        QTest::addColumn<bool>("restore");
        QTest::newRow("restore") << true;
        QTest::newRow("discard") << false;
    }
    void offersUnsavedChangesAtStart() {
        QFETCH(bool, restore);
        Site site;
        site.cameras.resize(1);
        site.cameras[0].name = u"Gate"_s;
        const QString file = m_app.filePath(u"gate.vistaro"_s);
        SiteRecovery([&site, &file] { return UnsavedSite{site, file}; }).writeNow();
        m_app.start(".\r\n,\r\n\r\nD:\\\r\n");
        {
            test::MessageBoxAnswer answer(restore ? QMessageBox::Yes : QMessageBox::Discard);
            m_app.hub().offerSiteRecovery();
            QCOMPARE(answer.texts.size(), 1);
            QVERIFY(answer.texts[0].contains(u"gate.vistaro"_s));
        }
        SitePlan* plan = m_app.hub().sitePlan();
        QVERIFY(plan);
        QCOMPARE(plan->isVisible(), restore);
        // Restored, the copy is the running program's own until the changes are saved.
        QCOMPARE(QFile::exists(plan->recovery().filePath()), restore);
        QVERIFY(!SiteRecovery::leftIn(SiteRecovery::defaultFolder()));
        if (restore)
            QCOMPARE(plan->windowTitle(), u"gate.vistaro[*] - Site plan"_s);
    }
};

QTEST_MAIN(TestSitePlanHost)
#include "tst_siteplanhost.moc"
