#include <QDir>
#include <QFile>
#include <QPdfDocument>
#include <QSet>
#include <QTest>

// The catalogue and datasheets shipped in data/: the two catalogue files must agree but for
// the decimal separator, hold a usable sample, and every datasheet they name must open.
class TestSampleCatalogue : public QObject {
    Q_OBJECT

private:
    static constexpr int NumericColumns[] = {3, 4, 5, 6}; // FocalMin, FocalMax, FStop, MinFocus

    QList<QStringList> m_point;
    QList<QStringList> m_comma;

    static QList<QStringList> readCatalogue(const QString& name) {
        QFile file(QStringLiteral(VISTARO_SOURCE_DATA_DIR "/") + name);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray bytes = file.readAll();
        QList<QStringList> lines;
        for (const QByteArray& line : bytes.split('\n')) {
            if (line.isEmpty())
                continue;
            if (!line.endsWith('\r'))
                return {};
            lines.append(QString::fromLatin1(line.chopped(1)).split(u'\t'));
        }
        return bytes.endsWith("\r\n") ? lines : QList<QStringList>{};
    }

private slots:
    void initTestCase() {
        m_point = readCatalogue(QStringLiteral("Obbiettivi2.txt"));
        m_comma = readCatalogue(QStringLiteral("Obbiettivi1.txt"));
        QVERIFY2(!m_point.isEmpty(), "Obbiettivi2.txt missing or not CR LF");
        QVERIFY2(!m_comma.isEmpty(), "Obbiettivi1.txt missing or not CR LF");
    }

    void filesDifferOnlyInTheSeparator() {
        QCOMPARE(m_comma.size(), m_point.size());
        for (qsizetype row = 0; row < m_point.size(); ++row) {
            const QStringList& point = m_point[row];
            QStringList comma = m_comma[row];
            QCOMPARE(point.size(), 9);
            QCOMPARE(comma.size(), 9);
            for (const int column : NumericColumns) {
                QVERIFY(!point[column].contains(u','));
                comma[column].replace(u',', u'.');
            }
            QCOMPARE(comma, point);
        }
    }

    void sampleIsUsable() {
        QVERIFY(m_point.size() >= 60);
        const QStringList typeOrder = {"FF", "HSP", "VAR", "ZOOM"};
        QSet<QChar> letters;
        QSet<QString> irises;
        int remarks = 0;
        int withoutMinFocus = 0;
        int withoutDatasheet = 0;
        QString type;
        double focal = 0;
        for (const QStringList& lens : m_point) {
            if (lens[0] != type) {
                // Grouped by type, the types in a fixed order.
                QVERIFY(typeOrder.indexOf(lens[0]) > typeOrder.indexOf(type));
                type = lens[0];
                focal = 0;
            }
            const double focalMin = lens[3].toDouble();
            QVERIFY2(focalMin >= focal, qPrintable(lens[1]));
            focal = focalMin;
            QVERIFY(lens[4].toDouble() >= focalMin);
            letters.insert(lens[1].front());
            irises.insert(lens[2]);
            if (lens[2] == QLatin1String("M"))
                QCOMPARE(lens[0], QStringLiteral("ZOOM"));
            remarks += lens[8] != QLatin1String("no");
            withoutMinFocus += lens[6] == QLatin1String("0");
            withoutDatasheet += lens[7] == QLatin1String("XX");
        }
        QCOMPARE(type, QStringLiteral("ZOOM"));
        QCOMPARE(letters, (QSet<QChar>{u'T', u'H', u'M', u'V'}));
        QCOMPARE(irises, (QSet<QString>{"MI", "DD", "VD", "M"}));
        QVERIFY(remarks > 0);
        QVERIFY(withoutMinFocus > 0);
        QVERIFY(withoutDatasheet > 0);
    }

    void everyNamedDatasheetOpens() {
        int datasheets = 0;
        for (const QStringList& lens : m_point) {
            if (lens[7] == QLatin1String("XX"))
                continue;
            const QString path = QStringLiteral(VISTARO_SOURCE_DATA_DIR "/cd/Pdf/Obiettivi/") +
                                 QString(lens[7]).replace(u'\\', u'/') + lens[1] +
                                 QStringLiteral(".pdf");
            QPdfDocument document;
            QCOMPARE(document.load(path), QPdfDocument::Error::None);
            QCOMPARE(document.pageCount(), 1);
            QVERIFY2(document.getAllText(0).text().contains(lens[1]), qPrintable(path));
            ++datasheets;
        }
        QVERIFY(datasheets > 0);
    }
};

QTEST_MAIN(TestSampleCatalogue)
#include "tst_samplecatalogue.moc"
