// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/catalogueloader.h"
#include "support/hostilefiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;
using namespace Qt::StringLiterals;
using vistaro::test::HostileFile;

namespace {

const QString catalogueName = QStringLiteral("Obbiettivi2.txt");

// FirstFF, LastFF, FirstHSP, LastHSP, FirstVAR, LastVAR, FirstZOOM, LastZOOM.
QList<int> asList(const BlockBounds& b) {
    return {b.FirstFF,  b.LastFF,  b.FirstHSP,  b.LastHSP,
            b.FirstVAR, b.LastVAR, b.FirstZOOM, b.LastZOOM};
}

// Bounds left from an earlier load: 1 to 8 in the order of asList.
const BlockBounds earlier{3, 5, 7, 1, 4, 6, 8, 2};

} // namespace

class TestCatalogueLoader : public QObject {
    Q_OBJECT

    Catalogue m_catalogue;
    BlockBounds m_bounds;

    // Loads `name` over an earlier catalogue from `dir`, after a folder that is not there.
    std::optional<QString> load(const QTemporaryDir& dir, const QString& name = catalogueName) {
        m_catalogue = Catalogue(
            4, LensRecord{u"FF"_s, u"old"_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s});
        m_bounds = earlier;
        return CaricaDatiDa(name, {dir.filePath(QStringLiteral("none")), dir.path()}, m_catalogue,
                            m_bounds);
    }

private slots:
    // Fields are written "|"-separated in the file's column order, Note last.
    void fields_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("fields");
        QTest::newRow("double tabs") << QByteArray("FF\t\tT1\tDD\t\t6\t12\t\t1.2\t0.3\t\t01\t\tno")
                                     << "FF|T1|DD|6|12|1.2|0.3|01|no";
        QTest::newRow("triple tabs")
            << QByteArray("FF\t\t\tT1\tDD\t6\t12\t1.2\t0.3\t01") << "FF||T1|DD|6|12|1.2|0.3|01";
        QTest::newRow("leading tab") << QByteArray("\tFF\tT1\tDD\t6\t12\t1.2\t0.3\t01\tno")
                                     << "|FF|T1|DD|6|12|1.2|0.3|01\tno";
        QTest::newRow("tabs kept in the note")
            << QByteArray("FF\tT1\tDD\t6\t12\t1.2\t0.3\t01\tday\tand\t\tnight")
            << "FF|T1|DD|6|12|1.2|0.3|01|day\tand\t\tnight";
        QTest::newRow("short line") << QByteArray("VAR\tHV0550\tVD") << "VAR|HV0550|VD||||||";
    }

    void fields() {
        QFETCH(QByteArray, line);
        QFETCH(QString, fields);
        QTemporaryDir dir;
        QVERIFY(test::placeHostile({line, 1, {}}, dir.filePath(catalogueName)));
        QCOMPARE(load(dir), std::nullopt);
        const LensRecord& r = m_catalogue[0];
        QCOMPARE((QStringList{r.TypeCode, r.Name, r.Iris, r.FocalMin, r.FocalMax, r.FStop,
                              r.MinFocus, r.PdfFolder, r.Note}),
                 fields.split(u'|'));
    }

    // N lines: N + 2 rows, last two empty, 32766 at most; absent types keep bounds; failures named.
    void load_data() {
        QTest::addColumn<HostileFile>("file");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("bounds");
        QTest::addColumn<QString>("message");
        QTest::newRow("ungrouped: the last block counts")
            << HostileFile{"FF\r\nHSP\r\nFF\r\n", 3, {}} << catalogueName
            << QList<int>{2, 2, 1, 1, 5, 6, 7, 8} << "";
        QTest::newRow("several rows per block")
            << HostileFile{"FF\r\nFF\r\nHSP\r\nVAR\r\nVAR\r\nVAR\r\nZOOM\r\nZOOM\r\n", 8, {}}
            << catalogueName << QList<int>{0, 1, 2, 2, 3, 5, 6, 7} << "";
        QTest::newRow("missing file") << HostileFile{} << QStringLiteral("absent.txt")
                                      << QList<int>{1, 2, 3, 4, 5, 6, 7, 8} << "was not found";
        // The 16-bit limit: 32766 lines and two empty rows.
        for (const int lines : {32766, 32767})
            QTest::addRow("%d lines", lines)
                << HostileFile{QByteArray("FF\r\n").repeated(lines), lines, {}} << catalogueName
                << QList<int>{0, 32765, 3, 4, 5, 6, 7, 8}
                << (lines > 32766 ? "only the first 32766 were loaded" : "");
    }

    void load() {
        QFETCH(HostileFile, file);
        QFETCH(QString, name);
        QFETCH(QList<int>, bounds);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(test::placeHostile(file, dir.filePath(catalogueName)));
        const std::optional<QString> result = load(dir, name);
        const int rows = std::min(file.lineCount, 32766) + 2;
        QCOMPARE(m_catalogue.size(), rows);
        QCOMPARE(m_catalogue.mid(rows - 2), Catalogue(2));
        QCOMPARE(asList(m_bounds), bounds);
        QCOMPARE(result.has_value(), !message.isEmpty());
        for (const QString& part : {message, name, QDir::toNativeSeparators(dir.path())})
            QVERIFY2(!result || result->contains(part), qPrintable(result.value_or(part)));
    }
};

QTEST_GUILESS_MAIN(TestCatalogueLoader)
#include "tst_catalogueloader.moc"
