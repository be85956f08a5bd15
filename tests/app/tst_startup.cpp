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

    // Runs the event loop until the program ends or `ms` pass; the exit code says which.
    static int runFor(int ms) {
        QTimer::singleShot(ms, [] { QCoreApplication::exit(2); });
        return QCoreApplication::exec();
    }

private slots:
    void initTestCase() {
        test::quietOffscreen();
        QVERIFY(m_folder.prepare());
        // Only the program itself may decide to end.
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }

    void init() {
        SampleWorkFolder::removeSettings();
        QDir(settingsFilePath()).removeRecursively();
    }

    void cleanup() { m_started.reset(); }

    // The settings, the catalogue and the check mark after start-up, from a settings file the
    // start leaves as it was. No file or an empty line 1 is a first run: the language chooser
    // instead of the main window.
    void start_data() {
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

    void start() {
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

    // A menu click saves all four settings at once.
    void menuClickSaves_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<QString>("checked");
        QTest::newRow("first volume")
            << "Volume1" << QMessageBox::Ok << ";\r\n;\r\n/l.lng\r\n" + m_first.toUtf8() + "\r\n"
            << "Volume1";
        QTest::newRow("comma") << "DecSeparator" << QMessageBox::Yes
                               << QByteArray(",\r\n.\r\n/l.lng\r\nX:\\\r\n") << "";
        QTest::newRow("point") << "DecSeparator" << QMessageBox::No
                               << QByteArray(".\r\n,\r\n/l.lng\r\nX:\\\r\n") << "";
    }

    void menuClickSaves() {
        QFETCH(QString, item);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QByteArray, saved);
        QFETCH(QString, checked);
        if (m_first.isEmpty() && item == u"Volume1")
            QSKIP("no mounted volume to pick");
        start(";\r\n;\r\n/l.lng\r\nX:\\\r\n");
        test::MessageBoxAnswer box(answer);
        window().findChild<QAction*>(item)->trigger();
        QCOMPARE(SampleWorkFolder::settingsBytes(), saved);
        QCOMPARE(this->checked(), checked);
    }

    // A settings file that cannot be replaced (a folder stands in its place) is reported once;
    // the change holds for the rest of the run.
    void failedSaveIsReportedOnce() {
        if (m_first.isEmpty())
            QSKIP("no mounted volume to pick");
        QVERIFY(QDir().mkpath(settingsFilePath()));
        start({});
        test::MessageBoxAnswer answer;
        window().CDDrive()->actions().first()->trigger();
        QTest::qWait(100);
        QCOMPARE(answer.count(), 1);
        QVERIFY(answer.texts().first().contains(settingsFilePath()));
        QCOMPARE(window().publicState().Drive, m_first);
        QCOMPARE(checked(), "Volume1");
    }

    // Closing the chooser on a first run, or the main window, ends the program.
    void closingEndsTheProgram_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::newRow("chooser on a first run") << QByteArray();
        QTest::newRow("main window") << QByteArray(",\r\n.\r\n\r\nX:\\\r\n");
    }

    void closingEndsTheProgram() {
        QFETCH(QByteArray, settings);
        start(settings);
        QSignalSpy quitting(QCoreApplication::instance(), &QCoreApplication::aboutToQuit);
        QWidget* shown = window().languageChooser();
        QTimer::singleShot(0, shown ? shown : &window(), &QWidget::close);
        QCOMPARE(runFor(3000), 0);
        QCOMPARE(quitting.count(), 1);
        QCOMPARE(SampleWorkFolder::settingsBytes(), settings);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
