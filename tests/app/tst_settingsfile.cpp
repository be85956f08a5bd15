// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settingsfile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <array>
#include <cstdio>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

// They differ in every line and in length, so a torn or mixed file matches neither.
const std::array<Settings, 2> contents{
    Settings{u","_s, u"."_s, u"/opt/vistaro/lingue/Italiano.lng"_s, u"/media/cdrom/"_s},
    Settings{u"."_s, u","_s, u"/home/user/"_s + QString(4000, u'l') + u"/English.lng"_s,
             u"D:\\"_s}};

// Saves the two contents in turn for ever, saying "saving" once the first round is done.
int saveForEver(const QString& path) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    for (int round = 0;; ++round) {
        for (const Settings& settings : contents)
            if (saveSettings(path, settings))
                return 1;
        if (round == 0)
            std::puts("saving");
    }
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

private slots:
    // Killed while saving, the writer leaves one of the complete contents, never a torn file.
    void killedWhileSaving() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("vistaro/lens.ini"));
        for (int kill = 0; kill < 50; ++kill) {
            QProcess writer;
            writer.start(QCoreApplication::applicationFilePath(), {u"--save"_s, path});
            QVERIFY2(writer.waitForReadyRead(60000), qPrintable(writer.errorString()));
            QThread::msleep(kill % 13); // 0 to 12 ms into the saving
            writer.kill();
            QVERIFY(writer.waitForFinished(60000));
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

            Settings found{u"?"_s, u"?"_s, u"?"_s, u"?"_s};
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
