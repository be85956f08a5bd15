// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/filelist.h"
#include "platform/driveroots.h"
#include "support/drivemenuuser.h"
#include "support/sampleworkfolder.h"

#include <QGroupBox>
#include <QMenu>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

using namespace vistaro;
using namespace Qt::StringLiterals;
using test::SampleWorkFolder;

// Start-up, the first run, the settings menus and shut-down, seen through the settings file.
class TestStartup : public QObject {
    Q_OBJECT

    SampleWorkFolder m_app;

    // The first focal length of the catalogue tells the two files apart: "2,8" and "2.8".
    QString firstFocal() const { return m_app.program().LensCatalogue.value(0).FocalMin; }

private slots:
    void initTestCase() {
        QVERIFY(m_app.prepare());
        QGuiApplication::setQuitOnLastWindowClosed(false); // only the program decides to end
    }

    void cleanup() {
        m_app.stop();
        QFile::remove(QFileInfo(settingsFilePath()).path());
    }

    // No file, an empty line 1 or a file past 4 MiB (none the program wrote: not read but
    // reported once, naming it) is a first run: the chooser instead of the main window. Closing
    // the window on show ends the program, the settings file as it was.
    void startAndClose_data() {
        QTest::addColumn<QString>("message"); // a part of the one message, empty for none
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("state");
        const QString home = defaultDriveRoot();
        QTest::newRow("no file") << "" << QByteArray() << u"|||"_s + home + u'|';
        QTest::newRow("empty first line")
            << "" << QByteArray("\r\n.\r\n/l.lng\r\nX:\\\r\n") << u"|||"_s + home + u'|';
        QByteArray full = ",\r\n.\r\n\r\n/cd/\r\n";
        full += QByteArray((4 << 20) - full.size() - 2, 'x') + "\r\n";
        QTest::newRow("4 MiB") << "" << full << ",|.||/cd/|2,8";
        QTest::newRow("a byte past 4 MiB") << "4 MiB" << full + 'x' << u"|||"_s + home + u'|';
    }

    void startAndClose() {
        QFETCH(QString, message);
        QFETCH(QByteArray, settings);
        QFETCH(QString, state);
        const test::MessageBoxAnswer answer;
        m_app.start(settings);
        const ProgramState& p = m_app.program();
        const bool firstRun = state.startsWith(u'|');
        QWidget* chooser = m_app.hub().languageChooser();
        QCOMPARE(m_app.window().isVisible(), !firstRun);
        QCOMPARE(chooser && chooser->isVisible(), firstRun);
        const QStringList taken{p.DecimalSeparator, p.OtherSeparator, p.LanguageFile,
                                m_app.window().publicState().Drive, firstFocal()};
        QCOMPARE(taken.join(u'|'), state);
        QCOMPARE(answer.texts.size(), message.isEmpty() ? 0 : 1);
        for (const QString& text : answer.texts)
            QVERIFY2(text.contains(message) && text.contains(settingsFilePath()), qPrintable(text));
        const QObject thisTest;
        QTimer::singleShot(0, firstRun ? chooser : &m_app.window(), &QWidget::close);
        // A way out should the close not end the loop, gone with this test to spare later ones.
        QTimer::singleShot(3000, &thisTest, [] { QCoreApplication::exit(2); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(SampleWorkFolder::settingsBytes(), settings);
    }

    // A first-run pick applies the file, saves, shows the main window and arms TimerMove before
    // the separator question, then saves the answer and loads the catalogue that suits it. The
    // comma, which the regional format (en_US) does not write, is said to be so.
    void firstRunPick_data() {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QByteArray>("separators");
        QTest::addColumn<QString>("focal");
        QTest::addColumn<QString>("note");
        QTest::newRow("Yes: comma") << QMessageBox::Yes << QByteArray(",\r\n.\r\n") << "2,8"
                                    << "The regional format writes decimals with \".\", as in 3.5";
        QTest::newRow("No: point") << QMessageBox::No << QByteArray(".\r\n,\r\n") << "2.8"
                                   << "";
    }

    void firstRunPick() {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QByteArray, separators);
        QFETCH(QString, focal);
        QFETCH(QString, note);
        m_app.start();
        QPointer<frmSceltaLingua> chooser = m_app.hub().languageChooser();
        auto* files = chooser->findChild<FileList*>(QStringLiteral("File1"));
        const QList<QListWidgetItem*> items = files->findItems(u"English.lng"_s, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        const QByteArray rest = m_app.filePath(QStringLiteral("English.lng")).toUtf8() + "\r\n" +
                                defaultDriveRoot().toUtf8() + "\r\n";
        test::MessageBoxAnswer box(answer);
        QStringList asked;
        box.onOpen = [&] {
            if (!box.texts.isEmpty())
                return;
            asked << m_app.find<QGroupBox>(u"Sensore"_s)->title()
                  << QString::fromUtf8(SampleWorkFolder::settingsBytes())
                  << (m_app.window().isVisible() && m_app.window().TimerMove()->isActive()
                          ? u"shown, armed"_s
                          : u""_s);
            if (asked.size() == 3)
                emit files->itemClicked(items.first()); // a second pick, while it is open
        };
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(items.first()).center());
        QTRY_VERIFY(chooser.isNull());

        QCOMPARE(asked, (QStringList{u"Sensor"_s, QString::fromUtf8("\r\n\r\n" + rest),
                                     u"shown, armed"_s}));
        QCOMPARE(box.texts.value(0),
                 u"Is your decimal separator a comma, as in 3,5? (No: a point, as in 3.5)"_s);
        QCOMPARE(box.texts.size(), note.isEmpty() ? 1 : 2);
        QVERIFY(box.texts.constLast().startsWith(note));
        QCOMPARE(SampleWorkFolder::settingsBytes(), separators + rest);
        QCOMPARE(firstFocal(), focal);
    }

    // A root chosen in the CD Drive menu is the one in use, checked, and saved as settings line
    // 4 at once; a cancelled pick keeps the root and the file. "what the user does (as
    // tst_cddrivemenu: pick= or click=)>the root then".
    void cdDriveChoiceSaved_data() {
        QTest::addColumn<QString>("script");
        QTest::newRow("a volume clicked") << "click=/mnt/disc/>/mnt/disc/";
        QTest::newRow("a folder picked") << "pick=<copy>><copy>/";
        QTest::newRow("picking cancelled") << "pick=>/";
    }

    void cdDriveChoiceSaved() {
        QFETCH(QString, script);
        if constexpr (!DriveMenuOffersAnyFolder)
            QSKIP("Windows lists the drive letters C: to G:");
        const QTemporaryDir copy; // "<copy>"
        const QString action = script.replace(u"<copy>"_s, copy.path()).section(u'>', 0, 0);
        const QByteArray settings = ",\r\n.\r\n\r\n/\r\n";
        m_app.start(settings);
        CdDriveMenu* menu = m_app.window().CDDrive();
        test::useDriveMenu(*menu, {u"/"_s, u"/mnt/disc/"_s}, action);

        const QString root = script.section(u'>', 1);
        QCOMPARE(test::shownItems(*menu).filter(QStringLiteral("*")), QStringList{u"*"_s + root});
        QCOMPARE(m_app.window().publicState().Drive, root);
        QCOMPARE(SampleWorkFolder::settingsBytes(),
                 root == u"/" ? settings : ",\r\n.\r\n\r\n" + root.toUtf8() + "\r\n");
    }

    // The separator answer saves all four settings. A file in place of the settings folder: the
    // save fails, says so once naming the file and leaves it alone; the change holds for the run.
    void separatorSaved() {
        m_app.start(";\r\n;\r\n\r\nX:\\\r\n");
        {
            const test::MessageBoxAnswer yes(QMessageBox::Yes);
            m_app.find<QAction>(u"DecSeparator"_s)->trigger();
        }
        QCOMPARE(SampleWorkFolder::settingsBytes(), ",\r\n.\r\n\r\nX:\\\r\n");
        QFile blocker(QFileInfo(settingsFilePath()).path());
        QVERIFY(QDir(blocker.fileName()).removeRecursively() &&
                blocker.open(QIODevice::WriteOnly) && blocker.write("x") == 1);
        blocker.close();
        const test::MessageBoxAnswer no(QMessageBox::No);
        m_app.find<QAction>(u"DecSeparator"_s)->trigger();
        QCOMPARE(m_app.program().DecimalSeparator + m_app.program().OtherSeparator, u".,"_s);
        QCOMPARE(no.texts.size(), 2);
        QVERIFY(no.texts.last().contains(settingsFilePath()) && blocker.open(QIODevice::ReadOnly) &&
                blocker.readAll() == "x");
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
