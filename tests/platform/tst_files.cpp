// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/csvfile.h"
#include "platform/savefile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

QStringList listing(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#ifdef Q_OS_UNIX
// While it lives, writing a file past `bytes` fails as on a full disk, for root too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : m_handler(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit limit = m_before;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_before{};
    void (*m_handler)(int);
};
#endif

// What the content does with the file it is given.
enum class Content { Written, Refused, WrittenUnchecked };

} // namespace

class TestFiles : public QObject {
    Q_OBJECT

private slots:
    void line_data() {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("empty cells") << QStringList{QString(), QString()} << QByteArray(",\r\n");
        // A spreadsheet runs a cell that starts with one of these; a number stays a number.
        QTest::newRow("minus word") << QStringList{u"-cmd"_s} << QByteArray("'-cmd\r\n");
        QTest::newRow("negative number") << QStringList{u"-2.5"_s} << QByteArray("-2.5\r\n");
        QTest::newRow("at") << QStringList{u"@SUM(A1)"_s} << QByteArray("'@SUM(A1)\r\n");
        QTest::newRow("tab") << QStringList{u"\tx"_s} << QByteArray("'\tx\r\n");
        QTest::newRow("line break") << QStringList{u"a\nb"_s} << QByteArray("\"a\nb\"\r\n");
        QTest::newRow("guarded and quoted")
            << QStringList{u"=a,b"_s} << QByteArray("\"'=a,b\"\r\n");
    }

    void line() {
        QFETCH(QStringList, cells);
        QFETCH(QByteArray, expected);
        QCOMPARE(CsvFile::line(cells), expected);
    }

    void table() { QCOMPARE(CsvFile::table({u"Name"_s}, {}), QByteArray("\xEF\xBB\xBFName\r\n")); }

    // Every file is saved whole or not at all: a save that cannot be made names the file and
    // why, leaves an earlier file as it was and nothing beside it.
    void saveWhole_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<Content>("content");
        QTest::addColumn<int>("limit"); // bytes a file may grow to, 0 for no limit
        QTest::addColumn<bool>("saved");
        QTest::newRow("over an earlier file") << "file.txt" << Content::Written << 0 << true;
        QTest::newRow("into a missing folder")
            << "missing/file.txt" << Content::Written << 0 << false;
        QTest::newRow("onto a folder") << "folder" << Content::Written << 0 << false;
        QTest::newRow("content refused") << "file.txt" << Content::Refused << 0 << false;
#ifdef Q_OS_UNIX
        QTest::newRow("disk full") << "file.txt" << Content::Written << 4096 << false;
        QTest::newRow("disk full, unseen by the content")
            << "file.txt" << Content::WrittenUnchecked << 4096 << false;
#endif
    }

    void saveWhole() {
        QFETCH(QString, target);
        QFETCH(Content, content);
        QFETCH(int, limit);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(u"folder"_s));
        const QString earlier = dir.filePath(u"file.txt"_s);
        QFile file(earlier);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("earlier") == 7);
        file.close();
        const QStringList before = listing(dir.path());
        const QString path = dir.filePath(target);
        const QByteArray bytes(100'000, 'x');
        const QString refusal = u"no content"_s;
#ifdef Q_OS_UNIX
        std::optional<FileSizeLimit> full;
        if (limit)
            full.emplace(static_cast<rlim_t>(limit));
#endif
        const std::optional<SaveFailure> failure =
            content == Content::Written
                ? vistaro::saveWhole(path, bytes)
                : vistaro::saveWhole(path, [&](QIODevice& device) -> std::optional<QString> {
                      device.write(bytes);
                      return content == Content::Refused ? std::optional(refusal) : std::nullopt;
                  });
#ifdef Q_OS_UNIX
        full.reset();
#endif
        QCOMPARE(!failure, saved);
        if (saved) {
            QCOMPARE(contentOf(path), bytes);
        } else {
            QCOMPARE(failure->path, path);
            QVERIFY(!failure->reason.isEmpty());
            if (content == Content::Refused)
                QCOMPARE(failure->reason, refusal);
            const QString message = *failureMessage(failure);
            QVERIFY2(message.contains(QDir::toNativeSeparators(path)) &&
                         message.contains(failure->reason),
                     qPrintable(message));
            QCOMPARE(contentOf(earlier), QByteArray("earlier"));
        }
        QCOMPARE(listing(dir.path()), before);
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
