#include "platform/numberformat.h"

#include <QLocale>
#include <QTest>
#include <functional>

using namespace vistaro;

// Every case runs in a locale with a decimal point and in one with a decimal comma; texts in the
// tables are written with "." and "," is swapped in for the comma locale.
class TestNumberFormat : public QObject {
    Q_OBJECT

private:
    static QString regional(QString text, bool comma) {
        return comma ? text.replace(u'.', u',') : text;
    }

    static void addLocaleRows(const char* name, const std::function<void(QTestData&)>& fill) {
        for (const bool comma : {false, true}) {
            QTestData& row = QTest::addRow("%s %s", name, comma ? "comma" : "point");
            row << comma;
            fill(row);
        }
    }

    static void useLocale(bool comma) {
        QLocale::setDefault(comma ? QLocale(QLocale::Italian, QLocale::Italy)
                                  : QLocale(QLocale::English, QLocale::UnitedStates));
    }

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void numericTest_data() {
        QTest::addColumn<bool>("comma");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        const auto add = [](const char* name, const char* text, bool numeric) {
            addLocaleRows(name, [&](QTestData& row) { row << QString::fromUtf8(text) << numeric; });
        };
        add("integer", "10", true);
        add("decimal", "2.5", true);
        add("no digits before point", ".5", true);
        add("trailing point", "5.", true);
        add("negative", "-1.5", true);
        add("plus sign", "+3", true);
        add("zero", "0", true);
        add("blanks both ends", "  7.25 ", true);
        add("exponent", "1.5E-3", true);
        add("lower-case exponent", "2e5", true);
        add("empty", "", false);
        add("blanks only", "   ", false);
        add("point only", ".", false);
        add("sign only", "-", false);
        add("two decimal points", "1.2.3", false);
        add("letters", "abc", false);
        add("trailing letter", "12a", false);
        add("inner blank", "1 2", false);
        add("exponent without digits", "1E", false);
        add("double sign", "--1", false);
        add("infinity word", "inf", false);
    }

    void numericTest() {
        QFETCH(bool, comma);
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        useLocale(comma);
        // The group mark of the other locale is never part of the test string here.
        QCOMPARE(num::isNumeric(regional(text, comma), QString()), numeric);
    }

    void otherSeparatorIsIgnored_data() {
        QTest::addColumn<bool>("comma");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("other");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<QString>("cleaned");
        QTest::newRow("comma decimal, typed point") << true << "2.8"
                                                    << "." << true << "28";
        QTest::newRow("comma decimal, two points") << true << "1..5"
                                                   << "." << true << "15";
        QTest::newRow("comma decimal, group and decimal") << true << "1.250,5"
                                                          << "." << true << "1250,5";
        QTest::newRow("point decimal, group comma") << false << "1,000.5"
                                                    << "," << true << "1000.5";
        QTest::newRow("only separators") << false << ",,"
                                         << "," << false << "";
        QTest::newRow("no other separator set") << false << "2,8"
                                                << "" << false << "2,8";
        QTest::newRow("nothing to remove") << false << "12"
                                           << "," << true << "12";
    }

    void otherSeparatorIsIgnored() {
        QFETCH(bool, comma);
        QFETCH(QString, text);
        QFETCH(QString, other);
        QFETCH(bool, numeric);
        QFETCH(QString, cleaned);
        useLocale(comma);
        QCOMPARE(num::isNumeric(text, other), numeric);
        QCOMPARE(num::removeSeparator(text, other), cleaned);
    }

    void toDouble_data() {
        QTest::addColumn<bool>("comma");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("converts");
        QTest::addColumn<double>("value");
        const auto add = [](const char* name, const char* text, bool converts, double value) {
            addLocaleRows(
                name, [&](QTestData& row) { row << QString::fromUtf8(text) << converts << value; });
        };
        add("whole", "6", true, 6);
        add("decimal", "3.6", true, 3.6);
        add("negative", "-1.25", true, -1.25);
        add("blanks", " 5 ", true, 5);
        add("exponent", "1E-05", true, 1e-5);
        add("stored full precision", "2.57142857142857", true, 2.57142857142857);
        add("empty", "", false, 0);
        add("text", "abc", false, 0);
        add("beyond double range", "1E400", false, 0);
        add("not a number word", "nan", false, 0);
    }

    void toDouble() {
        QFETCH(bool, comma);
        QFETCH(QString, text);
        QFETCH(bool, converts);
        QFETCH(double, value);
        useLocale(comma);
        const auto result = num::toDouble(regional(text, comma));
        QCOMPARE(result.has_value(), converts);
        if (converts)
            QCOMPARE(*result, value);
    }

    void pointTextInCommaLocaleDoesNotReadAsDecimal() {
        useLocale(true);
        const auto value = num::toDouble(QStringLiteral("3.5"));
        QVERIFY(!value || *value != 3.5);
    }

    void toText_data() {
        QTest::addColumn<bool>("comma");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        const auto add = [](const char* name, double value, const char* text) {
            addLocaleRows(name, [&](QTestData& row) { row << value << QString::fromUtf8(text); });
        };
        add("whole", 6, "6");
        add("half", 2.5, "2.5");
        add("fifteen digits", 4.0 / 3, "1.33333333333333");
        add("pinhole result", 3 * 3.6 / 4.2, "2.57142857142857");
        add("negative", -1.5, "-1.5");
        add("negative zero", -0.0, "0");
        add("small", 0.00001, "1E-05");
        add("just above exponent form", 0.0001, "0.0001");
        add("large", 1e15, "1E+15");
        add("just below exponent form", 999999999999999.0, "999999999999999");
        add("no grouping", 1234567.5, "1234567.5");
    }

    void toText() {
        QFETCH(bool, comma);
        QFETCH(double, value);
        QFETCH(QString, text);
        useLocale(comma);
        QCOMPARE(num::toText(value), regional(text, comma));
    }

    void shownText_data() {
        QTest::addColumn<bool>("comma");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        const auto add = [](const char* name, double value, const char* text) {
            addLocaleRows(name, [&](QTestData& row) { row << value << QString::fromUtf8(text); });
        };
        add("truncated, not rounded up", 2.999, "2.99");
        add("whole stays whole", 4, "4");
        add("below a hundredth", 0.005, "0");
        add("negative rounds away from zero", -1.231, "-1.24");
        add("repeating", 32.0 / 3, "10.66");
        add("pinhole result", 3 * 2.4 / 2.8 / 3 * 4, "3.42");
        add("two decimals exact in binary noise", 0.29, "0.29");
        add("negative exact hundredths", -0.5, "-0.5");
    }

    void shownText() {
        QFETCH(bool, comma);
        QFETCH(double, value);
        QFETCH(QString, text);
        useLocale(comma);
        QCOMPARE(num::toShownText(value), std::optional<QString>(regional(text, comma)));
    }

    void shownTextOfHugeValueFails() { QVERIFY(!num::toShownText(1e307).has_value()); }

    void sceneText_data() {
        QTest::addColumn<bool>("comma");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        const auto add = [](const char* name, double value, const char* text) {
            addLocaleRows(name, [&](QTestData& row) { row << value << QString::fromUtf8(text); });
        };
        // The point stays a point in every locale.
        add("below one", 0.48, " .48");
        add("whole", 4, " 4");
        add("negative", -1.5, "-1.5");
        add("negative below one", -0.5, "-.5");
        add("zero", 0, " 0");
        add("decimal", 1.2, " 1.2");
        add("tiny", 0.00001, " 1E-05");
    }

    void sceneText() {
        QFETCH(bool, comma);
        QFETCH(double, value);
        QFETCH(QString, text);
        useLocale(comma);
        QCOMPARE(num::toSceneText(value), text);
    }

    void roundHalfEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<int>("result");
        QTest::newRow("half down to even") << 2.5 << true << 2;
        QTest::newRow("half up to even") << 3.5 << true << 4;
        QTest::newRow("negative half") << -2.5 << true << -2;
        QTest::newRow("ordinary") << 119.6 << true << 120;
        QTest::newRow("largest") << 2147483647.0 << true << 2147483647;
        QTest::newRow("smallest") << -2147483648.0 << true << int(-2147483647 - 1);
        QTest::newRow("just too large") << 2147483648.0 << false << 0;
        QTest::newRow("too small") << -2147483649.0 << false << 0;
        QTest::newRow("not a number") << std::nan("") << false << 0;
    }

    void roundHalfEven() {
        QFETCH(double, value);
        QFETCH(bool, fits);
        QFETCH(int, result);
        const auto rounded = num::roundHalfEven(value);
        QCOMPARE(rounded.has_value(), fits);
        if (fits)
            QCOMPARE(*rounded, result);
    }
};

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
