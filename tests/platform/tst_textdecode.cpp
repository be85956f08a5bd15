#include "platform/textdecode.h"

#include <QTest>

using namespace vistaro;

class TestTextDecode : public QObject {
    Q_OBJECT

private slots:
    void decodes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("Lingua") << QStringLiteral("Lingua");
        QTest::newRow("utf-8") << QByteArray("Fran\xc3\xa7"
                                             "ais")
                               << QStringLiteral("Français");
        QTest::newRow("utf-8 with byte-order mark") << QByteArray("\xef\xbb\xbf"
                                                                  "Deutsch")
                                                    << QStringLiteral("Deutsch");
        QTest::newRow("windows-1252 letters") << QByteArray("Fran\xe7"
                                                            "ais")
                                              << QStringLiteral("Français");
        QTest::newRow("windows-1252 euro and quotes")
            << QByteArray("\x80 \x93ok\x94") << QStringLiteral("€ “ok”");
        QTest::newRow("invalid utf-8 sequence") << QByteArray("\xc3(") << QStringLiteral("Ã(");
        QTest::newRow("empty") << QByteArray() << QString();
    }

    void decodes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decode8Bit(bytes), text);
    }
};

QTEST_GUILESS_MAIN(TestTextDecode)
#include "tst_textdecode.moc"
