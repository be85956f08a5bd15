// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/filelist.h"
#include "lang/interfacelanguage.h"
#include "lang/languagefile.h"
#include "support/hostilefiles.h"
#include "support/sampleworkfolder.h"

#include <QRegularExpression>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

// The 26 texts in file order: 8 texts, 2 recommendation captions, then main window and menus.
QStringList shown(const Obbiettivi& window) {
    const MainPublic& p = window.publicState();
    QStringList texts{p.Sep,         p.ValNum,      p.IRISCont, p.At,
                      p.InquadraMin, p.InquadraMax, p.Inquadra, p.MinimoFuoco};
    const QObject* consiglia = test::SampleWorkFolder::consiglia();
    for (const char* name : {"MinFuoco", "Iride", "Sensore", "Frame1", "HSP", "FF", "Frame2",
                             "Manual", "DC", "VD", "M", "MarvantoCons", "Label1", "Label2",
                             "Label4", "Label3", "DecSeparator", "Language"}) {
        const bool inConsiglia = texts.size() < 10;
        const QObject* target =
            (inConsiglia ? consiglia : &window)->findChild<QObject*>(QLatin1String(name));
        texts << target->property(target->inherits("QGroupBox") ? "title" : "text").toString();
    }
    return texts;
}

} // namespace

// The language-file reader and CaricaLingua.
class TestLanguage : public QObject {
    Q_OBJECT

    test::SampleWorkFolder m_folder;
    ProgramState m_program;

private slots:
    void initTestCase() { QVERIFY(m_folder.prepare()); }

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

    // Each line to its own target (a label shows "&&" as "&"), two of them on the hidden
    // recommendation window; a missing or an empty file then keeps all that and says so once.
    void everyLineInItsPlace() {
        QStringList lines = test::numberedLines(LanguageLineCount).lines;
        lines[20] = QStringLiteral("&Focal && zoom (mm)");   // Label1
        lines[24] = QStringLiteral("&Decimal && separator"); // DecSeparator, a menu
        const QString path = m_folder.filePath(QStringLiteral("distinct.lng"));
        QVERIFY(
            test::placeHostile({lines.join(u"\r\n"_s).toUtf8(), LanguageLineCount, lines}, path));
        Obbiettivi window(m_program);
        window.CaricaLingua(path);
        QVERIFY(m_folder.consiglia() && !m_folder.consiglia()->isVisible());
        lines[20] = QStringLiteral("Focal & zoom (mm)");
        QCOMPARE(shown(window), lines);

        const QString missing = m_folder.filePath(QStringLiteral("missing.lng"));
        const QString empty = m_folder.filePath(QStringLiteral("empty.lng"));
        QVERIFY(test::placeHostile({}, empty));
        const test::MessageBoxAnswer answer;
        window.CaricaLingua(missing);
        window.CaricaLingua(empty);
        QCOMPARE(answer.texts, (QStringList{unreadableLanguageFileMessage(missing),
                                            emptyLanguageFileMessage(empty)}));
        QCOMPARE(shown(window), lines);
    }

    // No texts: said once, by the start if from settings, by the pick on first run (not its timer).
    void emptyFileReportedOnce_data() {
        QTest::addColumn<bool>("picked");
        QTest::newRow("named in the settings") << false;
        QTest::newRow("picked on the first run") << true;
    }

    void emptyFileReportedOnce() {
        QFETCH(bool, picked);
        const QString path = m_folder.filePath(QStringLiteral("Nothing.lng"));
        QVERIFY(test::placeHostile({}, path));
        test::MessageBoxAnswer answer(QMessageBox::No); // the point, as the regional format
        m_folder.start(picked ? QByteArray() : ".\r\n,\r\n" + path.toUtf8() + "\r\n/cd/\r\n");
        if (picked) {
            auto* files = m_folder.hub().languageChooser()->findChild<FileList*>(u"File1"_s);
            const QList<QListWidgetItem*> items =
                files->findItems(u"Nothing.lng"_s, Qt::MatchExactly);
            QCOMPARE(items.size(), 1);
            QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                              files->visualItemRect(items.first()).center());
        }
        QTest::qWait(800); // past TimerMove's half second
        m_folder.stop();
        QCOMPARE(answer.texts.count(emptyLanguageFileMessage(path)), 1);
        QCOMPARE(answer.texts.size(), picked ? 2 : 1); // the pick also asks for the separator
    }

    // Beyond the calculator: the file's language if shipped, else the system's if so, else English.
    void interfaceLanguage_data() {
        QTest::addColumn<QString>("row"); // "language file>system locale>language"
        for (const char* row : {"Deutsch.lng>fr_FR>de", "/l/Español.lng>en_US>es",
                                "/l/English.lng>it_IT>en", "/l/mine.lng>fr_CA>fr",
                                "/l/mine.lng>ja_JP>en", ">es_ES>es", "/l/Italiano2.lng>en_GB>en"})
            QTest::newRow(row) << QString::fromUtf8(row);
    }

    void interfaceLanguage() {
        QFETCH(QString, row);
        const QStringList parts = row.split(u'>');
        QCOMPARE(vistaro::interfaceLanguage(parts[0], QLocale(parts[1])), parts[2]);
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
