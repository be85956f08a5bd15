#include "app/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;

Q_DECLARE_METATYPE(vistaro::Settings)

namespace {

// What start-up holds before it reads the file: only the drive has a value.
const Settings startUp{{}, {}, {}, QStringLiteral("D:\\")};

QStringList asList(const Settings& s) {
    return {s.DecimalSeparator, s.OtherSeparator, s.LanguageFile, s.Drive};
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

private slots:
    void saveThenLoad_data() {
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("all four") << Settings{",", ".", "/opt/lingue/Italiano.lng", "/media/cdrom/"}
                                  << QByteArray(",\r\n.\r\n/opt/lingue/Italiano.lng\r\n"
                                                "/media/cdrom/\r\n");
        QTest::newRow("first run, before the separator answer")
            << Settings{"", "", "C:\\Lingue\\English.lng", "D:\\"}
            << QByteArray("\r\n\r\nC:\\Lingue\\English.lng\r\nD:\\\r\n");
        QTest::newRow("all empty") << Settings{} << QByteArray("\r\n\r\n\r\n\r\n");
        QTest::newRow("blanks kept as they are")
            << Settings{" .", ", ", "a b", " "} << QByteArray(" .\r\n, \r\na b\r\n \r\n");
        QTest::newRow("non-ASCII path")
            << Settings{".", ",", QStringLiteral("/home/zoë/Français.lng"), "e:\\"}
            << QByteArray(".\r\n,\r\n/home/zo\xc3\xab/Fran\xc3\xa7"
                          "ais.lng\r\ne:\\\r\n");
    }

    // The file is rewritten whole, in a folder created for it, over a longer older file.
    void saveThenLoad() {
        QFETCH(Settings, settings);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("vistaro/lens.ini"));
        QCOMPARE(saveSettings(path, Settings{"x", "y", "z", "w"}), std::nullopt);
        writeBytes(path, "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");

        QCOMPARE(saveSettings(path, settings), std::nullopt);
        QCOMPARE(readBytes(path), bytes);
        QCOMPARE(QDir(dir.filePath(QStringLiteral("vistaro"))).entryList(QDir::Files),
                 QStringList{QStringLiteral("lens.ini")});

        QCOMPARE(probeSettings(path), settings.DecimalSeparator);
        Settings loaded = startUp;
        loadSettings(path, loaded);
        QCOMPARE(asList(loaded), asList(settings));
    }

    void load_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("probe");
        QTest::addColumn<Settings>("loaded");
        QTest::newRow("single line") << QByteArray(",\r\n") << "," << Settings{",", "", "", "D:\\"};
        QTest::newRow("single line without end")
            << QByteArray(".") << "." << Settings{".", "", "", "D:\\"};
        QTest::newRow("two lines")
            << QByteArray(",\r\n.\r\n") << "," << Settings{",", ".", "", "D:\\"};
        QTest::newRow("three lines") << QByteArray(",\r\n.\r\nC:\\It.lng\r\n") << ","
                                     << Settings{",", ".", "C:\\It.lng", "D:\\"};
        QTest::newRow("lines after the fourth ignored")
            << QByteArray(",\r\n.\r\nIt.lng\r\nE:\\\r\nextra\r\n") << ","
            << Settings{",", ".", "It.lng", "E:\\"};
        QTest::newRow("line feeds only")
            << QByteArray(",\n.\nIt.lng\nE:\\\n") << "," << Settings{",", ".", "It.lng", "E:\\"};
        QTest::newRow("carriage returns only")
            << QByteArray(",\r.\rIt.lng\rE:\\\r") << "," << Settings{",", ".", "It.lng", "E:\\"};
        QTest::newRow("empty first line") << QByteArray("\r\n.\r\nIt.lng\r\nE:\\\r\n") << ""
                                          << Settings{"", ".", "It.lng", "E:\\"};
        QTest::newRow("empty middle lines")
            << QByteArray(",\r\n\r\n\r\nE:\\\r\n") << "," << Settings{",", "", "", "E:\\"};
        QTest::newRow("empty file") << QByteArray() << "" << startUp;
        QTest::newRow("windows-1252 path")
            << QByteArray(".\r\n,\r\nC:\\Lingue\\Fran\xe7"
                          "ais.lng\r\n")
            << "." << Settings{".", ",", QStringLiteral("C:\\Lingue\\Français.lng"), "D:\\"};
        QTest::newRow("unknown values loaded unchanged")
            << QByteArray(";\r\n\r\nnone\r\nd:\\\r\n") << ";" << Settings{";", "", "none", "d:\\"};
    }

    void load() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, probe);
        QFETCH(Settings, loaded);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("lens.ini"));
        writeBytes(path, bytes);

        QCOMPARE(probeSettings(path), probe);
        Settings settings = startUp;
        loadSettings(path, settings);
        QCOMPARE(asList(settings), asList(loaded));
    }

    void unreadable_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing file") << "lens.ini";
        QTest::newRow("missing folder") << "nowhere/lens.ini";
        QTest::newRow("a folder") << ".";
    }

    void unreadable() {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(name);

        QCOMPARE(probeSettings(path), QString());
        Settings settings{",", ".", "It.lng", "E:\\"};
        loadSettings(path, settings);
        QCOMPARE(asList(settings), (QStringList{",", ".", "It.lng", "E:\\"}));
    }

    void failedSave_data() {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QString>("target");
        QTest::newRow("parent is a file") << "vistaro"
                                          << "vistaro/lens.ini";
        QTest::newRow("grandparent is a file") << "vistaro"
                                               << "vistaro/sub/lens.ini";
        QTest::newRow("target is a folder") << ""
                                            << "lens.ini";
    }

    // Nothing is written: what was there keeps its bytes and no stray file is left behind.
    void failedSave() {
        QFETCH(QString, existing);
        QFETCH(QString, target);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray previous(",\r\n.\r\nIt.lng\r\nE:\\\r\n");
        if (existing.isEmpty()) {
            QVERIFY(QDir(dir.path()).mkdir(target));
            writeBytes(dir.filePath(target + QStringLiteral("/keep.txt")), previous);
        } else {
            writeBytes(dir.filePath(existing), previous);
        }
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
        const QString path = dir.filePath(target);

        const std::optional<QString> message = saveSettings(path, Settings{".", ",", "x", "y"});

        QVERIFY(message);
        QVERIFY2(message->contains(QDir::toNativeSeparators(path)), qPrintable(*message));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
        const QString kept = existing.isEmpty() ? target + QStringLiteral("/keep.txt") : existing;
        QCOMPARE(readBytes(dir.filePath(kept)), previous);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
