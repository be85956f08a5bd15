#include "match/datasheet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;

namespace {

LensRecord lens(const QString& name, const QString& folder) {
    LensRecord record;
    record.TypeCode = QStringLiteral("FF");
    record.Name = name;
    record.PdfFolder = folder;
    return record;
}

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

Q_DECLARE_METATYPE(vistaro::DatasheetCheck::Outcome)

class TestDatasheet : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_cd;
    Catalogue m_catalogue{lens("T1", "XX"),   lens("T2", "xx"),   lens("T3", "FF\\"),
                          lens("T4", "FF\\"), lens("T5", "FF\\"), lens("T6", "FF\\"),
                          lens("T7", "FF\\"), lens("ABC", "")};

    QString drive() const { return m_cd.path() + u'/'; }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(m_cd.isValid());
        const QString folder = drive() + "Pdf/Obiettivi/";
        writeFile(folder + "XXT1.pdf", "%PDF-1.4\n");
        writeFile(folder + "xxT2.pdf", "%PDF-1.4\n");
        writeFile(folder + "FF/T4.pdf", "\r\n%PDF-1.4\n");
        writeFile(folder + "FF/T5.pdf", "%PDF-1.4\r\n");
        writeFile(folder + "FF/T6.pdf", "");
        writeFile(folder + "FF/T7.pdf", "\n%PDF-1.4\n");
        writeFile(folder + "ABC.pdf", "%PDF-1.4");
    }

    void check_data() {
        using Outcome = DatasheetCheck::Outcome;
        QTest::addColumn<QString>("pdfAttuale");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("path");

        QTest::newRow("XX marks no datasheet, even with a file")
            << "0" << Outcome::NoDatasheet << "";
        QTest::newRow("xx is a folder name") << "1" << Outcome::Open << "Pdf/Obiettivi/xxT2.pdf";
        QTest::newRow("missing file") << "2" << Outcome::InsertCd << "Pdf/Obiettivi/FF/T3.pdf";
        QTest::newRow("empty first line (CR LF)")
            << "3" << Outcome::InsertCd << "Pdf/Obiettivi/FF/T4.pdf";
        QTest::newRow("readable datasheet") << "4" << Outcome::Open << "Pdf/Obiettivi/FF/T5.pdf";
        QTest::newRow("empty file") << "5" << Outcome::InsertCd << "Pdf/Obiettivi/FF/T6.pdf";
        QTest::newRow("empty first line (LF)")
            << "6" << Outcome::InsertCd << "Pdf/Obiettivi/FF/T7.pdf";
        QTest::newRow("empty folder, line without an end")
            << "7" << Outcome::Open << "Pdf/Obiettivi/ABC.pdf";
        QTest::newRow("nothing presented yet") << "" << Outcome::NoDatasheet << "";
        QTest::newRow("not a number") << "abc" << Outcome::NoDatasheet << "";
        QTest::newRow("beyond the catalogue") << "8" << Outcome::NoDatasheet << "";
        QTest::newRow("negative") << "-1" << Outcome::NoDatasheet << "";
    }

    void check() {
        QFETCH(QString, pdfAttuale);
        QFETCH(DatasheetCheck::Outcome, outcome);
        QFETCH(QString, path);
        MainPublic main;
        main.Drive = drive();
        main.PDFattuale = pdfAttuale;
        const DatasheetCheck result = checkDatasheet(m_catalogue, main);
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(result.path, path.isEmpty() ? QString() : drive() + path);
    }

    void driveChangedBetweenClicks() {
        MainPublic main;
        main.PDFattuale = QStringLiteral("4");
        main.Drive = QStringLiteral("/nonexistent-cd/");
        QCOMPARE(checkDatasheet(m_catalogue, main).outcome, DatasheetCheck::Outcome::InsertCd);
        main.Drive = drive();
        QCOMPARE(checkDatasheet(m_catalogue, main).outcome, DatasheetCheck::Outcome::Open);
    }

    void pathConcatenatesItsParts() {
#ifdef Q_OS_WIN
        const QString expected = QStringLiteral("D:\\Pdf\\Obiettivi\\ZOOM\\ABC.pdf");
#else
        const QString expected = QStringLiteral("D:/Pdf/Obiettivi/ZOOM/ABC.pdf");
#endif
        QCOMPARE(datasheetPath(QStringLiteral("D:\\"), lens("ABC", "ZOOM\\")), expected);
    }
};

QTEST_GUILESS_MAIN(TestDatasheet)
#include "tst_datasheet.moc"
