#include "catalogue/catalogueloader.h"
#include "support/hostilefiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;
using vistaro::test::HostileFile;

// Whatever the catalogue file holds, the loader ends without a crash with N + 2 rows for N
// lines (at most 32766 lines load), the last two empty, and a message exactly when the file
// cannot be found or read or is too long.
class TestHostileCatalogue : public QObject {
    Q_OBJECT

private slots:
    void load_data() {
        QTest::addColumn<HostileFile>("file");
        QTest::addColumn<qsizetype>("rows");
        QTest::addColumn<QString>("message"); // a part of it; empty when none is expected
        for (const auto& [name, file] : test::hostile::files()) {
            using Kind = HostileFile::Kind;
            QString message;
            if (file.kind == Kind::Folder)
                message = QStringLiteral("was not found");
            else if (file.kind == Kind::Unreadable)
                message = QStringLiteral("could not be read");
            else if (file.lineCount > MaxCatalogueLines)
                message = QStringLiteral("only the first 32766 were loaded");
            QTest::newRow(name) << file
                                << qsizetype(std::min<int>(file.lineCount, MaxCatalogueLines) + 2)
                                << message;
        }
    }

    void load() {
        QFETCH(HostileFile, file);
        QFETCH(qsizetype, rows);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString name = catalogueFileName(QStringLiteral("."));
        VISTARO_PLACE_HOSTILE(file, dir.filePath(name));

        Catalogue catalogue(5);
        BlockBounds bounds;
        const std::optional<QString> result = CaricaDatiDa(name, {dir.path()}, catalogue, bounds);

        QCOMPARE(catalogue.size(), rows);
        QCOMPARE(catalogue.at(rows - 1), LensRecord{});
        QCOMPARE(catalogue.at(rows - 2), LensRecord{});
        QCOMPARE(result.has_value(), !message.isEmpty());
        if (result)
            QVERIFY2(result->contains(message), qPrintable(*result));
    }
};

QTEST_GUILESS_MAIN(TestHostileCatalogue)
#include "tst_hostile_catalogue.moc"
