// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settingsfile.h"
#include "catalogue/catalogueloader.h"
#include "lang/languagefile.h"
#include "support/hostilefiles.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <array>
#include <cstdio>

using namespace vistaro;
using namespace Qt::StringLiterals;
using test::HostileFile;

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

// Good and hostile files against the settings, catalogue and language readers; a killed writer.
class TestReaders : public QObject {
    Q_OBJECT

private slots:
    void readers_data() {
        using Kind = HostileFile::Kind;
        QTest::addColumn<QString>("catalogue"); // what the loader's message says, empty for none
        QTest::addColumn<HostileFile>("file");
        const QString nul(1, u'\0');
        QTest::newRow("empty") << "" << HostileFile{"", 0, {}};
        QTest::newRow("one 1 MB line")
            << "" << HostileFile{QByteArray(1 << 20, 'x'), 1, {QString(1 << 20, u'x')}};
        QTest::newRow("NUL bytes")
            << "" << HostileFile{QByteArray("F\0\r\n\0", 5), 2, {u"F"_s + nul, nul}};
        QTest::newRow("CR-only ends")
            << ""
            << HostileFile{"FF\tA\rHSP\tB\rVAR\tC", 3, {u"FF\tA"_s, u"HSP\tB"_s, u"VAR\tC"_s}};
        QTest::newRow("folder in place of the file")
            << "was not found" << HostileFile{"", 0, {}, Kind::Folder};
        QTest::newRow("no read permission")
            << "could not be read" << HostileFile{",\r\n.\r\n", 0, {}, Kind::Unreadable};
        QTest::newRow("four lines")
            << ""
            << HostileFile{
                   ",\r\n.\r\n/zoë.lng\r\n/cd/\r\n", 4, {u","_s, u"."_s, u"/zoë.lng"_s, u"/cd/"_s}};
        QTest::newRow("one line, one character") << "" << HostileFile{",", 1, {u","_s}};
    }

    void readers() {
        QFETCH(QString, catalogue);
        QFETCH(HostileFile, file);
        QTemporaryDir dir;
        const QString name = QStringLiteral("Obbiettivi2.txt");
        const QString path = dir.filePath(name);
        if (!test::placeHostile(file, path))
            QSKIP("root can read a file without read permission");

        // Settings: each line present overwrites its setting, the rest keep; the probe: line 1.
        const QStringList before{u"1"_s, u"2"_s, u"3"_s, u"D:\\"_s};
        Settings loaded{before[0], before[1], before[2], before[3]};
        loadSettings(path, loaded);
        const QStringList fields{loaded.DecimalSeparator, loaded.OtherSeparator,
                                 loaded.LanguageFile, loaded.Drive};
        for (int i = 0; i < fields.size(); ++i)
            if (i >= file.lineCount || i < file.lines.size())
                QCOMPARE(fields[i], i < file.lineCount ? file.lines[i] : before[i]);
        QCOMPARE(probeSettings(path), file.lineCount > 0 ? loaded.DecimalSeparator : QString());

        // Catalogue: N lines give N + 2 rows.
        Catalogue rows;
        BlockBounds bounds;
        const std::optional<QString> message = CaricaDatiDa(name, {dir.path()}, rows, bounds);
        QCOMPARE(rows.size(), file.lineCount + 2);
        QCOMPARE(message.has_value(), !catalogue.isEmpty());
        QVERIFY2(!message || message->contains(catalogue), qPrintable(message.value_or(QString())));

        // Language: no line, nothing; else 26 texts, a short file's last line repeated to the end.
        const std::optional<QStringList> texts = readLanguageFile(path);
        QCOMPARE(texts.has_value(), file.lineCount > 0);
        if (!texts)
            return;
        QCOMPARE(texts->size(), 26);
        QStringList expected = file.lines.mid(0, 26);
        while (file.lines.size() == file.lineCount && expected.size() < 26)
            expected << expected.constLast();
        QCOMPARE(texts->mid(0, expected.size()), expected);
    }

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
    TestReaders test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_readers.moc"
