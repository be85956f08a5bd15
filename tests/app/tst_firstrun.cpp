#include "lang/filelist.h"
#include "platform/driveroots.h"
#include "support/messageboxanswer.h"
#include "support/quietoffscreen.h"
#include "support/sampleworkfolder.h"

#include <QAction>
#include <QGroupBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace vistaro;

// The first run end to end: no settings, the language chooser completes the start.
class TestFirstRun : public QObject {
    Q_OBJECT

private:
    test::SampleWorkFolder m_folder;
    std::unique_ptr<test::StartedProgram> m_started;

    Obbiettivi& window() const { return *m_started->window; }
    const ProgramState& program() const { return m_started->program; }

    QString sensoreCaption() const {
        return window().findChild<QGroupBox*>(QStringLiteral("Sensore"))->title();
    }

    // Clicks `name` in the chooser's file list, as the user does.
    void pick(const QString& name) {
        frmSceltaLingua* chooser = window().languageChooser();
        QVERIFY(chooser);
        auto* files = chooser->findChild<FileList*>(QStringLiteral("File1"));
        QVERIFY(files);
        const QList<QListWidgetItem*> items = files->findItems(name, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(items.first()).center());
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
        test::SampleWorkFolder::removeSettings();
        m_started = std::make_unique<test::StartedProgram>();
    }

    void cleanup() { m_started.reset(); }

    void chooserInsteadOfTheMainWindow() {
        QVERIFY(window().languageChooser());
        QVERIFY(window().languageChooser()->isVisible());
        QVERIFY(!window().isVisible());
        QVERIFY(!window().TimerMove()->isActive());
        QVERIFY(program().LensCatalogue.isEmpty());
        QCOMPARE(window().publicState().Drive, defaultDriveRoot());
    }

    void pickingCompletesTheStart_data() {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QByteArray>("separators");
        QTest::addColumn<QString>("catalogue");
        QTest::newRow("Yes: comma")
            << QMessageBox::Yes << QByteArray(",\r\n.\r\n") << QStringLiteral("Obbiettivi1.txt");
        QTest::newRow("No: point")
            << QMessageBox::No << QByteArray(".\r\n,\r\n") << QStringLiteral("Obbiettivi2.txt");
    }

    void pickingCompletesTheStart() {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QByteArray, separators);
        QFETCH(QString, catalogue);
        QPointer<frmSceltaLingua> chooser = window().languageChooser();
        test::MessageBoxAnswer box(answer);
        pick(QStringLiteral("English.lng"));
        QTRY_VERIFY(chooser.isNull());

        const QStringList english = m_folder.lines(QStringLiteral("English.lng"));
        QCOMPARE(box.texts(), QStringList{english.first()});
        const QString path = m_folder.filePath(QStringLiteral("English.lng"));
        QCOMPARE(program().LanguageFile, path);
        QCOMPARE(test::SampleWorkFolder::settingsBytes(),
                 separators + path.toUtf8() + "\r\n" + defaultDriveRoot().toUtf8() + "\r\n");
        QVERIFY(window().isVisible());
        QCOMPARE(sensoreCaption(), english[10]);

        const QStringList lines = m_folder.lines(catalogue);
        QCOMPARE(program().LensCatalogue.size(), lines.size() + 2);
        QCOMPARE(program().LensCatalogue.first().FocalMin, lines.first().split(u'\t').at(3));
        // The start-up timer applies the language once more, then stops.
        QTRY_VERIFY(!window().TimerMove()->isActive());
        QCOMPARE(sensoreCaption(), english[10]);
    }

    void closingTheChooserEndsTheFirstRun() {
        QSignalSpy quitting(QCoreApplication::instance(), &QCoreApplication::aboutToQuit);
        QTimer::singleShot(0, window().languageChooser(), &QWidget::close);
        QCOMPARE(runFor(3000), 0);
        QCOMPARE(quitting.count(), 1);
        QVERIFY(test::SampleWorkFolder::settingsBytes().isEmpty());
    }

    // Opened from the menu while the main window is up, the chooser is one window, and closing
    // it leaves the program running.
    void languageMenuReusesTheChooser() {
        test::MessageBoxAnswer box(QMessageBox::Yes);
        pick(QStringLiteral("Italiano.lng"));
        QTRY_VERIFY(!window().languageChooser());

        window().Language()->trigger();
        QPointer<frmSceltaLingua> first = window().languageChooser();
        QVERIFY(first);
        QVERIFY(first->isVisible());
        window().Language()->trigger();
        QCOMPARE(window().languageChooser(), first.data());

        QTimer::singleShot(0, first.data(), &QWidget::close);
        QCOMPARE(runFor(300), 2);
        QVERIFY(first.isNull());
        QVERIFY(window().isVisible());
        window().Language()->trigger();
        QVERIFY(window().languageChooser());
    }
};

QTEST_MAIN(TestFirstRun)
#include "tst_firstrun.moc"
