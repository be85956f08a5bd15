// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/driveroots.h"
#include "platform/numberformat.h"
#include "platform/settingspath.h"
#include "platform/textdecode.h"
#include "support/regionallocale.h"

#include <QDir>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;
using namespace Qt::StringLiterals;

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
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
