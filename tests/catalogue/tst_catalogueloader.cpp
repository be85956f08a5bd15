#include "catalogue/catalogueloader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;

namespace {

const QString catalogueName = QStringLiteral("Obbiettivi2.txt");

// The fields in the file's column order: TypeCode to PdfFolder, then Note.
QStringList columns(const LensRecord& r) {
    return {r.TypeCode, r.Name,     r.Iris,      r.FocalMin, r.FocalMax,
            r.FStop,    r.MinFocus, r.PdfFolder, r.Note};
}

// FirstFF, LastFF, FirstHSP, LastHSP, FirstVAR, LastVAR, FirstZOOM, LastZOOM.
QList<int> asList(const BlockBounds& b) {
    return {b.FirstFF,  b.LastFF,  b.FirstHSP,  b.LastHSP,
            b.FirstVAR, b.LastVAR, b.FirstZOOM, b.LastZOOM};
}

BlockBounds fromList(const QList<int>& v) {
    BlockBounds b;
    b.FirstFF = std::int16_t(v[0]);
    b.LastFF = std::int16_t(v[1]);
    b.FirstHSP = std::int16_t(v[2]);
    b.LastHSP = std::int16_t(v[3]);
    b.FirstVAR = std::int16_t(v[4]);
    b.LastVAR = std::int16_t(v[5]);
    b.FirstZOOM = std::int16_t(v[6]);
    b.LastZOOM = std::int16_t(v[7]);
    return b;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// One catalogue line of the given type; the rest of its fields are plausible.
QByteArray lensLine(const QByteArray& typeCode) {
    return typeCode + "\tTM0612\tDD\t6\t12\t1.2\t0.3\t01\tno\r\n";
}

QByteArray lensLines(const QStringList& typeCodes) {
    QByteArray bytes;
    for (const QString& code : typeCodes)
        bytes += lensLine(code.toUtf8());
    return bytes;
}

const QStringList emptyRecord(9);

// A record left from an earlier load, which a load must replace.
LensRecord oldRecord() {
    LensRecord record;
    record.TypeCode = QStringLiteral("FF");
    record.Name = QStringLiteral("old");
    return record;
}

} // namespace

class TestCatalogueLoader : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    // Writes `bytes` as the catalogue in a fresh folder and loads it.
    std::optional<QString> load(const QByteArray& bytes, Catalogue& catalogue,
                                BlockBounds& bounds) {
        const QString folder = m_dir.filePath(QString::number(m_loads++));
        if (!QDir().mkpath(folder))
            return QStringLiteral("test folder not made");
        writeFile(QDir(folder).filePath(catalogueName), bytes);
        return CaricaDatiDa(catalogueName, {folder}, catalogue, bounds);
    }
    int m_loads = 0;

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void choosesFile_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("name");
        QTest::newRow("comma") << ","
                               << "Obbiettivi1.txt";
        QTest::newRow("point") << "."
                               << "Obbiettivi2.txt";
        QTest::newRow("empty") << ""
                               << "Obbiettivi2.txt";
        QTest::newRow("comma with a blank") << ", "
                                            << "Obbiettivi2.txt";
        QTest::newRow("other character") << ";"
                                         << "Obbiettivi2.txt";
    }

    void choosesFile() {
        QFETCH(QString, separator);
        QFETCH(QString, name);
        QCOMPARE(catalogueFileName(separator), name);
    }

    void fields_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("fields");
        const QStringList full{"FF", "TM0612", "DD", "6", "12", "1.2", "0.3", "01", "no"};
        QTest::newRow("single tabs")
            << QByteArray("FF\tTM0612\tDD\t6\t12\t1.2\t0.3\t01\tno") << full;
        QTest::newRow("double tabs are one separator")
            << QByteArray("FF\t\tTM0612\tDD\t\t6\t12\t\t1.2\t0.3\t\t01\t\tno") << full;
        QTest::newRow("triple tabs give an empty field")
            << QByteArray("FF\t\t\tTM0612\tDD\t6\t12\t1.2\t0.3\t01")
            << QStringList{"FF", "", "TM0612", "DD", "6", "12", "1.2", "0.3", "01"};
        QTest::newRow("leading tab")
            << QByteArray("\tFF\tTM0612\tDD\t6\t12\t1.2\t0.3\t01\tno")
            << QStringList{"", "FF", "TM0612", "DD", "6", "12", "1.2", "0.3", "01\tno"};
        QTest::newRow("tabs in the note")
            << QByteArray("FF\tTM0612\tDD\t6\t12\t1.2\t0.3\t01\tday\tand\t\tnight")
            << QStringList{"FF", "TM0612",           "DD", "6", "12", "1.2", "0.3",
                           "01", "day\tand\t\tnight"};
        QTest::newRow("triple tab before the note")
            << QByteArray("FF\tTM0612\tDD\t6\t12\t1.2\t0.3\t01\t\t\tno")
            << QStringList{"FF", "TM0612", "DD", "6", "12", "1.2", "0.3", "01", "\tno"};
        QTest::newRow("empty note after a double tab")
            << QByteArray("FF\tTM0612\tDD\t6\t12\t1.2\t0.3\t01\t\t")
            << QStringList{"FF", "TM0612", "DD", "6", "12", "1.2", "0.3", "01", ""};
        QTest::newRow("short line") << QByteArray("VAR\tHV0550\tVD")
                                    << QStringList{"VAR", "HV0550", "VD", "", "", "", "", "", ""};
        QTest::newRow("short line ending in a tab")
            << QByteArray("VAR\tHV0550\t")
            << QStringList{"VAR", "HV0550", "", "", "", "", "", "", ""};
        QTest::newRow("tabs only") << QByteArray("\t\t\t") << emptyRecord;
        QTest::newRow("blank line") << QByteArray() << emptyRecord;
        QTest::newRow("windows-1252 note")
            << QByteArray("FF\tTM0612\tDD\t6\t12\t1.2\t0.3\t01\tgrandangolo 90\xb0")
            << QStringList{"FF", "TM0612", "DD", "6", "12", "1.2", "0.3", "01", "grandangolo 90°"};
    }

    void fields() {
        QFETCH(QByteArray, line);
        QFETCH(QStringList, fields);
        Catalogue catalogue;
        BlockBounds bounds;
        QCOMPARE(load(line + "\r\n", catalogue, bounds), std::nullopt);
        QCOMPARE(catalogue.size(), 3);
        QCOMPARE(columns(catalogue[0]), fields);
        QCOMPARE(catalogue[1], LensRecord{});
        QCOMPARE(catalogue[2], LensRecord{});
    }

    void lineEnds_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("typeCodes");
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("three lines")
            << QByteArray("FF\r\nHSP\r\nVAR\r\n") << QStringList{"FF", "HSP", "VAR"};
        QTest::newRow("last line without end")
            << QByteArray("FF\r\nHSP") << QStringList{"FF", "HSP"};
        QTest::newRow("line feeds") << QByteArray("FF\nHSP\n") << QStringList{"FF", "HSP"};
        QTest::newRow("carriage returns") << QByteArray("FF\rHSP\r") << QStringList{"FF", "HSP"};
        QTest::newRow("mixed ends")
            << QByteArray("FF\r\nHSP\nVAR\rZOOM") << QStringList{"FF", "HSP", "VAR", "ZOOM"};
        QTest::newRow("blank lines are rows")
            << QByteArray("FF\r\n\r\n\nHSP\r\n\r\n") << QStringList{"FF", "", "", "HSP", ""};
        QTest::newRow("one blank line") << QByteArray("\r\n") << QStringList{""};
    }

    // N lines give N + 2 rows, the last two empty.
    void lineEnds() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, typeCodes);
        Catalogue catalogue(5, oldRecord());
        BlockBounds bounds;
        QCOMPARE(load(bytes, catalogue, bounds), std::nullopt);
        QCOMPARE(catalogue.size(), typeCodes.size() + 2);
        for (qsizetype i = 0; i < typeCodes.size(); ++i)
            QCOMPARE(catalogue[i].TypeCode, typeCodes[i]);
        QCOMPARE(catalogue[typeCodes.size()], LensRecord{});
        QCOMPARE(catalogue[typeCodes.size() + 1], LensRecord{});
    }

    void bounds_data() {
        QTest::addColumn<QStringList>("typeCodes");
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<QList<int>>("after");
        const QList<int> zeros(8, 0);
        const QList<int> sevens(8, 7);
        QTest::newRow("grouped") << QStringList{"FF", "FF", "HSP", "VAR", "VAR", "ZOOM"} << zeros
                                 << QList<int>{0, 1, 2, 2, 3, 4, 5, 5};
        QTest::newRow("ungrouped, the last block counts")
            << QStringList{"FF", "HSP", "FF"} << zeros << QList<int>{2, 2, 1, 1, 0, 0, 0, 0};
        QTest::newRow("lower case is no code")
            << QStringList{"ff", "FF", "Zoom"} << sevens << QList<int>{1, 1, 7, 7, 7, 7, 7, 7};
        QTest::newRow("empty type splits a block")
            << QStringList{"VAR", "", "VAR", "VAR"} << zeros << QList<int>{0, 0, 0, 0, 2, 3, 0, 0};
        QTest::newRow("unknown type splits a block")
            << QStringList{"ZOOM", "XX", "ZOOM"} << zeros << QList<int>{0, 0, 0, 0, 0, 0, 2, 2};
        QTest::newRow("unknown first row")
            << QStringList{"XX", "HSP", "HSP"} << zeros << QList<int>{0, 0, 1, 2, 0, 0, 0, 0};
        QTest::newRow("row 0 overwrites an older bound")
            << QStringList{"FF"} << sevens << QList<int>{0, 0, 7, 7, 7, 7, 7, 7};
        QTest::newRow("absent types keep their bounds")
            << QStringList{"HSP", "HSP"} << QList<int>{1, 2, 3, 4, 5, 6, 7, 8}
            << QList<int>{1, 2, 0, 1, 5, 6, 7, 8};
        QTest::newRow("empty file") << QStringList{} << QList<int>{1, 2, 3, 4, 5, 6, 7, 8}
                                    << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
    }

    void bounds() {
        QFETCH(QStringList, typeCodes);
        QFETCH(QList<int>, before);
        QFETCH(QList<int>, after);
        Catalogue catalogue;
        BlockBounds bounds = fromList(before);
        QCOMPARE(load(lensLines(typeCodes), catalogue, bounds), std::nullopt);
        QCOMPARE(asList(bounds), after);
    }

    // The block type is held within one load only: a second file starts afresh.
    void boundsAcrossLoads() {
        Catalogue catalogue;
        BlockBounds bounds;
        QCOMPARE(load(lensLines({"FF", "HSP", "HSP", "VAR", "ZOOM", "ZOOM"}), catalogue, bounds),
                 std::nullopt);
        QCOMPARE(asList(bounds), (QList<int>{0, 0, 1, 2, 3, 3, 4, 5}));
        QCOMPARE(load(lensLines({"VAR", "FF", "FF"}), catalogue, bounds), std::nullopt);
        QCOMPARE(asList(bounds), (QList<int>{1, 2, 1, 2, 0, 0, 4, 5}));
        QCOMPARE(catalogue.size(), 5);
    }

    void folderOrder_data() {
        QTest::addColumn<QStringList>("folderContents");
        QTest::addColumn<QString>("loadedName");
        // Each folder holds a catalogue naming the folder, none ("-"), or a folder by that name
        // ("/").
        QTest::newRow("first folder wins") << QStringList{"work", "data", "exe"} << "work";
        QTest::newRow("second when the first lacks it")
            << QStringList{"-", "data", "exe"} << "data";
        QTest::newRow("last") << QStringList{"-", "-", "exe"} << "exe";
        QTest::newRow("a folder of that name is no file") << QStringList{"/", "data"} << "data";
    }

    void folderOrder() {
        QFETCH(QStringList, folderContents);
        QFETCH(QString, loadedName);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QStringList folders;
        for (qsizetype i = 0; i < folderContents.size(); ++i) {
            const QString folder = dir.filePath(QString::number(i));
            QVERIFY(QDir().mkpath(folder));
            folders.append(folder);
            const QString path = QDir(folder).filePath(catalogueName);
            if (folderContents[i] == u"/")
                QVERIFY(QDir().mkpath(path));
            else if (folderContents[i] != u"-")
                writeFile(path, "FF\t" + folderContents[i].toUtf8() + "\r\n");
        }
        Catalogue catalogue;
        BlockBounds bounds;
        QCOMPARE(CaricaDatiDa(catalogueName, folders, catalogue, bounds), std::nullopt);
        QCOMPARE(catalogue.size(), 3);
        QCOMPARE(catalogue[0].Name, loadedName);
    }

    // Loads as an empty file would, and names the file and every folder searched.
    void missingFile() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QStringList folders{dir.filePath(QStringLiteral("work")),
                                  dir.filePath(QStringLiteral("share/vistaro"))};
        QVERIFY(QDir().mkpath(folders[0]));
        writeFile(QDir(folders[0]).filePath(QStringLiteral("Obbiettivi1.txt")), lensLine("FF"));
        Catalogue catalogue(4, oldRecord());
        BlockBounds bounds = fromList({1, 2, 3, 4, 5, 6, 7, 8});

        const std::optional<QString> message =
            CaricaDatiDa(catalogueName, folders, catalogue, bounds);

        QVERIFY(message);
        QVERIFY2(message->contains(catalogueName), qPrintable(*message));
        for (const QString& folder : folders)
            QVERIFY2(message->contains(QDir::toNativeSeparators(folder)), qPrintable(*message));
        QCOMPARE(catalogue, Catalogue(2));
        QCOMPARE(asList(bounds), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    }

    void lineLimit_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("truncated");
        QTest::newRow("largest that fits") << int(MaxCatalogueLines) << false;
        QTest::newRow("one line more") << MaxCatalogueLines + 1 << true;
        QTest::newRow("beyond the 16-bit range") << 40000 << true;
    }

    // The first 32766 lines load whole; a longer file says the rest was not loaded.
    void lineLimit() {
        QFETCH(int, lines);
        QFETCH(bool, truncated);
        QByteArray bytes;
        for (int i = 0; i < lines; ++i)
            bytes += "FF\tT" + QByteArray::number(i) + "\r\n";
        Catalogue catalogue;
        BlockBounds bounds;

        const std::optional<QString> message = load(bytes, catalogue, bounds);

        QCOMPARE(bool(message), truncated);
        if (message) {
            QVERIFY2(message->contains(catalogueName), qPrintable(*message));
            QVERIFY2(message->contains(QString::number(lines)), qPrintable(*message));
            QVERIFY2(message->contains(QStringLiteral("not loaded")), qPrintable(*message));
        }
        QCOMPARE(catalogue.size(), MaxCatalogueLines + 2);
        QCOMPARE(catalogue[MaxCatalogueLines - 1].Name, QStringLiteral("T32765"));
        QCOMPARE(catalogue[MaxCatalogueLines], LensRecord{});
        QCOMPARE(catalogue[MaxCatalogueLines + 1], LensRecord{});
        QCOMPARE(asList(bounds), (QList<int>{0, MaxCatalogueLines - 1, 0, 0, 0, 0, 0, 0}));
    }
};

QTEST_GUILESS_MAIN(TestCatalogueLoader)
#include "tst_catalogueloader.moc"
