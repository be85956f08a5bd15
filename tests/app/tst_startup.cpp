#include "calc/obbiettivi.h"
#include "platform/driveroots.h"
#include "platform/settingspath.h"
#include "support/messageboxanswer.h"
#include "support/quietoffscreen.h"

#include <QDir>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;

// Start-up, the settings menus and shut-down, seen through the settings file and the check
// marks of the CD-drive menu.
class TestStartup : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_workDir;
    std::unique_ptr<ProgramState> m_program;
    std::unique_ptr<Obbiettivi> m_window;
    const QString m_first = cdDriveRoots().isEmpty() ? QString() : cdDriveRoots().first().root;

    static QByteArray settingsBytes() {
        QFile file(settingsFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void start(const QByteArray& settings) {
        QFile file(settingsFilePath());
        QVERIFY(settings.isEmpty() || (QDir().mkpath(QFileInfo(file).path()) &&
                                       file.open(QIODevice::WriteOnly) && file.write(settings)));
        file.close();
        m_program = std::make_unique<ProgramState>();
        m_window = std::make_unique<Obbiettivi>(*m_program);
        m_window->Form_Load();
    }

    QString checked() const {
        QStringList names;
        for (const QAction* item : m_window->CDDrive()->actions())
            if (item->isChecked())
                names.append(item->objectName());
        return names.join(u' ');
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        test::quietOffscreen();
        QVERIFY(QDir::setCurrent(m_workDir.path()));
        // A one-lens catalogue in each of the two files, told apart by the lens name.
        for (const char* name : {"Obbiettivi1.txt", "Obbiettivi2.txt"}) {
            QFile file(QString::fromLatin1(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("FF\t") + name + "\tDD\t6\t6\t1.4\tno\t0.2\tXX\r\n");
        }
    }

    void init() {
        QFile::remove(settingsFilePath());
        QDir(settingsFilePath()).removeRecursively();
    }

    void cleanup() {
        m_window.reset();
        m_program.reset();
    }

    // The settings read, the first lens of the catalogue chosen and the check mark, from a
    // settings file the start leaves as it was. An empty line 1 marks a first run.
    void start_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("state");
        const QString first = m_first, home = defaultDriveRoot();
        QTest::newRow("no file") << QByteArray() << "|||" + home + "||";
        QTest::newRow("empty first line")
            << QByteArray("\r\n.\r\n/l.lng\r\nX:\\\r\n") << "|||" + home + "||";
        QTest::newRow("first volume")
            << ",\r\n.\r\n/l/it.lng\r\n" + first.toUtf8() + "\r\n"
            << ",|.|/l/it.lng|" + first + "|Obbiettivi1.txt|" + (first.isEmpty() ? "" : "Volume1");
        QTest::newRow("line 4 no root") << QByteArray(".\r\n,\r\n/l/it.lng\r\nX:\\\r\n")
                                        << ".|,|/l/it.lng|X:\\|Obbiettivi2.txt|";
    }

    void start() {
        QFETCH(QByteArray, settings);
        QFETCH(QString, state);
        start(settings);
        // A first run hands over to the language chooser and hides the main window.
        const bool firstRun = settings.isEmpty() || settings.startsWith("\r\n");
        QCOMPARE(m_window->isVisible(), !firstRun);
        QCOMPARE(m_window->languageChooser() != nullptr, firstRun);
        const Catalogue& lenses = m_program->LensCatalogue;
        QCOMPARE(QStringList({m_program->DecimalSeparator, m_program->OtherSeparator,
                              m_program->LanguageFile, m_window->publicState().Drive,
                              lenses.isEmpty() ? QString() : lenses.first().Name, checked()})
                     .join(u'|'),
                 state);
        QCOMPARE(settingsBytes(), settings);
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
        m_window->findChild<QAction*>(item)->trigger();
        QCOMPARE(settingsBytes(), saved);
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
        m_window->CDDrive()->actions().first()->trigger();
        QTest::qWait(100);
        QCOMPARE(answer.count(), 1);
        QVERIFY(answer.texts().first().contains(settingsFilePath()));
        QCOMPARE(m_window->publicState().Drive, m_first);
        QCOMPARE(checked(), "Volume1");
    }

    void closingEndsTheProgram() {
        start({});
        QTimer::singleShot(0, m_window.get(), &QWidget::close);
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
