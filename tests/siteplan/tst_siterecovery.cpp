// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "optics/coveragesettings.h"
#include "site/plangeometry.h"
#include "siteplan/siteplan.h"
#include "support/messageboxanswer.h"
#include "support/siteplanwindow.h"

#include <QAction>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

constexpr std::chrono::milliseconds Interval{40};

// Two cameras and a wall between them.
Site sample() {
    Site site;
    site.cameras.resize(2);
    site.cameras[0].name = u"Entrance"_s;
    site.cameras[1].name = u"Yard"_s;
    site.cameras[1].position = {10, 6};
    site.walls = {SiteWall{{{4, -4}, {4, 4}}}};
    return site;
}

} // namespace

// The copy of a site plan's unsaved changes: written a moment after a change, offered back after
// a crash, gone once nothing is unsaved, and never written while nothing changes.
class TestSiteRecovery : public QObject {
    Q_OBJECT

    test::PlanHost m_host;
    std::unique_ptr<CoverageSettings> m_settings;
    std::unique_ptr<SitePlan> m_plan;
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString copy() const { return path(u"data/recovery.vistaro"_s); }
    QAction* action(const char* name) const {
        return m_plan->findChild<QAction*>(QLatin1String(name));
    }
    QByteArray shown() const { return siteToJson(m_plan->document().site()); }
    // The site in the copy, empty while there is none.
    QByteArray copied() const {
        const SiteRead read = SiteFile::read(copy());
        return read.site ? siteToJson(*read.site) : QByteArray();
    }

    // A fresh window with its copy in a folder of the test's own, quick to write; the window
    // that was there goes without being closed, as in a crash.
    void make() {
        m_plan = std::make_unique<SitePlan>(m_host, *m_settings, std::make_unique<PlanGeometry>());
        m_plan->recovery().setFolder(path(u"data"_s));
        m_plan->recovery().setInterval(Interval);
    }
    // A fresh window on the sample site, saved as "sample.vistaro".
    void open() {
        make();
        QVERIFY(!SiteFile::save(path(u"sample.vistaro"_s), sample()));
        QVERIFY(m_plan->openFile(path(u"sample.vistaro"_s)));
    }
    void edit() {
        m_plan->planView().select({{ItemKind::Camera, 0}});
        action("DeleteSelection")->trigger();
    }
    // Long enough for several writes, had any been due.
    static void idle() { QTest::qWait(int(Interval.count()) * 5); }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        test::MessageBoxAnswer::failOnUnexpectedBoxes();
        m_settings = std::make_unique<CoverageSettings>();
    }
    void cleanup() {
        m_plan.reset();
        QFile::remove(copy());
    }

    // A window with unsaved changes goes without being closed; the next one offers them back,
    // shows them as they were, unsaved, under the file they belong to, and keeps the copy until
    // they are saved.
    void restoredAfterACrash_data() {
        QTest::addColumn<bool>("hasFile");
        QTest::newRow("site file") << true;
        QTest::newRow("untitled") << false;
    }
    void restoredAfterACrash() {
        QFETCH(bool, hasFile);
        if (hasFile) {
            open();
            edit();
        } else {
            make();
            m_plan->follow({u"8"_s, u"12"_s, {}, {}, false, SensorFormat::Third, u"."_s}, u"T8"_s);
            action("AddCamera")->trigger();
        }
        const QByteArray edited = shown();
        QTRY_VERIFY(QFile::exists(copy()));
        m_plan.reset();

        make();
        QString asked;
        m_plan->setRestoreAsker([&asked](QWidget*, const QString& text) {
            asked = text;
            return true;
        });
        QVERIFY(m_plan->offerRecovery());
        QVERIFY2(asked.contains(hasFile ? u"sample.vistaro"_s : u"Untitled"_s), qPrintable(asked));
        QCOMPARE(shown(), edited);
        QCOMPARE(m_plan->fileName(), hasFile ? path(u"sample.vistaro"_s) : QString());
        QVERIFY(m_plan->isWindowModified());
        QVERIFY(!m_plan->undoStack().isClean());
        QVERIFY(QFile::exists(copy()));

        if (!hasFile)
            m_plan->setSavePicker([this](QWidget*, const QString&, const QString&, const QString&) {
                return path(u"new.vistaro"_s);
            });
        QVERIFY(m_plan->save());
        QVERIFY(!QFile::exists(copy()));
        QCOMPARE(siteToJson(*SiteFile::read(m_plan->fileName()).site), edited);
    }

    // Once nothing is unsaved the copy goes, and no write comes after: saved, undone back,
    // discarded on closing (as the program's normal end does), saved on closing, or another
    // site started.
    void goneWhenNothingIsUnsaved_data() {
        QTest::addColumn<QString>("step");
        for (const char* step : {"save", "undo", "close, discard", "close, save", "new, discard"})
            QTest::newRow(step) << QString::fromLatin1(step);
    }
    void goneWhenNothingIsUnsaved() {
        QFETCH(QString, step);
        open();
        edit();
        QTRY_VERIFY(QFile::exists(copy()));
        test::MessageBoxAnswer box(step.endsWith(u"save"_s) ? QMessageBox::Save
                                                            : QMessageBox::Discard);
        if (step == u"save"_s)
            action("SiteSave")->trigger();
        else if (step == u"undo"_s)
            action("Undo")->trigger();
        else if (step.startsWith(u"close"_s))
            m_plan->close();
        else
            action("SiteNew")->trigger();
        QCOMPARE(box.texts.size(), step.contains(u", "_s) ? 1 : 0);
        QVERIFY(!m_plan->isWindowModified());
        QVERIFY(!QFile::exists(copy()));
        idle();
        QVERIFY(!QFile::exists(copy()));
    }

    // An edit is written once after the interval; nothing is written before any edit, nor again
    // while the plan stays as it is.
    void nothingWrittenWhileNothingChanges() {
        open();
        idle();
        QVERIFY(!QFile::exists(copy()));
        edit();
        QVERIFY(!QFile::exists(copy()));
        QTRY_VERIFY(QFile::exists(copy()));
        QCOMPARE(copied(), shown());
        QVERIFY(QFile::remove(copy()));
        idle();
        QVERIFY(!QFile::exists(copy()));
        action("Undo")->trigger();
        action("Redo")->trigger();
        QTRY_VERIFY(QFile::exists(copy()));
    }

    // The copy of another program running at the same time is neither offered nor overwritten;
    // once that program is gone without a normal end, it is offered.
    void anotherRunningProgramKeepsItsCopy() {
        open();
        edit();
        QTRY_VERIFY(QFile::exists(copy()));
        const QByteArray theirs = copied();
        QLockFile other(path(u"data/recovery.lock"_s));
        m_plan.reset();
        other.setStaleLockTime(0);
        QVERIFY(other.tryLock(0));

        open();
        QVERIFY(!m_plan->offerRecovery());
        QVERIFY(!SiteRecovery::leftIn(path(u"data"_s)));
        edit();
        edit();
        QTRY_VERIFY(m_plan->statusBar()->currentMessage().contains(u"another Vistaro"_s));
        QCOMPARE(copied(), theirs);
        m_plan->recovery().discard();
        QCOMPARE(copied(), theirs);

        other.unlock();
        QVERIFY(SiteRecovery::leftIn(path(u"data"_s)));
        m_plan->setRestoreAsker([](QWidget*, const QString&) { return true; });
        QVERIFY(m_plan->offerRecovery());
        QCOMPARE(shown(), theirs);
    }
};

QTEST_MAIN(TestSiteRecovery)
#include "tst_siterecovery.moc"
