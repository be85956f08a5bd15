#include "app/settingsfile.h"
#include "support/hostilefiles.h"

#include <QTemporaryDir>

using namespace vistaro;
using test::HostileFile;

class TestSettingsFile : public QObject {
    Q_OBJECT

private slots:
    // Whatever the file holds, probe and load end without a crash: the probe gives line 1 (empty
    // when there is none or the file cannot be read, which is a first run), and each line the
    // file has overwrites its setting while the others keep theirs. Null bytes: no file.
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
        for (int i = 0; i < fields.size(); ++i) {
            if (i >= file.lineCount || i < file.lines.size())
                QCOMPARE(fields[i], i < file.lineCount ? file.lines[i] : before[i]);
        }
        QCOMPARE(probeSettings(path), file.lineCount > 0 ? loaded.DecimalSeparator : QString());
        if (file.bytes.count("\r\n") == 4 && file.bytes.endsWith("\r\n")) {
            const QString copy = dir.filePath(QStringLiteral("vistaro/lens.ini"));
            QCOMPARE(saveSettings(copy, loaded), std::nullopt);
            QFile saved(copy);
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QCOMPARE(saved.readAll(), file.bytes);
        }
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
