#include "lang/filelist.h"
#include "platform/driveroots.h"
#include "support/messageboxanswer.h"
#include "support/quietoffscreen.h"
#include "support/sampleworkfolder.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using namespace vistaro;
using test::SampleWorkFolder;

// Start-up, the first run through the language chooser, the settings menus and shut-down, seen
// through the settings file, the catalogue loaded and the check marks of the CD-drive menu.
class TestStartup : public QObject {
    Q_OBJECT

private:
    SampleWorkFolder m_folder;
    std::unique_ptr<test::StartedProgram> m_started;
    const QString m_first = cdDriveRoots().isEmpty() ? QString() : cdDriveRoots().first().root;

    Obbiettivi& window() const { return *m_started->window; }
    const ProgramState& program() const { return m_started->program; }

    void start(const QByteArray& settings) {
        QVERIFY(settings.isEmpty() || SampleWorkFolder::writeSettings(settings));
        m_started = std::make_unique<test::StartedProgram>();
    }

    QString checked() const {
        QStringList names;
        for (const QAction* item : window().CDDrive()->actions())
            if (item->isChecked())
                names.append(item->objectName());
        return names.join(u' ');
    }

    // The first focal length of the catalogue tells the two files apart: "2,8" and "2.8".
    QString firstFocal() const {
        return program().LensCatalogue.isEmpty() ? QString()
                                                 : program().LensCatalogue.first().FocalMin;
    }

private slots:
    void initTestCase() {
        test::quietOffscreen();
        QVERIFY(m_folder.prepare());
        // Only the program itself may decide to end.
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }

    void init() { SampleWorkFolder::removeSettings(); }

    void cleanup() {
        m_started.reset();
        QFile::remove(QFileInfo(settingsFilePath()).path());
    }

    // The settings, the catalogue and the check mark after start-up. No file or an empty line 1
    // is a first run: the language chooser instead of the main window. Closing the window on show
    // ends the program, the settings file as it was.
    void startAndClose_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("state");
        const QString first = m_first, home = defaultDriveRoot();
        QTest::newRow("no file") << QByteArray() << "|||" + home + "||";
        QTest::newRow("empty first line")
            << QByteArray("\r\n.\r\n/l.lng\r\nX:\\\r\n") << "|||" + home + "||";
        QTest::newRow("first volume")
            << ",\r\n.\r\n/l/it.lng\r\n" + first.toUtf8() + "\r\n"
            << ",|.|/l/it.lng|" + first + "|2,8|" + (first.isEmpty() ? "" : "Volume1");
        QTest::newRow("line 4 no root")
            << QByteArray(".\r\n,\r\n/l/it.lng\r\nX:\\\r\n") << ".|,|/l/it.lng|X:\\|2.8|";
    }

    void startAndClose() {
        QFETCH(QByteArray, settings);
        QFETCH(QString, state);
        start(settings);
        const bool firstRun = settings.isEmpty() || settings.startsWith("\r\n");
        QCOMPARE(window().isVisible(), !firstRun);
        QCOMPARE(window().languageChooser() && window().languageChooser()->isVisible(), firstRun);
        QCOMPARE(QStringList({program().DecimalSeparator, program().OtherSeparator,
                              program().LanguageFile, window().publicState().Drive, firstFocal(),
                              checked()})
                     .join(u'|'),
                 state);
        QSignalSpy quitting(QCoreApplication::instance(), &QCoreApplication::aboutToQuit);
        QWidget* shown = firstRun ? static_cast<QWidget*>(window().languageChooser()) : &window();
        QTimer::singleShot(0, shown, &QWidget::close);
        QTimer::singleShot(3000, [] { QCoreApplication::exit(2); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(quitting.count(), 1);
        QCOMPARE(SampleWorkFolder::settingsBytes(), settings);
    }

    // Picking a language file on a first run saves all four settings, the separators as the
    // answer says, and loads the catalogue that suits them and the language.
    void firstRunPick_data() {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QByteArray>("separators");
        QTest::addColumn<QString>("focal");
        QTest::newRow("Yes: comma") << QMessageBox::Yes << QByteArray(",\r\n.\r\n") << "2,8";
        QTest::newRow("No: point") << QMessageBox::No << QByteArray(".\r\n,\r\n") << "2.8";
    }

    void firstRunPick() {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QByteArray, separators);
        QFETCH(QString, focal);
        start({});
        QPointer<frmSceltaLingua> chooser = window().languageChooser();
        auto* files = chooser->findChild<FileList*>(QStringLiteral("File1"));
        const QList<QListWidgetItem*> items = files->findItems("English.lng", Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        test::MessageBoxAnswer box(answer);
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(items.first()).center());
        QTRY_VERIFY(chooser.isNull());

        const QStringList english = m_folder.lines(QStringLiteral("English.lng"));
        QCOMPARE(box.texts(), QStringList{english.first()});
        const QString path = m_folder.filePath(QStringLiteral("English.lng"));
        QCOMPARE(SampleWorkFolder::settingsBytes(),
                 separators + path.toUtf8() + "\r\n" + defaultDriveRoot().toUtf8() + "\r\n");
        QVERIFY(window().isVisible());
        QCOMPARE(firstFocal(), focal);
        QCOMPARE(window().findChild<QGroupBox*>(QStringLiteral("Sensore"))->title(), english[10]);
    }

    // A menu click saves all four settings at once. Where a file stands in place of the settings
    // folder, the save fails, says so once naming the file, leaves that file alone, and the
    // change holds for the rest of the run.
    void menuClickSaves_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QByteArray>("saved"); // null: the settings folder is blocked
        QTest::addColumn<QString>("checked");
        const QByteArray first = m_first.toUtf8();
        QTest::newRow("first volume")
            << "Volume1" << QMessageBox::Ok << ";\r\n;\r\n/l.lng\r\n" + first + "\r\n"
            << "Volume1";
        QTest::newRow("comma") << "DecSeparator" << QMessageBox::Yes
                               << QByteArray(",\r\n.\r\n/l.lng\r\nX:\\\r\n") << "";
        QTest::newRow("point") << "DecSeparator" << QMessageBox::No
                               << QByteArray(".\r\n,\r\n/l.lng\r\nX:\\\r\n") << "";
        QTest::newRow("save fails") << "Volume1" << QMessageBox::Ok << QByteArray() << "Volume1";
    }

    void menuClickSaves() {
        QFETCH(QString, item);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QByteArray, saved);
        QFETCH(QString, checked);
        if (m_first.isEmpty() && item == u"Volume1")
            QSKIP("no mounted volume to pick");
        QFile blocker(QFileInfo(settingsFilePath()).path());
        start(";\r\n;\r\n/l.lng\r\nX:\\\r\n");
        QVERIFY(!saved.isNull() || (QDir(blocker.fileName()).removeRecursively() &&
                                    blocker.open(QIODevice::WriteOnly) && blocker.write("x") == 1));
        blocker.close();
        test::MessageBoxAnswer box(answer);
        window().findChild<QAction*>(item)->trigger();
        QTest::qWait(50);
        QCOMPARE(this->checked(), checked);
        if (saved.isNull()) {
            QCOMPARE(box.count(), 1);
            QVERIFY(box.texts().first().contains(settingsFilePath()));
            QVERIFY(blocker.open(QIODevice::ReadOnly) && blocker.readAll() == "x");
        } else {
            QCOMPARE(SampleWorkFolder::settingsBytes(), saved);
        }
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
