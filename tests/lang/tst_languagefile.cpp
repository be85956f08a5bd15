#include "lang/languagefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;

namespace {

// "line 1" to "line n", each ended by `end`.
QByteArray numberedLines(int n, const QByteArray& end = "\r\n") {
    QByteArray bytes;
    for (int i = 1; i <= n; ++i)
        bytes += "line " + QByteArray::number(i) + end;
    return bytes;
}

} // namespace

class TestLanguageFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_files = 0;

    QString write(const QByteArray& bytes) {
        QFile file(m_dir.filePath(QString::number(++m_files)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }

private slots:
    // A file of `lines` numbered lines, ended by `end`, gives line 1 to line `last`, the last
    // repeated into the remaining targets.
    void reads_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("last");
        QTest::newRow("26 distinct lines") << numberedLines(26) << 26;
        QTest::newRow("a 27th line is ignored") << numberedLines(27) << 26;
        QTest::newRow("nine lines") << numberedLines(9) << 9;
        QTest::newRow("CR alone") << numberedLines(26, "\r") << 26;
        QTest::newRow("last line without end") << numberedLines(25) + "line 26" << 26;
    }

    void reads() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, last);
        QStringList texts;
        for (int i = 1; i <= LanguageLineCount; ++i)
            texts << QStringLiteral("line %1").arg(qMin(i, last));
        QCOMPARE(readLanguageFile(write(bytes)), std::optional(texts));
    }

    void windows1252() {
        const std::optional<QStringList> texts = readLanguageFile(write("Fran\xe7"
                                                                        "ais\r\n\x80"));
        QVERIFY(texts && texts->size() == LanguageLineCount);
        QCOMPARE(texts->first(), QStringLiteral("Français"));
        QCOMPARE(texts->last(), QStringLiteral("€"));
    }

    void missingFile() {
        QCOMPARE(readLanguageFile(m_dir.filePath(QStringLiteral("missing.lng"))), std::nullopt);
    }

    // Every shipped file: 26 lines, each ended by CR LF and none of them empty.
    void shippedFiles() {
        const QDir folder(QStringLiteral(VISTARO_SOURCE_DATA_DIR "/lang"));
        const QStringList names = folder.entryList({QStringLiteral("*.lng")});
        QCOMPARE(names.size(), 5);
        for (const QString& name : names) {
            QFile file(folder.filePath(name));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
            const QByteArray bytes = file.readAll();
            QVERIFY2(bytes.endsWith("\r\n") && !bytes.startsWith("\r\n") &&
                         !bytes.contains("\r\n\r\n"),
                     qPrintable(name));
            QCOMPARE(bytes.count("\r\n"), LanguageLineCount);
            QCOMPARE(bytes.count('\n'), LanguageLineCount);
        }
    }
};

QTEST_GUILESS_MAIN(TestLanguageFile)
#include "tst_languagefile.moc"
