// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/csvfile.h"

#include <QTest>

using namespace vistaro;
using namespace Qt::StringLiterals;

class TestCsvFile : public QObject {
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
};

QTEST_GUILESS_MAIN(TestCsvFile)
#include "tst_csvfile.moc"
