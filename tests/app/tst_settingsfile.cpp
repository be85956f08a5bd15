#include "app/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;

namespace {

QString joined(const Settings& s) {
    return QStringList{s.DecimalSeparator, s.OtherSeparator, s.LanguageFile, s.Drive}.join(u'|');
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

private slots:
    // Each line the file has overwrites what start-up holds (the drive "D:\" alone); a file of
    // four CR LF lines is written back byte for byte, in a folder created for it.
    void loadAndSave_data() {
        QTest::addColumn<QByteArray>("bytes"); // null for no file
        QTest::addColumn<QString>("loaded");
        QTest::newRow("four lines") << QByteArray(",\r\n.\r\n/opt/Italiano.lng\r\n/media/cd/\r\n")
                                    << ",|.|/opt/Italiano.lng|/media/cd/";
        QTest::newRow("utf-8") << QByteArray(".\r\n,\r\n/home/zo\xc3\xab.lng\r\ne:\\\r\n")
                               << ".|,|/home/zoë.lng|e:\\";
        QTest::newRow("all empty") << QByteArray("\r\n\r\n\r\n\r\n") << "|||";
        QTest::newRow("empty first line")
            << QByteArray("\r\n.\r\nIt.lng\r\nE:\\\r\n") << "|.|It.lng|E:\\";
        QTest::newRow("one line") << QByteArray(",\r\n") << ",|||D:\\";
        QTest::newRow("two lines") << QByteArray(",\r\n.\r\n") << ",|.||D:\\";
        QTest::newRow("three lines") << QByteArray(",\r\n.\r\nIt.lng\r\n") << ",|.|It.lng|D:\\";
        QTest::newRow("fifth line")
            << QByteArray(",\r\n.\r\nIt.lng\r\nE:\\\r\nx\r\n") << ",|.|It.lng|E:\\";
        QTest::newRow("line feeds") << QByteArray(",\n.\nIt.lng\nE:\\\n") << ",|.|It.lng|E:\\";
        QTest::newRow("windows-1252")
            << QByteArray(".\r\n,\r\nFran\347ais.lng\r\n") << ".|,|Français.lng|D:\\";
        QTest::newRow("empty file") << QByteArray("") << "|||D:\\";
        QTest::newRow("no file") << QByteArray() << "|||D:\\";
    }

    void loadAndSave() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, loaded);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lens.ini"));
        QVERIFY(bytes.isNull() || writeBytes(path, bytes));
        Settings settings{{}, {}, {}, QStringLiteral("D:\\")};
        loadSettings(path, settings);
        QCOMPARE(joined(settings), loaded);
        QCOMPARE(probeSettings(path), settings.DecimalSeparator);
        if (bytes.count("\r\n") == 4 && bytes.endsWith("\r\n")) {
            const QString copy = dir.filePath(QStringLiteral("vistaro/lens.ini"));
            QCOMPARE(saveSettings(copy, settings), std::nullopt);
            QCOMPARE(readBytes(copy), bytes);
        }
    }

    // The save fails with a message naming the file and leaves what was there as it was.
    void failedSaveKeepsTheOldFile() {
        QTemporaryDir dir;
        const QByteArray old(",\r\n.\r\nIt.lng\r\nE:\\\r\n");
        QVERIFY(writeBytes(dir.filePath(QStringLiteral("vistaro")), old));
        const QString path = dir.filePath(QStringLiteral("vistaro/lens.ini"));
        const auto message = saveSettings(path, Settings{".", ",", "x", "y"});
        QVERIFY(message && message->contains(QDir::toNativeSeparators(path)));
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("vistaro"))), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"vistaro"});
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
