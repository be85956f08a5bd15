#include "calc/obbiettivi.h"
#include "platform/driveroots.h"
#include "platform/settingspath.h"
#include "support/messageboxanswer.h"
#include "support/quietoffscreen.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace vistaro;

// Start-up, the settings menus and shut-down, checked through the settings file they read and
// write and the check marks of the CD-drive menu.
class TestStartup : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_workDir;
    std::unique_ptr<ProgramState> m_program;
    std::unique_ptr<Obbiettivi> m_window;

    static void writeSettings(const QByteArray& bytes) {
        QVERIFY(QDir().mkpath(QFileInfo(settingsFilePath()).path()));
        QFile file(settingsFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QByteArray settingsBytes() {
        QFile file(settingsFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A one-lens catalogue in each of the two files, told apart by the lens name.
    void writeCatalogues() const {
        for (const char* name : {"Obbiettivi1.txt", "Obbiettivi2.txt"}) {
            QFile file(m_workDir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("FF\t") + name + "\tDD\t6\t6\t1.4\tno\t0.2\tXX\r\n");
        }
    }

    void start() {
        m_program = std::make_unique<ProgramState>();
        m_window = std::make_unique<Obbiettivi>(*m_program);
        m_window->Form_Load();
    }

    QStringList checkedItems() const {
        QStringList names;
        for (const QAction* item : m_window->CDDrive()->actions())
            if (item->isChecked())
                names.append(item->objectName());
        return names;
    }

    static QList<DriveRoot> drives() { return cdDriveRoots(); }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        test::quietOffscreenSizeHints();
        QVERIFY(m_workDir.isValid());
        QVERIFY(QDir::setCurrent(m_workDir.path()));
        writeCatalogues();
    }

    void init() {
        QFile::remove(settingsFilePath());
        QDir(settingsFilePath()).removeRecursively();
    }

    void cleanup() {
        m_window.reset();
        m_program.reset();
    }

    void firstRun_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("empty first line") << QByteArray("\r\n.\r\n/l.lng\r\nX:\\\r\n");
    }

    void firstRun() {
        QFETCH(QByteArray, settings);
        if (!settings.isEmpty())
            writeSettings(settings);
        start();
        QVERIFY(m_window->isVisible());
        QVERIFY(!m_window->TimerMove()->isActive());
        QVERIFY(m_window->CalcoloFocale()->isActive());
        QCOMPARE(m_window->publicState().Drive, defaultDriveRoot());
        QVERIFY(m_program->DecimalSeparator.isEmpty());
        QVERIFY(m_program->OtherSeparator.isEmpty());
        QVERIFY(m_program->LanguageFile.isEmpty());
        QVERIFY(m_program->LensCatalogue.isEmpty());
        QCOMPARE(m_program->IrisCode, QStringLiteral("DD"));
        QCOMPARE(m_program->LensTypeCode, QStringLiteral("FF"));
        QCOMPARE(m_window->privateState().SensorHeight, 3.6);
        QCOMPARE(m_window->privateState().Row1.ValL(), QStringLiteral("5"));
        QCOMPARE(m_window->privateState().Row2.driver(), CalcField::Focale);
        QCOMPARE(settingsBytes(), settings);
    }

    // Line 4 `drive` is "first" for the first mounted volume's root, else taken as it stands.
    void normalStart_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("other");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("drive");
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<bool>("checksFirst");
        const auto S = [](const char* text) { return QString::fromLatin1(text); };
        const QString first = drives().isEmpty() ? QString() : drives().first().root;
        QTest::newRow("comma, first volume")
            << (",\r\n.\r\n/l/it.lng\r\n" + first.toUtf8() + "\r\n") << S(",") << S(".")
            << S("/l/it.lng") << first << S("Obbiettivi1.txt") << !first.isEmpty();
        QTest::newRow("point, no such root")
            << QByteArray(".\r\n,\r\n/l/it.lng\r\nX:\\\r\n") << S(".") << S(",") << S("/l/it.lng")
            << S("X:\\") << S("Obbiettivi2.txt") << false;
        QTest::newRow("one line keeps the default drive")
            << QByteArray(",\r\n") << S(",") << S("") << S("") << defaultDriveRoot()
            << S("Obbiettivi1.txt") << (defaultDriveRoot() == first);
        QTest::newRow("root in other case")
            << (";\r\n.\r\n\r\n" + first.toUpper().toUtf8() + "X\r\n") << S(";") << S(".") << S("")
            << first.toUpper() + "X" << S("Obbiettivi2.txt") << false;
    }

    void normalStart() {
        QFETCH(QByteArray, settings);
        QFETCH(QString, decimal);
        QFETCH(QString, other);
        QFETCH(QString, language);
        QFETCH(QString, drive);
        QFETCH(QString, catalogue);
        QFETCH(bool, checksFirst);
        writeSettings(settings);
        start();
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_program->DecimalSeparator, decimal);
        QCOMPARE(m_program->OtherSeparator, other);
        QCOMPARE(m_program->LanguageFile, language);
        QCOMPARE(m_window->publicState().Drive, drive);
        QCOMPARE(checkedItems(),
                 checksFirst ? QStringList{QStringLiteral("Volume1")} : QStringList());
        QVERIFY(!m_program->LensCatalogue.isEmpty());
        QCOMPARE(m_program->LensCatalogue.first().Name, catalogue);
        QVERIFY(m_window->TimerMove()->isActive());
        QTRY_VERIFY(!m_window->TimerMove()->isActive());
    }

    void missingCatalogueIsReportedOnce() {
        writeSettings(",\r\n.\r\n\r\nX:\\\r\n");
        QVERIFY(QFile::rename(m_workDir.filePath(QStringLiteral("Obbiettivi1.txt")),
                              m_workDir.filePath(QStringLiteral("moved.txt"))));
        test::MessageBoxAnswer answer;
        start();
        QTest::qWait(100);
        QVERIFY(QFile::rename(m_workDir.filePath(QStringLiteral("moved.txt")),
                              m_workDir.filePath(QStringLiteral("Obbiettivi1.txt"))));
        QCOMPARE(answer.count(), 1);
        QVERIFY(answer.texts().first().contains(QStringLiteral("Obbiettivi1.txt")));
    }

    void cdDriveItemSavesAndChecksItself() {
        if (drives().isEmpty())
            QSKIP("no mounted volume to pick");
        writeSettings(",\r\n.\r\n/l/it.lng\r\nX:\\\r\n");
        start();
        const QByteArray expected =
            ",\r\n.\r\n/l/it.lng\r\n" + drives().first().root.toUtf8() + "\r\n";
        for (int click = 0; click < 2; ++click) {
            m_window->CDDrive()->actions().first()->trigger();
            QCOMPARE(m_window->publicState().Drive, drives().first().root);
            QCOMPARE(settingsBytes(), expected);
            QCOMPARE(checkedItems(), QStringList{QStringLiteral("Volume1")});
        }
    }

    void otherFolderItem() {
        writeSettings(".\r\n,\r\n\r\nX:\\\r\n");
        start();
        auto* item = m_window->findChild<QAction*>(QStringLiteral("OtherFolder"));
        QVERIFY(item);
        m_window->setFolderPicker([](QWidget*) { return QString(); });
        item->trigger();
        QCOMPARE(checkedItems(), QStringList());
        QCOMPARE(settingsBytes(), QByteArray(".\r\n,\r\n\r\nX:\\\r\n"));

        const QString folder = m_workDir.path();
        m_window->setFolderPicker([folder](QWidget*) { return folder; });
        item->trigger();
        QCOMPARE(m_window->publicState().Drive, folder + u'/');
        QCOMPARE(checkedItems(), QStringList{QStringLiteral("OtherFolder")});
        QCOMPARE(settingsBytes(), ".\r\n,\r\n\r\n" + folder.toUtf8() + "/\r\n");
    }

    void decimalSeparatorQuestion_data() {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("Yes declares the comma") << QMessageBox::Yes << QByteArray(",\r\n.\r\n");
        QTest::newRow("No declares the point") << QMessageBox::No << QByteArray(".\r\n,\r\n");
    }

    void decimalSeparatorQuestion() {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QByteArray, saved);
        writeSettings(",\r\n.\r\n/l/it.lng\r\nX:\\\r\n");
        start();
        const Catalogue before = m_program->LensCatalogue;
        m_window->publicState().Sep = QStringLiteral("Comma?");
        test::MessageBoxAnswer box(answer);
        m_window->DecSeparator()->trigger();
        QCOMPARE(box.texts(), QStringList{QStringLiteral("Comma?")});
        QCOMPARE(settingsBytes(), saved + "/l/it.lng\r\nX:\\\r\n");
        QCOMPARE(m_program->LensCatalogue, before);
        QCOMPARE(m_program->OtherSeparator, QString::fromLatin1(saved.mid(3, 1)));
    }

    // A settings file that cannot be replaced (here a folder stands in its place) is reported
    // once per change; the change holds for the rest of the run.
    void failedSaveIsReportedOnce() {
        if (drives().isEmpty())
            QSKIP("no mounted volume to pick");
        QVERIFY(QDir().mkpath(settingsFilePath()));
        start();
        test::MessageBoxAnswer answer;
        m_window->CDDrive()->actions().first()->trigger();
        QTest::qWait(100);
        QCOMPARE(answer.count(), 1);
        QVERIFY(answer.texts().first().contains(settingsFilePath()));
        QCOMPARE(m_window->publicState().Drive, drives().first().root);
        QCOMPARE(checkedItems(), QStringList{QStringLiteral("Volume1")});
    }

    void closingEndsTheProgram() {
        start();
        QTimer::singleShot(0, m_window.get(), &QWidget::close);
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
