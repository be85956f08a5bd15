#include "lang/languagefile.h"
#include "support/hostilefiles.h"

#include <QTemporaryDir>

using namespace vistaro;
using vistaro::test::HostileFile;

namespace {

// "line 1" to "line n", each ended by CR LF, every line stated.
HostileFile numberedLines(int n) {
    HostileFile file{HostileFile::Kind::Bytes, {}, n, {}};
    for (int i = 1; i <= n; ++i) {
        file.lines << QStringLiteral("line %1").arg(i);
        file.bytes += file.lines.constLast().toLatin1() + "\r\n";
    }
    return file;
}

} // namespace

class TestLanguageFile : public QObject {
    Q_OBJECT

private slots:
    // Whatever the file holds, the reader ends: nothing when it has no line or cannot be read,
    // so the captions on show stay; otherwise 26 texts, the stated lines in order and, when
    // every line is stated, the last one repeated into the remaining targets.
    void read_data() {
        QTest::addColumn<HostileFile>("file");
        HostileFile unended = numberedLines(26);
        unended.bytes.chop(2);
        QTest::newRow("26 distinct lines") << numberedLines(26);
        QTest::newRow("a 27th line is ignored") << numberedLines(27);
        QTest::newRow("nine lines") << numberedLines(9);
        QTest::newRow("last line without end") << unended;
        for (const auto& [name, file] : test::hostile::files())
            QTest::newRow(name) << file;
    }

    void read() {
        QFETCH(HostileFile, file);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Italiano.lng"));
        VISTARO_PLACE_HOSTILE(file, path);

        const std::optional<QStringList> texts = readLanguageFile(path);

        QCOMPARE(texts.has_value(), file.lineCount > 0);
        if (!texts)
            return;
        QCOMPARE(texts->size(), LanguageLineCount);
        for (int i = 0; i < LanguageLineCount; ++i) {
            if (i < file.lines.size())
                QCOMPARE(texts->at(i), file.lines.at(i));
            else if (file.lines.size() == file.lineCount)
                QCOMPARE(texts->at(i), file.lines.constLast());
        }
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
            QVERIFY2(bytes.count("\r\n") == LanguageLineCount &&
                         bytes.count('\r') == LanguageLineCount &&
                         bytes.count('\n') == LanguageLineCount && bytes.endsWith("\r\n") &&
                         !bytes.startsWith("\r\n") && !bytes.contains("\r\n\r\n"),
                     qPrintable(name));
        }
    }
};

QTEST_GUILESS_MAIN(TestLanguageFile)
#include "tst_languagefile.moc"
