#include "lang/languagefile.h"

#include <QDir>
#include <QFile>
#include <QSet>
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

// The 26 texts expected when the file's lines are `lines`: the last one fills the rest.
QStringList filled(QStringList lines) {
    while (lines.size() < LanguageLineCount)
        lines.append(lines.constLast());
    return lines;
}

QStringList numberedTexts(int n) {
    QStringList texts;
    for (int i = 1; i <= n; ++i)
        texts.append(QStringLiteral("line %1").arg(i));
    return filled(texts);
}

QString shippedFile(const QString& name) {
    return QStringLiteral(VISTARO_SOURCE_DATA_DIR "/lang/") + name;
}

const QStringList shippedNames = {"English.lng", "Italiano.lng", "Deutsch.lng", "Francais.lng",
                                  "Espanol.lng"};

// The letter after the single "&" of a menu caption, or nothing.
QChar accessKey(const QString& caption) {
    const qsizetype at = caption.indexOf(u'&');
    if (at < 0 || at + 1 >= caption.size() || caption.indexOf(u'&', at + 1) >= 0)
        return {};
    return caption.at(at + 1).isLetter() ? caption.at(at + 1).toLower() : QChar();
}

} // namespace

class TestLanguageFile : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void reads_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("26 distinct lines") << numberedLines(26) << numberedTexts(26);
        QTest::newRow("a 27th line is ignored") << numberedLines(27) << numberedTexts(26);
        QTest::newRow("nine lines: line 9 fills the rest") << numberedLines(9) << numberedTexts(9);
        QTest::newRow("one line fills every target") << numberedLines(1) << numberedTexts(1);
        QTest::newRow("CR alone") << numberedLines(26, "\r") << numberedTexts(26);
        QTest::newRow("LF alone") << numberedLines(26, "\n") << numberedTexts(26);
        QTest::newRow("last line without end")
            << numberedLines(25) + "line 26" << numberedTexts(26);
        QTest::newRow("short file, last line without end")
            << numberedLines(2) + "line 3" << numberedTexts(3);
        QTest::newRow("mixed ends") << QByteArray("a\r\nb\rc\nd") << filled({"a", "b", "c", "d"});
        QTest::newRow("CR CR is two ends") << QByteArray("a\r\rc") << filled({"a", "", "c"});
        QTest::newRow("empty lines give empty texts")
            << QByteArray("a\r\n\r\nc\r\n\r\n") << filled({"a", "", "c", ""});
        QTest::newRow("blanks are kept")
            << QByteArray("  At  \r\n& &&\r\n") << filled({"  At  ", "& &&"});
        QTest::newRow("windows-1252") << QByteArray("Fran\xe7"
                                                    "ais\r\nSepara\xe7\xe3o\x80\r\n")
                                      << filled({"Français", "Separação€"});
        QTest::newRow("utf-8") << QByteArray("\xc3\x80 \r\nGr\xc3\xb6\xc3\x9f"
                                             "e\r\n")
                               << filled({"À ", "Größe"});
        // Bytes past line 26 must not turn a UTF-8 file into Windows-1252.
        QTest::newRow("stray byte after line 26") << numberedLines(25) + "\xc3\xa0\r\n\xe7"
                                                  << filled(numberedTexts(25).mid(0, 25) << "à");
    }

    void reads() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, texts);
        const std::optional<QStringList> read = readLanguageFile(write(bytes));
        QVERIFY(read);
        QCOMPARE(read->size(), LanguageLineCount);
        QCOMPARE(*read, texts);
    }

    void unreadableGivesNothing_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing") << m_dir.filePath("missing.lng");
        QTest::newRow("folder") << m_dir.path();
        QTest::newRow("empty file") << write({});
    }

    void unreadableGivesNothing() {
        QFETCH(QString, path);
        QCOMPARE(readLanguageFile(path), std::nullopt);
    }

    void targetsFollowTheLines() {
        const auto& targets = languageTargets();
        QSet<QString> mainNames;
        int texts = 0;
        for (int i = 0; i < LanguageLineCount; ++i) {
            QCOMPARE(static_cast<int>(targets[i].target), i);
            if (targets[i].kind == LanguageTargetKind::MainText)
                ++texts;
            if (targets[i].kind != LanguageTargetKind::RecommendationCaption)
                mainNames.insert(QLatin1String(targets[i].name));
        }
        QCOMPARE(texts, 8);
        QCOMPARE(mainNames.size(), 24);
        QCOMPARE(QLatin1String(targets[22].name), QLatin1String("Label4"));

        const std::optional<QStringList> read = readLanguageFile(write(numberedLines(26)));
        QVERIFY(read);
        QCOMPARE(languageText(*read, LanguageTarget::Sep), QStringLiteral("line 1"));
        QCOMPARE(languageText(*read, LanguageTarget::Label3), QStringLiteral("line 24"));
        QCOMPARE(languageText(*read, LanguageTarget::Language), QStringLiteral("line 26"));
    }

    void messageNamesTheFile() {
        const QString path = m_dir.filePath("gone.lng");
        const QString message = unreadableLanguageFileMessage(path);
        QVERIFY(message.contains(QDir::toNativeSeparators(path)));
        QVERIFY(message.contains(QStringLiteral("Language menu")));
    }

    void separatorQuestionIsNeverEmpty() {
        QCOMPARE(separatorQuestion(QStringLiteral("Virgola?")), QStringLiteral("Virgola?"));
        QVERIFY(separatorQuestion({}).contains(QStringLiteral("comma")));
    }

    void shippedFiles_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : shippedNames)
            QTest::newRow(qPrintable(name)) << name;
    }

    void shippedFiles() {
        QFETCH(QString, name);
        QFile file(shippedFile(name));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray bytes = file.readAll();
        // 26 lines, each ended by CR LF, none of them empty.
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\r\n"), LanguageLineCount);
        QCOMPARE(bytes.count('\r'), LanguageLineCount);
        QCOMPARE(bytes.count('\n'), LanguageLineCount);
        QVERIFY(!bytes.startsWith("\r\n"));
        QVERIFY(!bytes.contains("\r\n\r\n"));

        const std::optional<QStringList> texts = readLanguageFile(file.fileName());
        QVERIFY(texts);
        QVERIFY(!texts->join(QString()).contains(QChar(0xfffd)));
        auto text = [&](LanguageTarget target) { return languageText(*texts, target); };
        // The recommendation window assembles lines 3 to 8 with what follows them.
        QVERIFY(text(LanguageTarget::IRISCont).endsWith(u' '));
        QVERIFY(text(LanguageTarget::At).endsWith(u' '));
        for (const LanguageTarget after :
             {LanguageTarget::InquadraMin, LanguageTarget::InquadraMax, LanguageTarget::Inquadra})
            QVERIFY(text(after).startsWith(QStringLiteral(" m")));
        QVERIFY(text(LanguageTarget::MinimoFuoco).endsWith(u' '));
        const QChar decKey = accessKey(text(LanguageTarget::DecSeparator));
        const QChar languageKey = accessKey(text(LanguageTarget::Language));
        QVERIFY(!decKey.isNull());
        QVERIFY(!languageKey.isNull());
        QVERIFY(decKey != languageKey);
        QVERIFY(decKey != u'c'); // the CD Drive menu's key
        QVERIFY(languageKey != u'c');
    }

private:
    QString write(const QByteArray& bytes) {
        const QString path = m_dir.filePath(QStringLiteral("f%1.lng").arg(++m_files));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    QTemporaryDir m_dir;
    int m_files = 0;
};

QTEST_GUILESS_MAIN(TestLanguageFile)
#include "tst_languagefile.moc"
