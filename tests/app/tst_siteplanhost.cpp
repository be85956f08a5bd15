// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "coverage/coveragewindow.h"
#include "siteplan/siteplan.h"
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
};

QTEST_MAIN(TestSitePlanHost)
#include "tst_siteplanhost.moc"
