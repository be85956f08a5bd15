#include "lenses.h"
#include "match/browse.h"

#include <QTest>

using namespace vistaro;
using test::catalogueOf;

namespace {

enum class Direction { Forward, Back };

// Entries named "T" with iris "DD" are suitable for a fixed lens type on 1/3"; "X" entries
// never are.
QStringList suitableAt(int size, const QList<int>& suitable) {
    QStringList rows;
    for (int i = 0; i < size; ++i)
        rows.append(suitable.contains(i) ? QStringLiteral("FF|T%1|DD|4|4").arg(i)
                                         : QStringLiteral("FF|X%1|DD|4|4").arg(i));
    return rows;
}

} // namespace

Q_DECLARE_METATYPE(Direction)

class TestBrowse : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::usePointLocale(); }

    // Each row clicks repeatedly from `start`; -1 in `results` is a click the guard ends.
    void clicks_data() {
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<int>>("results");

        const auto fwd = Direction::Forward;
        const auto back = Direction::Back;
        QTest::newRow("forward to the nearest, then again the last")
            << fwd << suitableAt(12, {5, 9}) << 0 << 10 << 3 << QList<int>{5, 9, 9};
        QTest::newRow("forward reaches the entry at Max, then stops")
            << fwd << suitableAt(12, {10}) << 0 << 10 << 9 << QList<int>{10, -1};
        QTest::newRow("forward beyond Max is never examined")
            << fwd << suitableAt(12, {11}) << 0 << 10 << 9 << QList<int>{9, 9};
        QTest::newRow("forward at Max does nothing")
            << fwd << suitableAt(12, {11}) << 0 << 10 << 10 << QList<int>{-1};
        QTest::newRow("back to the nearest, reaching Min")
            << back << suitableAt(8, {2, 4}) << 2 << 7 << 5 << QList<int>{4, 2, -1};
        QTest::newRow("back with nothing that way presents the same entry")
            << back << suitableAt(8, {6}) << 2 << 7 << 5 << QList<int>{5, 5};
        QTest::newRow("back below Min is never examined")
            << back << suitableAt(8, {1}) << 2 << 7 << 4 << QList<int>{4};
        QTest::newRow("back at Min does nothing")
            << back << suitableAt(8, {1}) << 2 << 7 << 2 << QList<int>{-1};
        QTest::newRow("forward past the catalogue's end")
            << fwd << suitableAt(3, {}) << 0 << 20 << 1 << QList<int>{1};
        QTest::newRow("back past the catalogue's start")
            << back << suitableAt(3, {}) << -5 << 2 << 1 << QList<int>{1};
    }

    void clicks() {
        QFETCH(Direction, direction);
        QFETCH(QStringList, rows);
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, start);
        QFETCH(QList<int>, results);

        ProgramState state;
        state.LensCatalogue = catalogueOf(rows);
        state.IrisCode = QStringLiteral("DD");
        MainPublic main;
        main.Min = static_cast<std::int16_t>(min);
        main.Max = static_cast<std::int16_t>(max);
        const MainSelection selection;

        auto attuale = static_cast<std::int16_t>(start);
        for (const int expected : results) {
            const auto next = direction == Direction::Forward
                                  ? Avanti(attuale, state, main, selection)
                                  : Indietro(attuale, state, main, selection);
            QCOMPARE(next.value_or(-1), expected);
            if (next)
                attuale = *next;
        }
    }

    // One step forward from entry 0 to entry 1: is entry 1 suitable?
    void suitability_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("zoom");
        QTest::addColumn<bool>("var");
        QTest::addColumn<SensorFormat>("sensor");
        QTest::addColumn<QString>("wide");
        QTest::addColumn<QString>("tele");
        QTest::addColumn<bool>("suitable");

        const auto third = SensorFormat::Third;
        QTest::newRow("fixed type ignores the focal length")
            << "FF|T80|DD|80|80" << false << false << third << "6"
            << "" << true;
        QTest::newRow("fixed type still wants the iris")
            << "FF|T40|VD|4|4" << false << false << third << "6"
            << "" << false;
        QTest::newRow("M lens on 1/2 inch")
            << "FF|M40|DD|4|4" << false << false << SensorFormat::Half << "6"
            << "" << true;
        QTest::newRow("T lens on 1/2 inch")
            << "FF|T40|DD|4|4" << false << false << SensorFormat::Half << "6"
            << "" << false;
        QTest::newRow("VAR: long end must reach the tele length")
            << "VAR|T358|DD|3.5|8" << false << true << third << "6"
            << "12" << false;
        QTest::newRow("VAR: range covering both lengths")
            << "VAR|T3512|DD|3.5|12" << false << true << third << "6"
            << "12" << true;
        QTest::newRow("zoom: short end above the wide length")
            << "ZOOM|T880|DD|8|80" << true << false << third << "6"
            << "48" << false;
        QTest::newRow("zoom: range covering both lengths")
            << "ZOOM|T660|DD|6|60" << true << false << third << "6"
            << "48" << true;
        QTest::newRow("unreadable focal length passes the range")
            << "ZOOM|T660|DD|abc|60" << true << false << third << "6"
            << "48" << true;
        QTest::newRow("unreadable focal length, wrong iris")
            << "ZOOM|T660|M|abc|60" << true << false << third << "6"
            << "48" << false;
        QTest::newRow("empty tele length, wrong iris")
            << "VAR|T358|VD|3.5|8" << false << true << third << "6"
            << "" << false;
    }

    void suitability() {
        QFETCH(QString, entry);
        QFETCH(bool, zoom);
        QFETCH(bool, var);
        QFETCH(SensorFormat, sensor);
        QFETCH(QString, wide);
        QFETCH(QString, tele);
        QFETCH(bool, suitable);

        ProgramState state;
        state.LensCatalogue = catalogueOf({"FF|X0|DD|1|1", entry});
        state.IrisCode = QStringLiteral("DD");
        state.TargetFocalWide = wide;
        state.TargetFocalTele = tele;
        MainPublic main;
        main.Max = 1;
        MainSelection selection;
        selection.zoom = zoom;
        selection.var = var;
        selection.sensor = sensor;
        QCOMPARE(Avanti(0, state, main, selection), std::optional<std::int16_t>(suitable ? 1 : 0));
    }

    void nextIndex_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("zero") << "0"
                              << "1";
        QTest::newRow("several digits") << "41"
                                        << "42";
        QTest::newRow("negative") << "-1"
                                  << "0";
        QTest::newRow("empty stays") << ""
                                     << "";
        QTest::newRow("text stays") << "abc"
                                    << "abc";
    }

    void nextIndex() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QCOMPARE(nextIndexText(before).value_or(before), after);
    }
};

QTEST_APPLESS_MAIN(TestBrowse)
#include "tst_browse.moc"
