#include "settingscontents.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <random>

using namespace vistaro;

// A program killed in the middle of saving its settings never leaves a torn file: after every
// kill the file holds one of the complete contents it was given.
class TestSettingsCrash : public QObject {
    Q_OBJECT

private slots:
    void killedWhileSaving() {
#ifdef Q_OS_WIN
        QSKIP("Kills a process with SIGKILL, which Windows does not have.");
#endif
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("vistaro/lens.ini"));
        const auto& complete = test::alternatingSettings();
        std::mt19937 generator(4711);
        std::uniform_int_distribution<int> delayMs(0, 12);
        for (int kill = 0; kill < 50; ++kill) {
            QProcess writer;
            writer.start(QStringLiteral(VISTARO_SETTINGSWRITER), {path});
            QVERIFY2(writer.waitForReadyRead(60000), qPrintable(writer.errorString()));
            QThread::msleep(delayMs(generator));
            writer.kill();
            QVERIFY(writer.waitForFinished(60000));
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

            Settings found{"?", "?", "?", "?"};
            loadSettings(path, found);
            QVERIFY2(std::find(complete.begin(), complete.end(), found) != complete.end(),
                     qPrintable(QStringLiteral("kill %1").arg(kill)));
        }
    }
};

QTEST_GUILESS_MAIN(TestSettingsCrash)
#include "tst_settingscrash.moc"
