#include "calc/calcrow.h"
#include "calc/sensorformat.h"
#include "support/regionallocale.h"

#include <QHash>
#include <QTest>

using namespace vistaro;

namespace {

constexpr double third = 3.6; // the 1/3 inch sensor of a fresh start

// Rows are written "Focale|L|H|V".
RowTexts row(const QString& packed, bool comma) {
    const QStringList parts = test::regional(packed, comma).split(u'|');
    return {parts.value(0), parts.value(1), parts.value(2), parts.value(3)};
}

QString packed(const RowTexts& texts) {
    return QStringList{texts.Focale, texts.L, texts.H, texts.V}.join(u'|');
}

QString storedValues(const CalcRow& calc) {
    return packed({calc.ValFocale(), calc.ValL(), calc.ValH(), calc.ValV()});
}

QString& fieldText(RowTexts& texts, CalcField field) {
    switch (field) {
    case CalcField::Focale:
        return texts.Focale;
    case CalcField::L:
        return texts.L;
    case CalcField::H:
        return texts.H;
    case CalcField::V:
        break;
    }
    return texts.V;
}

CalcField fieldNamed(const QString& name) {
    static const QHash<QString, CalcField> fields{
        {"F", CalcField::Focale}, {"L", CalcField::L}, {"H", CalcField::H}, {"V", CalcField::V}};
    return fields.value(name);
}

// The group mark of the point locale; the comma locale's is ".".
QString otherSeparator(bool comma) {
    return test::regional(QStringLiteral(","), comma);
}

} // namespace

class TestCalcRow : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // One click into a field that holds `typed`, the row's stored values being its texts.
    void handler_data() {
        QTest::addColumn<bool>("comma");
        QTest::addColumn<double>("sensor");
        QTest::addColumn<QString>("start");
        QTest::addColumn<CalcField>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("texts");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("messages");
        const auto add = [](const char* name, double sensor, const char* start, CalcField field,
                            const char* typed, const char* texts, const char* stored,
                            int messages = 0) {
            for (const bool comma : {false, true})
                QTest::addRow("%s %s", name, comma ? "comma" : "point")
                    << comma << sensor << QString::fromLatin1(start) << field
                    << QString::fromLatin1(typed) << QString::fromLatin1(texts)
                    << QString::fromLatin1(stored) << messages;
        };
        const char* design = "6|5|4|3";
        const auto F = CalcField::Focale, L = CalcField::L, H = CalcField::H, V = CalcField::V;

        add("focal 12", third, design, F, "12", "12|5|2|1.5", "12|5|2|1.5");
        add("focal emptied", third, design, F, "", "|5|4|3", design);
        add("focal no number", third, design, F, "abc", "abc|5|4|3", design);
        add("focal 0 keeps V, H again from it", third, "6|5|9|3", F, "0", "0|5|4|3", "0|5|4|3");
        add("focal group mark", third, design, F, "2,8", "28|5|0.85|0.64",
            "28|5|0.857142857142857|0.642857142857143");
        add("focal two group marks", third, design, F, "1,,5", "15|5|1.6|1.2", "15|5|1.6|1.2");
        add("focal negative", third, design, F, "-6", "-6|5|-4|-3", "-6|5|-4|-3");
        add("focal 1/4 inch", sensorHeight(SensorFormat::Quarter), "6|3|4|3", F, "2.8",
            "2.8|3|3.42|2.57", "2.8|3|3.42857142857143|2.57142857142857");
        add("focal 1 inch", sensorHeight(SensorFormat::One), design, F, "6", "6|5|10.66|8",
            "6|5|10.6666666666667|8");
        add("focal beyond double", third, design, F, "1E400", "1E400|5|4|3", "1E400|5|4|3");
        add("V overflows", third, "6|1E308|4|3", F, "1E-10", "1E-10|1E308|4|3", "1E-10|1E308|4|3");

        add("distance 10", third, design, L, "10", "12|10|4|3", "12|10|4|3");
        add("distance emptied", third, design, L, "", "6||4|3", design);
        add("distance 0", third, design, L, "0", "0|0|4|3", "0|0|4|3");
        add("distance, height 0", third, "6|5|0|0", L, "10", "6|10|0|0", "6|10|0|0");
        add("distance negative", third, design, L, "-5", "-6|-5|4|3", "-6|-5|4|3");

        add("width 8", third, design, H, "8", "3|5|8|6", "3|5|8|6");
        add("width kept untruncated", third, design, H, "4.5", "5.33|5|4.5|3.37",
            "5.33333333333333|5|4.5|3.375");
        add("width group mark", third, design, H, "1,000", "0.02|5|1000|750", "0.024|5|1000|750");
        add("width emptied", third, "3|5|8|6", H, "", design, design, 1);
        add("width no number", third, "3|5|8|6", H, "x", design, design, 1);
        add("width 0", third, design, H, "0", "6|5|0|0", "6|5|0|0");
        add("width negative", third, design, H, "-8", "-3|5|-8|-6", "-3|5|-8|-6");

        add("height 6", third, design, V, "6", "3|5|8|6", "3|5|8|6");
        add("height 2.999", third, design, V, "2.999", "6|5|3.99|2.999",
            "6.00200066688896|5|3.99866666666667|2.999");
        add("height emptied", third, "3|5|8|6", V, "", design, design, 1);
        add("height 0", third, design, V, "0", "6|5|0|0", "6|5|0|0");
        add("height negative", third, design, V, "-3", "-6|5|-4|-3", "-6|5|-4|-3");
    }

    void handler() {
        QFETCH(bool, comma);
        QFETCH(double, sensor);
        QFETCH(QString, start);
        QFETCH(CalcField, field);
        QFETCH(QString, typed);
        QFETCH(QString, texts);
        QFETCH(QString, stored);
        QFETCH(int, messages);
        test::useLocale(comma);

        RowTexts shown = row(start, comma);
        CalcRow calc(shown);
        fieldText(shown, field) = test::regional(typed, comma);
        int shownMessages = 0;
        calc.click(field, shown, sensor, otherSeparator(comma), [&] { ++shownMessages; });

        QCOMPARE(calc.driver(), field);
        QCOMPARE(packed(shown), test::regional(texts, comma));
        QCOMPARE(storedValues(calc), test::regional(stored, comma));
        QCOMPARE(shownMessages, messages);
    }

    // The user reads the message while the field still holds what was typed.
    void sizeResetFollowsMessage_data() {
        QTest::addColumn<CalcField>("field");
        QTest::addColumn<QString>("reset");
        QTest::newRow("width") << CalcField::H << "4";
        QTest::newRow("height") << CalcField::V << "3";
    }

    void sizeResetFollowsMessage() {
        QFETCH(CalcField, field);
        QFETCH(QString, reset);
        RowTexts shown{"3", "5", "8", "6"};
        CalcRow calc(shown);
        fieldText(shown, field) = "-";
        QStringList atMessage;
        calc.click(field, shown, third, u",",
                   [&] { atMessage << packed(shown) << storedValues(calc); });
        QCOMPARE(atMessage,
                 (QStringList{field == CalcField::H ? "3|5|-|6" : "3|5|8|-", "3|5|8|6"}));
        QCOMPARE(fieldText(shown, field), reset);
        QCOMPARE(packed(shown), "6|5|4|3");
    }

    // Scripts of clicks, typing and timer ticks, steps separated by ";": "click F",
    // "type L 10" (no text empties the field), "tick", "sensor 9.6", "expect F|L|H|V" (the
    // texts), "messages 1" (shown so far).
    void session_data() {
        QTest::addColumn<bool>("comma");
        QTest::addColumn<QString>("script");
        const auto add = [](const char* name, const char* script) {
            for (const bool comma : {false, true})
                QTest::addRow("%s %s", name, comma ? "comma" : "point")
                    << comma << QString::fromLatin1(script);
        };
        add("ticks after start", "tick; tick; expect 6|5|4|3; messages 0");
        add("distance to 10", "type L; click L; tick; expect 6||4|3; type L 1; tick;"
                              "type L 10; tick; expect 12|10|4|3");
        add("width to 8", "click H; type H 8; tick; expect 3|5|8|6");
        add("1 inch while focal drives", "sensor 9.6; expect 6|5|4|3; tick; expect 6|5|10.66|8");
        add("height emptied", "click H; type H 8; tick; click V; type V; tick;"
                              "expect 6|5|4|3; messages 1; tick; messages 1");
        add("focal emptied, then 12", "click F; type F; tick; tick; expect |5|4|3; type F 12;"
                                      "tick; expect 12|5|2|1.5; messages 0");
        add("group mark cleaned", "type F 2,8; tick; expect 28|5|0.85|0.64; tick;"
                                  "expect 28|5|0.85|0.64");
        add("derived field typed into", "click H; type F 99; tick; expect 6|5|4|3");
        add("distance typed without a click",
            "click H; type L 10; tick; expect 6|10|4|3; click L; expect 12|10|4|3");
    }

    void session() {
        QFETCH(bool, comma);
        QFETCH(QString, script);
        test::useLocale(comma);

        RowTexts shown{"6", "5", "4", "3"};
        CalcRow calc(shown);
        double sensor = third;
        int messages = 0;
        const auto message = [&] { ++messages; };
        for (const QString& step : script.split(u';')) {
            const QStringList words = step.trimmed().split(u' ');
            const QString& verb = words.front();
            if (verb == "click") {
                calc.click(fieldNamed(words.at(1)), shown, sensor, otherSeparator(comma), message);
            } else if (verb == "type") {
                fieldText(shown, fieldNamed(words.at(1))) =
                    test::regional(words.mid(2).join(u' '), comma);
            } else if (verb == "tick") {
                calc.tick(shown, sensor, otherSeparator(comma), message);
            } else if (verb == "sensor") {
                sensor = words.at(1).toDouble();
            } else if (verb == "expect") {
                QCOMPARE(packed(shown), test::regional(words.at(1), comma));
            } else if (verb == "messages") {
                QCOMPARE(messages, words.at(1).toInt());
            } else {
                QFAIL(qPrintable("unknown step " + step));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestCalcRow)
#include "tst_calcrow.moc"
