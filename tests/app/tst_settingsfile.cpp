#include "app/settingsfile.h"
#include "support/hostilefiles.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <array>
#include <cstdio>
#include <random>

using namespace vistaro;
using test::HostileFile;

namespace {

// They differ in every line and in length, so a torn or mixed file matches neither.
const std::array<Settings, 2> contents{
    Settings{",", ".", "/opt/vistaro/lingue/Italiano.lng", "/media/cdrom/"},
    Settings{".", ",", "/home/user/" + QString(4000, u'l') + "/English.lng", "D:\\"}};

// Saves the two contents in turn for ever, saying "saving" once the first round is done.
int saveForEver(const QString& path) {
    for (bool announced = false;; announced = true) {
        for (const Settings& settings : contents)
            if (saveSettings(path, settings))
                return 1;
        if (!announced) {
            std::puts("saving");
            std::fflush(stdout);
        }
    }
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

private slots:
    // The probe gives line 1 (empty: a first run); each line the file has overwrites its
    // setting, the others keep theirs. Null bytes: no file.
    void loadAndSave_data() {
        QTest::addColumn<HostileFile>("file");
        for (const auto& [name, file] : test::hostileFiles())
            QTest::newRow(name) << file;
        QTest::newRow("four CR LF lines, saved back alike") << HostileFile{
            ",\r\n.\r\n/zo\xc3\xab.lng\r\n/cd/\r\n", 4, {",", ".", "/zoë.lng", "/cd/"}};
        QTest::newRow("empty first line")
            << HostileFile{"\r\n.\r\nIt.lng\r\nE:\\\r\n", 4, {"", ".", "It.lng", "E:\\"}};
        QTest::newRow("one line") << HostileFile{",\r\n", 1, {","}};
        QTest::newRow("three lines")
            << HostileFile{",\r\n.\r\nIt.lng\r\n", 3, {",", ".", "It.lng"}};
        QTest::newRow("no file") << HostileFile{};
    }

    void loadAndSave() {
        QFETCH(HostileFile, file);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lens.ini"));
        if (!file.bytes.isNull())
            VISTARO_PLACE_HOSTILE(file, path);

        const QStringList before{"1", "2", "3", "D:\\"};
        Settings loaded{before[0], before[1], before[2], before[3]};
        loadSettings(path, loaded);
        const QStringList fields{loaded.DecimalSeparator, loaded.OtherSeparator,
                                 loaded.LanguageFile, loaded.Drive};
        for (int i = 0; i < fields.size(); ++i)
            if (i >= file.lineCount || i < file.lines.size())
                QCOMPARE(fields[i], i < file.lineCount ? file.lines[i] : before[i]);
        QCOMPARE(probeSettings(path), file.lineCount > 0 ? loaded.DecimalSeparator : QString());
        if (file.bytes.count("\r\n") == 4 && file.bytes.endsWith("\r\n")) {
            const QString copy = dir.filePath(QStringLiteral("vistaro/lens.ini"));
            QCOMPARE(saveSettings(copy, loaded), std::nullopt);
            QFile saved(copy);
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QCOMPARE(saved.readAll(), file.bytes);
        }
    }

    // Killed while saving, the writer leaves one of the complete contents, never a torn file.
    void killedWhileSaving() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("vistaro/lens.ini"));
        std::mt19937 generator(4711);
        std::uniform_int_distribution<int> delayMs(0, 12);
        for (int kill = 0; kill < 50; ++kill) {
            QProcess writer;
            writer.start(QCoreApplication::applicationFilePath(), {"--save", path});
            QVERIFY2(writer.waitForReadyRead(60000), qPrintable(writer.errorString()));
            QThread::msleep(delayMs(generator));
            writer.kill();
            QVERIFY(writer.waitForFinished(60000));
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

            Settings found{"?", "?", "?", "?"};
            loadSettings(path, found);
            QVERIFY2(found == contents[0] || found == contents[1],
                     qPrintable(QString::number(kill)));
        }
    }
};

// "--save <path>" makes this program the writer that killedWhileSaving kills.
int main(int argc, char** argv) {
    if (argc == 3 && qstrcmp(argv[1], "--save") == 0)
        return saveForEver(QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    TestSettingsFile test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_settingsfile.moc"
