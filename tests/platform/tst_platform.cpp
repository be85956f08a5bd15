// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/csvfile.h"
#include "platform/driveroots.h"
#include "platform/numberformat.h"
#include "platform/savefile.h"
#include "platform/settingspath.h"
#include "platform/textdecode.h"
#include "support/folderlisting.h"
#include "support/hostilefiles.h"
#include "support/regionallocale.h"

#include <QDir>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the content does with the file it is given.
enum class Content { Written, Refused, WrittenUnchecked };

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Rows "in>out" for one conversion, in a point and a comma locale; "none" is no value.
    void conversions_data() {
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        const auto add = [](const char* op, std::initializer_list<const char*> rows) {
            for (const char* row : rows) {
                const QList<QByteArray> parts = QByteArray(row).split('>');
                QTest::addRow("%s %s", op, row)
                    << QString::fromLatin1(op) << QString::fromLatin1(parts[0])
                    << QString::fromUtf8(parts[1]);
            }
        };
        add("numeric", {"10>yes", ".5>yes", "5.>yes", " -1.5E-3 >yes", "2e3>yes", ">no", ".>no",
                        "->no", "1.2.3>no", "12a>no", "1 2>no", "1E>no", "inf>no"});
        // The comma locale types "1..5", "2.8" and "1.250,5".
        add("clean", {"1,,5>15", "2,8>28", "1,250.5>1250.5", ",,>none"});
        add("double", {"-1.25>-1.25", "2.57142857142857>2.57142857142857", ">none", "abc>none",
                       "1E400>none", "nan>none"});
        add("text", {"1.33333333333333333>1.33333333333333", "0.00001>1E-05", "1E15>1E+15",
                     "1234567.5>1234567.5", "-0>0"});
        add("shown", {"2.999>2.99", "-1.231>-1.24", "0.29>0.29", "0.005>0", "1E307>none"});
        add("scene", {"0.48> .48", "-0.5>-.5", "0> 0", "0.00001> 1E-05"}); // always a point
        add("round", {"2.5>2", "3.5>4", "-2.5>-2", "2147483648>none"});
        // UTF-8 (a byte-order mark dropped), else Windows-1252, also after a cut-short sequence.
        add("decode",
            {"Fran\303\247ais>Français", "\357\273\277Deutsch>Deutsch", "\200 \223ok\224>€ “ok”",
             "\303\050>Ã(", "ab\363>abó", "\177\226\227\237\240>\177–—Ÿ\302\240"});
    }

    void conversions() {
        QFETCH(QString, op);
        QFETCH(QString, in);
        QFETCH(QString, out);
        for (const bool comma : {false, true}) {
            test::useLocale(comma);
            const QString text = test::regional(in, comma);
            const QString other = test::regional(QStringLiteral(","), comma);
            const double value = in.toDouble();
            std::optional<QString> got;
            if (op == u"numeric")
                got = num::isNumeric(text, {}) ? u"yes"_s : u"no"_s;
            else if (op == u"clean" && num::isNumeric(text, other))
                got = num::removeSeparator(text, other);
            else if (op == u"double" && num::toDouble(text))
                got = num::toText(*num::toDouble(text));
            else if (op == u"text")
                got = num::toText(value);
            else if (op == u"shown")
                got = num::toShownText(value);
            else if (op == u"scene")
                got = num::toSceneText(value);
            else if (op == u"round" && num::roundHalfEven(value))
                got = QString::number(*num::roundHalfEven(value));
            else if (op == u"decode")
                got = decode8Bit(in.toLatin1());
            QCOMPARE(got.value_or(u"none"_s), op == u"scene" ? out : test::regional(out, comma));
        }
    }

    // The user's own settings file; on Windows the one machine-wide file.
    void settingsFile() {
#if defined(Q_OS_WIN)
        QCOMPARE(settingsFilePath(), u"C:\\lens.ini"_s);
#elif defined(Q_OS_MACOS)
        QCOMPARE(settingsFilePath(), QDir::homePath() + u"/Library/Preferences/vistaro/lens.ini"_s);
#else
        qputenv("XDG_CONFIG_HOME", "/srv/conf");
        QCOMPARE(settingsFilePath(), u"/srv/conf/vistaro/lens.ini"_s);
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(settingsFilePath(), QDir::homePath() + u"/.config/vistaro/lens.ini"_s);
#endif
    }

    // Without an optical disc, a fresh start looks for datasheets in the sample ones that come
    // with the program; the working folder is the first place it looks.
    void defaultDriveRootIsTheSampleDatasheets() {
        if constexpr (!DriveMenuOffersAnyFolder)
            QSKIP("Windows starts on D:\\");
        for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
            if (volume.fileSystemType() == "iso9660" || volume.fileSystemType() == "udf")
                QSKIP("an optical disc is mounted");
        const QString before = QDir::currentPath();
        QTemporaryDir work;
        QVERIFY(QDir(work.path()).mkdir(QStringLiteral("cd")) && QDir::setCurrent(work.path()));
        const QString root = defaultDriveRoot();
        QVERIFY(QDir::setCurrent(before));
        QCOMPARE(root, work.path() + u"/cd/"_s);
    }

    void line_data() {
        QTest::addColumn<QString>("cells"); // "|" between them
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("empty cells") << "|" << QByteArray(",\r\n");
        // A spreadsheet runs a cell that starts with one of these; a number stays a number.
        QTest::newRow("minus word") << "-cmd" << QByteArray("'-cmd\r\n");
        QTest::newRow("negative number") << "-2.5" << QByteArray("-2.5\r\n");
        QTest::newRow("at") << "@SUM(A1)" << QByteArray("'@SUM(A1)\r\n");
        QTest::newRow("tab") << "\tx" << QByteArray("'\tx\r\n");
        QTest::newRow("line break") << "a\nb" << QByteArray("\"a\nb\"\r\n");
        QTest::newRow("guarded and quoted") << "=a,b" << QByteArray("\"'=a,b\"\r\n");
    }

    void line() {
        QFETCH(QString, cells);
        QFETCH(QByteArray, expected);
        QCOMPARE(CsvFile::line(cells.split(u'|')), expected);
    }

    void table() {
        QCOMPARE(CsvFile::table({u"Name"_s}, {}), QByteArray("\xEF\xBB\xBFName\r\n"));
    }

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
        QVERIFY(test::placeHostile({"earlier", 1, {}}, earlier));
        QStringList before = test::listing(dir.path());
        const QString path = dir.filePath(target);
        const QByteArray bytes(100'000, 'x');
        const QString refusal = u"no content"_s;
#ifdef Q_OS_UNIX
        // Writing past the limit then fails as on a full disk, for root too.
        rlimit usual{};
        getrlimit(RLIMIT_FSIZE, &usual);
        rlimit full = usual;
        full.rlim_cur = limit ? rlim_t(limit) : usual.rlim_cur;
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &full);
#endif
        const std::optional<SaveFailure> failure =
            content == Content::Written
                ? vistaro::saveWhole(path, bytes)
                : vistaro::saveWhole(path, [&](QIODevice& device) -> std::optional<QString> {
                      device.write(bytes);
                      return content == Content::Refused ? std::optional(refusal) : std::nullopt;
                  });
#ifdef Q_OS_UNIX
        setrlimit(RLIMIT_FSIZE, &usual);
        std::signal(SIGXFSZ, handler);
#endif
        QCOMPARE(!failure, saved);
        if (saved) {
            QCOMPARE(contentOf(path), bytes);
            before.replaceInStrings(u"file.txt 7"_s, u"file.txt 100000"_s);
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
        QCOMPARE(test::listing(dir.path()), before);
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
