#include "lang/languagefile.h"
#include "support/hostilefiles.h"

#include <QRegularExpression>
#include <QTemporaryDir>

using namespace vistaro;
using vistaro::test::HostileFile;

namespace {

// "line 1" to "line n", each ended by CR LF, every line stated.
HostileFile numberedLines(int n) {
    HostileFile file{{}, n, {}};
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
    // Nothing when the file has no line or cannot be read; else 26 texts, a short file's last
    // line repeated into the remaining targets.
    void read_data() {
        QTest::addColumn<HostileFile>("file");
        HostileFile unended = numberedLines(26);
        unended.bytes.chop(2);
        QTest::newRow("26 distinct lines") << numberedLines(26);
        QTest::newRow("a 27th line is ignored") << numberedLines(27);
        QTest::newRow("nine lines") << numberedLines(9);
        QTest::newRow("last line without end") << unended;
        for (const auto& [name, file] : test::hostileFiles())
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
        QStringList expected = file.lines.mid(0, LanguageLineCount);
        while (file.lines.size() == file.lineCount && expected.size() < LanguageLineCount)
            expected << expected.constLast();
        QCOMPARE(texts->mid(0, expected.size()), expected);
    }

    // Every shipped file: 26 lines with text, each ended by CR LF.
    void shippedFiles() {
        const QDir folder(QStringLiteral(VISTARO_SOURCE_DATA_DIR "/lang"));
        const QStringList names = folder.entryList({QStringLiteral("*.lng")});
        QCOMPARE(names.size(), 5);
        const QRegularExpression lines(QStringLiteral("\\A([^\r\n]+\r\n){26}\\z"));
        for (const QString& name : names) {
            QFile file(folder.filePath(name));
            QVERIFY2(file.open(QIODevice::ReadOnly) &&
                         lines.match(QString::fromLatin1(file.readAll())).hasMatch(),
                     qPrintable(name));
        }
    }
};

QTEST_GUILESS_MAIN(TestLanguageFile)
#include "tst_languagefile.moc"
