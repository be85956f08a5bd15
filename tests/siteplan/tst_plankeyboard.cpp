// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "optics/coveragesettings.h"
#include "site/sitefile.h"
#include "support/messageboxanswer.h"
#include "support/siteexample.h"
#include "support/siteplanwindow.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

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

} // namespace

// The site plan worked from the keyboard alone.
class TestPlanKeyboard : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    test::PlanHost m_host;
    std::unique_ptr<CoverageSettings> m_settings;
    QString m_picked;

private slots:
    // A site of one camera at the origin looking east and one wall of three points north of it.
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        test::MessageBoxAnswer::failOnUnexpectedBoxes();
        m_settings = std::make_unique<CoverageSettings>();
        Site site;
        site.cameras = {test::entranceCamera()};
        site.walls = {SiteWall{{{0, 5}, {4, 5}, {8, 5}}}};
        QFile file(m_dir.filePath(u"keys.vistaro"_s));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(siteToJson(site)) > 0);
    }

    // Tab selects the camera, then the wall; the arrows move, [ and ] turn, "." and "," pick a
    // point of the wall, Delete takes it out: "keys|camera x y pan; wall points".
    void planByKeyboard_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        const QString untouched = u"0 0 0; 0 5, 4 5, 8 5"_s;
        QTest::newRow("move east") << u"Tab Right"_s << u"0.1 0 0; 0 5, 4 5, 8 5"_s;
        QTest::newRow("turn right") << u"Tab ]"_s << u"0 0 355; 0 5, 4 5, 8 5"_s;
        QTest::newRow("turn left, far") << u"Tab Shift+["_s << u"0 0 45; 0 5, 4 5, 8 5"_s;
        QTest::newRow("turn by arrows")
            << u"Tab Ctrl+Left Ctrl+Left Ctrl+Right"_s << u"0 0 5; 0 5, 4 5, 8 5"_s;
        QTest::newRow("back to the camera")
            << u"Tab Tab Shift+Tab Left"_s << u"-0.1 0 0; 0 5, 4 5, 8 5"_s;
        QTest::newRow("wall moves") << u"Tab Tab Down"_s << u"0 0 0; 0 4.9, 4 4.9, 8 4.9"_s;
        QTest::newRow("first point") << u"Tab Tab . Right"_s << u"0 0 0; 0.1 5, 4 5, 8 5"_s;
        QTest::newRow("last point") << u"Tab Tab , Shift+Left"_s << u"0 0 0; 0 5, 4 5, 7 5"_s;
        QTest::newRow("point dropped")
            << u"Tab Tab . Esc Right"_s << u"0 0 0; 0.1 5, 4.1 5, 8.1 5"_s;
        QTest::newRow("point deleted") << u"Tab Tab . . Del"_s << u"0 0 0; 0 5, 8 5"_s;
        QTest::newRow("wall keeps two") << u"Tab Tab . . Del Del"_s << u"0 0 0; 0 5, 8 5"_s;
        QTest::newRow("undone") << u"Tab ] Ctrl+Z"_s << untouched;
        QTest::newRow("left the plan") << u"Tab Tab Tab Right"_s << untouched;
        QTest::newRow("left at once") << u"Tab Ctrl+Tab Right"_s << untouched;
        QTest::newRow("back in, from the first")
            << u"Tab Tab Tab Shift+Tab Tab Right"_s << u"0.1 0 0; 0 5, 4 5, 8 5"_s;
    }

    void planByKeyboard() {
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        const std::unique_ptr<SitePlan> plan = test::shownSitePlan(m_host, *m_settings, m_picked);
        QVERIFY(plan->openFile(m_dir.filePath(u"keys.vistaro"_s)));
        QApplication::setActiveWindow(plan.get());
        QVERIFY(QTest::qWaitForWindowActive(plan.get()));
        // As Tab brings the keyboard to the plan.
        plan->planView().setFocus(Qt::TabFocusReason);
        for (const QString& key : keys.split(u' ')) {
            const QKeyCombination pressed = QKeySequence::fromString(key)[0];
            QTest::keyClick(QApplication::focusWidget(), pressed.key(),
                            pressed.keyboardModifiers());
        }
        QCOMPARE(cameraAndWall(plan->document().site()), expected);
        // Closing drops the changes without asking.
        plan->undoStack().setClean();
    }
};

QTEST_MAIN(TestPlanKeyboard)
#include "tst_plankeyboard.moc"
