// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "coverage/coveragewindow.h"
#include "siteplan/siteplan.h"
#include "siteplan/siterecovery.h"
#include "support/sampleworkfolder.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

using namespace vistaro;
using namespace Qt::StringLiterals;

// The site plan on the real program: opened from the Tools menu, adding a camera from what the
// calculator and the coverage window hold, showing one in the coverage window, and keeping the
// program open while its changes are not saved.
class TestSitePlanHost : public QObject {
    Q_OBJECT

    test::SampleWorkFolder m_app;

private slots:
    void initTestCase() { QVERIFY(m_app.prepare()); }

    // 1/3", full HD: 6 mm at 10 m; the camera shown with 8 mm gives 320 px/m.
    void addsFromTheCalculatorAndShowsInCoverage() {
        m_app.start(".\r\n,\r\n\r\nD:\\\r\n");
        QApplication::setActiveWindow(&m_app.window());
        QVERIFY(QTest::qWaitForWindowActive(&m_app.window()));
        QVERIFY(m_app.window().Tools()->actions().contains(m_app.window().OpenSitePlan()));
        m_app.retype(u"L1"_s, u"10"_s);
        m_app.waitTicks();
        m_app.retype(u"Focale1"_s, u"6"_s);
        m_app.waitTicks();
        QTest::keyClick(&m_app.window(), Qt::Key_L, Qt::ControlModifier);
        SitePlan* plan = m_app.window().sitePlan();
        QVERIFY(plan && plan->isVisible());
        QCOMPARE(plan->windowTitle(), u"Untitled[*] - Site plan"_s);

        plan->findChild<QAction*>(u"AddCamera"_s)->trigger();
        QCOMPARE(plan->document().site().cameras.size(), std::size_t(1));
        const SiteCamera added = plan->document().site().cameras[0];
        QCOMPARE(added.focalMm, 6.0);
        QCOMPARE(added.distanceM, 10.0);
        QCOMPARE(added.camera.sensor, sensorOfFormat(SensorFormat::Third)); // the start-up format

        plan->findChild<QDoubleSpinBox*>(u"Focal"_s)->setValue(8);
        m_app.click(u"ShowInCoverage"_s, plan);
        CoverageWindow* coverage = m_app.window().coverageWindow();
        QVERIFY(coverage && coverage->isVisible());
        QCOMPARE(m_app.edit(u"Focale1"_s)->text(), u"8"_s);
        QCOMPARE(coverage->inputs().sensorSource, SensorSource::Custom);
        QTRY_COMPARE(coverage->findChild<QLabel*>(u"PixelDensity"_s)->text(), u"320 px/m"_s);

        // The main window stays while the user keeps the unsaved site.
        test::MessageBoxAnswer keep(QMessageBox::Cancel);
        QVERIFY(!m_app.window().close());
        QCOMPARE(keep.texts.size(), 1);
        QVERIFY(plan->isVisible());
    }

    // Unsaved changes that a run left behind are offered at the start, in the program's data
    // folder: restored, the site plan shows them unsaved under their file's name, and saving
    // them drops the copy; discarded, the copy goes and the site plan stays closed.
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
            m_app.window().offerSiteRecovery();
            QCOMPARE(answer.texts.size(), 1);
            QVERIFY(answer.texts[0].contains(u"gate.vistaro"_s));
        }
        SitePlan* plan = m_app.window().sitePlan();
        QVERIFY(plan);
        QCOMPARE(plan->isVisible(), restore);
        // Restored, the copy is the running program's own until the changes are saved.
        QCOMPARE(QFile::exists(plan->recovery().filePath()), restore);
        QVERIFY(!SiteRecovery::leftIn(SiteRecovery::defaultFolder()));
        if (!restore)
            return;
        QCOMPARE(plan->windowTitle(), u"gate.vistaro[*] - Site plan"_s);
        QVERIFY(plan->isWindowModified());
        QCOMPARE(plan->document().site().cameras.at(0).name, u"Gate"_s);
        test::MessageBoxAnswer save(QMessageBox::Save);
        QVERIFY(plan->close());
        QVERIFY(!QFile::exists(plan->recovery().filePath()));
        QVERIFY(QFile::exists(file));
    }
};

QTEST_MAIN(TestSitePlanHost)
#include "tst_siteplanhost.moc"
