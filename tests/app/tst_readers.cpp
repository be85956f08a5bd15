// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/settingsfile.h"
#include "catalogue/catalogueloader.h"
#include "lang/languagefile.h"
#include "support/hostilefiles.h"

#include <QTemporaryDir>

using namespace vistaro;
using namespace Qt::StringLiterals;
using test::HostileFile;

// Good and hostile files against the three readers: settings, catalogue and language file.
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

        // Settings: each line the file has overwrites its setting, the others keep theirs; the
        // probe gives line 1.
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

        // Language: nothing without a line; else 26 texts, a short file's last line repeated
        // into the remaining targets.
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
};

QTEST_GUILESS_MAIN(TestReaders)
#include "tst_readers.moc"
