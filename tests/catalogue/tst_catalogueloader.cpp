#include "catalogue/catalogueloader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;

namespace {

const QString catalogueName = QStringLiteral("Obbiettivi2.txt");

// FirstFF, LastFF, FirstHSP, LastHSP, FirstVAR, LastVAR, FirstZOOM, LastZOOM.
QList<int> asList(const BlockBounds& b) {
    return {b.FirstFF,  b.LastFF,  b.FirstHSP,  b.LastHSP,
            b.FirstVAR, b.LastVAR, b.FirstZOOM, b.LastZOOM};
}

// Bounds left from an earlier load: 1 to 8 in the order of asList.
const BlockBounds earlier{3, 5, 7, 1, 4, 6, 8, 2};
const QList<int> earlierList{1, 2, 3, 4, 5, 6, 7, 8};

} // namespace

class TestCatalogueLoader : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_loads = 0;
    Catalogue m_catalogue;
    BlockBounds m_bounds;

    // Writes `bytes` as the catalogue in a fresh folder and loads it over an earlier catalogue.
    std::optional<QString> load(const QByteArray& bytes) {
        const QString folder = m_dir.filePath(QString::number(m_loads++));
        QFile file(QDir(folder).filePath(catalogueName));
        if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) || file.write(bytes) < 0)
            qFatal("cannot write %s", qPrintable(file.fileName()));
        file.close();
        m_catalogue = Catalogue(4, LensRecord{"FF", "old", "", "", "", "", "", "", ""});
        m_bounds = earlier;
        return CaricaDatiDa(catalogueName, {folder}, m_catalogue, m_bounds);
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

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
        QCOMPARE(load(line + "\r\n"), std::nullopt);
        const LensRecord& r = m_catalogue[0];
        QCOMPARE((QStringList{r.TypeCode, r.Name, r.Iris, r.FocalMin, r.FocalMax, r.FStop,
                              r.MinFocus, r.PdfFolder, r.Note}),
                 fields.split(u'|'));
    }

    // N lines give N + 2 rows, the last two empty; bounds of absent types stay.
    void blocks_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QList<int>>("bounds");
        QTest::newRow("three lines")
            << QByteArray("FF\r\nHSP\r\nVAR\r\n") << 3 << QList<int>{0, 0, 1, 1, 2, 2, 7, 8};
        QTest::newRow("ungrouped: the last block counts")
            << QByteArray("FF\r\nHSP\r\nFF\r\n") << 3 << QList<int>{2, 2, 1, 1, 5, 6, 7, 8};
        QTest::newRow("lower case is no code")
            << QByteArray("ff\r\nFF\r\nZoom\r\n") << 3 << QList<int>{1, 1, 3, 4, 5, 6, 7, 8};
        QTest::newRow("empty file") << QByteArray() << 0 << earlierList;
    }

    void blocks() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, lines);
        QFETCH(QList<int>, bounds);
        QCOMPARE(load(bytes), std::nullopt);
        QCOMPARE(m_catalogue.size(), lines + 2);
        QCOMPARE(m_catalogue.mid(lines), Catalogue(2));
        QCOMPARE(asList(m_bounds), bounds);
    }

    // Loads as an empty file would, and names the file and every folder searched.
    void missingFile() {
        const QStringList folders{m_dir.filePath(QStringLiteral("none")), m_dir.path()};
        Catalogue catalogue(4);
        BlockBounds bounds = earlier;
        const std::optional<QString> message =
            CaricaDatiDa(QStringLiteral("absent.txt"), folders, catalogue, bounds);
        QVERIFY(message && message->contains(QStringLiteral("absent.txt")));
        for (const QString& folder : folders)
            QVERIFY2(message->contains(QDir::toNativeSeparators(folder)), qPrintable(*message));
        QCOMPARE(catalogue, Catalogue(2));
        QCOMPARE(asList(bounds), earlierList);
    }

    // The first 32766 lines load whole; a longer file says the rest was not loaded.
    void overLongFile() {
        QByteArray bytes;
        for (int i = 0; i <= MaxCatalogueLines; ++i)
            bytes += "FF\tT" + QByteArray::number(i) + "\r\n";
        const std::optional<QString> message = load(bytes);
        QVERIFY(message && message->contains(catalogueName));
        QVERIFY2(message->contains(QStringLiteral("32767")), qPrintable(*message));
        QVERIFY2(message->contains(QStringLiteral("not loaded")), qPrintable(*message));
        QCOMPARE(m_catalogue.size(), MaxCatalogueLines + 2);
        QCOMPARE(m_catalogue[MaxCatalogueLines - 1].Name, QStringLiteral("T32765"));
        QCOMPARE(m_catalogue.mid(MaxCatalogueLines), Catalogue(2));
    }
};

QTEST_GUILESS_MAIN(TestCatalogueLoader)
#include "tst_catalogueloader.moc"
