#include "lang/languagefile.h"
#include "support/hostilefiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;
using vistaro::test::HostileFile;

// Whatever the language file holds, the reader ends without a crash: 26 texts when the file
// has a line, the last line standing in for the missing ones; nothing when it has no line or
// cannot be read, so the captions on show stay.
class TestHostileLanguage : public QObject {
    Q_OBJECT

private slots:
    void read_data() {
        QTest::addColumn<HostileFile>("file");
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
        if (!file.lines.isEmpty())
            QCOMPARE(texts->first(), file.lines.first());
        if (file.lineCount == file.lines.size())
            QCOMPARE(texts->last(), file.lines.last());
    }
};

QTEST_GUILESS_MAIN(TestHostileLanguage)
#include "tst_hostile_language.moc"
