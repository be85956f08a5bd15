#include "lenses.h"
#include "match/coverage.h"
#include "match/search.h"
#include "match/searchstart.h"

#include <QTest>

using namespace vistaro;
using test::catalogueOf;

namespace {

using Search = bool (*)(const ProgramState&, const MainPublic&, SensorFormat, const PresentEntry&);

Search searchNamed(const QString& name) {
    if (name == QLatin1String("TrovaVAR"))
        return TrovaVAR;
    if (name == QLatin1String("TrovaZoom"))
        return TrovaZoom;
    return Trova;
}

// FF 0-3, HSP 4-5, VAR 6-7, ZOOM 8-9, then the loader's two empty rows.
const QStringList AllTypes = {"FF|T28|DD|2.8|2.8",
                              "FF|T40|DD|4|4",
                              "FF|T60|DD|6|6",
                              "FF|T80|DD|8|8",
                              "HSP|H30|DD|3|3",
                              "HSP|H45|DD|4.5|4.5",
                              "VAR|T358|DD|3.5|8",
                              "VAR|H2890|DD|2.8|9",
                              "ZOOM|M6060|DD|6|60",
                              "ZOOM|H5533|DD|5.5|33",
                              "",
                              ""};

} // namespace

class TestSearch : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::usePointLocale(); }

    void coverage_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<SensorFormat>("sensor");
        QTest::addColumn<bool>("covers");
        const struct {
            const char* letter;
            bool covers[5]; // 1", 2/3", 1/2", 1/3", 1/4"
        } rules[] = {
            {"T", {false, false, false, true, true}},   {"H", {false, false, true, true, true}},
            {"M", {false, true, true, true, true}},     {"V", {true, true, true, true, true}},
            {"t", {false, false, false, false, false}}, {"X", {false, false, false, false, false}},
            {"", {false, false, false, false, false}}};
        for (const auto& rule : rules) {
            for (int format = 0; format < 5; ++format) {
                QTest::addRow("'%s' on format %d", rule.letter, format)
                    << (*rule.letter ? QString::fromLatin1(rule.letter) + QStringLiteral("123")
                                     : QString())
                    << static_cast<SensorFormat>(format) << rule.covers[format];
            }
        }
    }

    void coverage() {
        QFETCH(QString, name);
        QFETCH(SensorFormat, sensor);
        QFETCH(bool, covers);
        QCOMPARE(coversSensor(name, sensor), covers);
    }

    void searches_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("wide");
        QTest::addColumn<QString>("tele");
        QTest::addColumn<SensorFormat>("sensor");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<QList<int>>("presented");

        const QStringList fixed = {"FF|T28|DD|2.8", "FF|T40|DD|4", "FF|T60|DD|6", "FF|T80|DD|8"};
        const auto third = SensorFormat::Third;
        QTest::newRow("Trova shows every match up to the wanted length")
            << "Trova" << fixed << "6"
            << "" << third << 0 << 4 << QList<int>{0, 1, 2};
        QTest::newRow("1 inch passes no T lens")
            << "Trova" << fixed << "6"
            << "" << SensorFormat::One << 0 << 4 << QList<int>{};
        QStringList withM = fixed;
        withM[2] = "FF|M60|DD|6";
        QTest::newRow("1 inch passes no M lens")
            << "Trova" << withM << "6"
            << "" << SensorFormat::One << 0 << 4 << QList<int>{};
        QStringList withV = fixed;
        withV[2] = "FF|V60|DD|6";
        QTest::newRow("1 inch passes a V lens")
            << "Trova" << withV << "6"
            << "" << SensorFormat::One << 0 << 4 << QList<int>{2};
        QTest::newRow("iris and name compared case-sensitively")
            << "Trova" << QStringList{"FF|T28|dd|2.8", "FF|t40|DD|4", "FF|T60|DD|6"} << "6"
            << "" << third << 0 << 3 << QList<int>{2};
        QTest::newRow("entry at Max is not examined")
            << "Trova" << fixed << "8"
            << "" << third << 0 << 3 << QList<int>{0, 1, 2};
        QTest::newRow("Min equal to Max scans nothing") << "Trova" << fixed << "8"
                                                        << "" << third << 2 << 2 << QList<int>{};
        QTest::newRow("Min above Max scans nothing") << "Trova" << fixed << "8"
                                                     << "" << third << 3 << 1 << QList<int>{};
        QTest::newRow("indices outside the catalogue are skipped")
            << "Trova" << fixed << "8"
            << "" << third << -2 << 9 << QList<int>{0, 1, 2, 3};
        QTest::newRow("wanted length empty: iris and sensor alone")
            << "Trova" << QStringList{"FF|T28|DD|2.8", "FF|T40|VD|4", "FF|V60|DD|6"} << ""
            << "" << third << 0 << 3 << QList<int>{0, 2};
        QTest::newRow("unreadable focal length with the wrong iris is not recommended")
            << "Trova" << QStringList{"FF|T28|VD|", "FF|T40|VD|abc", "FF|T60|DD|x"} << "6"
            << "" << third << 0 << 3 << QList<int>{2};

        const QStringList var = {"VAR|T358|DD|3.5|8"};
        QTest::newRow("TrovaVAR upper bound inclusive") << "TrovaVAR" << var << "8"
                                                        << "" << third << 0 << 1 << QList<int>{0};
        QTest::newRow("TrovaVAR beyond the upper bound") << "TrovaVAR" << var << "8.01"
                                                         << "" << third << 0 << 1 << QList<int>{};
        QTest::newRow("TrovaVAR lower bound inclusive") << "TrovaVAR" << var << "3.5"
                                                        << "" << third << 0 << 1 << QList<int>{0};
        QTest::newRow("TrovaVAR stops at the first match")
            << "TrovaVAR"
            << QStringList{"VAR|T2860|DD|2.8|6", "VAR|T358|DD|3.5|8", "VAR|H2890|DD|2.8|9"} << "5"
            << "99" << third << 0 << 3 << QList<int>{0};
        QTest::newRow("TrovaVAR ignores the tele length")
            << "TrovaVAR" << var << "5"
            << "50" << third << 0 << 1 << QList<int>{0};
        QTest::newRow("TrovaVAR unreadable long end, wrong iris")
            << "TrovaVAR" << QStringList{"VAR|T358|VD|3.5|", "VAR|T358|DD|3.5|"} << "5"
            << "" << third << 0 << 2 << QList<int>{1};

        QTest::newRow("TrovaZoom first of two fitting")
            << "TrovaZoom"
            << QStringList{"ZOOM|T880|DD|8|80", "ZOOM|T5533|DD|5.5|33", "ZOOM|T660|DD|6|60",
                           "ZOOM|H572|DD|5|72"}
            << "6"
            << "48" << third << 0 << 4 << QList<int>{2};
        QTest::newRow("TrovaZoom nothing fits")
            << "TrovaZoom" << QStringList{"ZOOM|T880|DD|8|80", "ZOOM|T5533|DD|5.5|33"} << "6"
            << "48" << third << 0 << 2 << QList<int>{};
        QTest::newRow("TrovaZoom unreadable tele length, iris still applies")
            << "TrovaZoom" << QStringList{"ZOOM|T880|M|8|80", "ZOOM|T880|DD|8|80"} << "6"
            << "" << third << 0 << 2 << QList<int>{1};
    }

    void searches() {
        QFETCH(QString, search);
        QFETCH(QStringList, rows);
        QFETCH(QString, wide);
        QFETCH(QString, tele);
        QFETCH(SensorFormat, sensor);
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(QList<int>, presented);

        ProgramState state;
        state.LensCatalogue = catalogueOf(rows);
        state.IrisCode = QStringLiteral("DD");
        state.TargetFocalWide = wide;
        state.TargetFocalTele = tele;
        MainPublic main;
        main.Min = static_cast<std::int16_t>(min);
        main.Max = static_cast<std::int16_t>(max);

        QList<int> shown;
        const bool found =
            searchNamed(search)(state, main, sensor, [&](std::int16_t i) { shown.append(i); });
        QCOMPARE(shown, presented);
        QCOMPARE(found, !presented.isEmpty());
    }

    void maxIsReadAtEachPass() {
        ProgramState state;
        state.LensCatalogue = catalogueOf({"FF|T28|DD|2.8", "FF|T40|DD|4", "FF|T60|DD|6"});
        state.IrisCode = QStringLiteral("DD");
        state.TargetFocalWide = QStringLiteral("6");
        MainPublic main;
        main.Max = 3;
        QList<int> shown;
        Trova(state, main, SensorFormat::Third, [&](std::int16_t i) {
            shown.append(i);
            main.Max = 2;
        });
        QCOMPARE(shown, (QList<int>{0, 1}));
    }

    void startSearch_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("wide");
        QTest::addColumn<QString>("tele");
        QTest::addColumn<QList<int>>("presented");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::newRow("FF block") << "FF"
                                  << "6"
                                  << "" << QList<int>{0, 1, 2} << 0 << 3;
        QTest::newRow("HSP block") << "HSP"
                                   << "4"
                                   << "" << QList<int>{4} << 4 << 5;
        QTest::newRow("VAR block") << "VAR"
                                   << "8"
                                   << "" << QList<int>{6} << 6 << 7;
        QTest::newRow("ZOOM block") << "ZOOM"
                                    << "6"
                                    << "33" << QList<int>{8} << 8 << 9;
        QTest::newRow("ZOOM, nothing fits") << "ZOOM"
                                            << "4"
                                            << "33" << QList<int>{} << 8 << 9;
    }

    void startSearch() {
        QFETCH(QString, type);
        QFETCH(QString, wide);
        QFETCH(QString, tele);
        QFETCH(QList<int>, presented);
        QFETCH(int, min);
        QFETCH(int, max);

        ProgramState state;
        state.LensCatalogue = catalogueOf(AllTypes);
        state.LensTypeCode = type;
        state.IrisCode = QStringLiteral("DD");
        const BlockBounds blocks{.FirstHSP = 4,
                                 .FirstVAR = 6,
                                 .FirstZOOM = 8,
                                 .FirstFF = 0,
                                 .LastHSP = 5,
                                 .LastVAR = 7,
                                 .LastZOOM = 9,
                                 .LastFF = 3};
        MainPublic main;
        QList<int> shown;
        QList<int> maxWhileShown;
        const bool found = vistaro::startSearch(state, main, blocks, wide, tele,
                                                SensorFormat::Third, [&](std::int16_t i) {
                                                    shown.append(i);
                                                    maxWhileShown.append(main.Max);
                                                });
        QCOMPARE(found, !presented.isEmpty());
        QCOMPARE(shown, presented);
        // The search reaches the block's last record; ">" afterwards ends on it.
        for (const int during : maxWhileShown)
            QCOMPARE(during, max + 1);
        QCOMPARE(main.Min, min);
        QCOMPARE(main.Max, max);
        QCOMPARE(state.TargetFocalWide, wide);
        QCOMPARE(state.TargetFocalTele, tele);
    }

    void startSearchWithoutRecordsOfTheType_data() {
        QTest::addColumn<QString>("type");
        QTest::newRow("type absent, bounds left from an earlier catalogue") << "HSP";
        QTest::newRow("unknown type") << "XYZ";
        QTest::newRow("lower-case type") << "ff";
    }

    void startSearchWithoutRecordsOfTheType() {
        QFETCH(QString, type);
        ProgramState state;
        state.LensCatalogue = catalogueOf({"FF|T28|DD|2.8", "FF|T40|DD|4", "", ""});
        state.LensTypeCode = type;
        state.IrisCode = QStringLiteral("DD");
        const BlockBounds blocks{.FirstHSP = 0, .LastHSP = 1, .LastFF = 1};
        MainPublic main;
        main.Min = 7;
        main.Max = 9;
        int calls = 0;
        QVERIFY(!vistaro::startSearch(state, main, blocks, QStringLiteral("6"), QString(),
                                      SensorFormat::Third, [&](std::int16_t) { ++calls; }));
        QCOMPARE(calls, 0);
        QCOMPARE(main.Min, 7);
        QCOMPARE(main.Max, 9);
    }
};

QTEST_APPLESS_MAIN(TestSearch)
#include "tst_search.moc"
