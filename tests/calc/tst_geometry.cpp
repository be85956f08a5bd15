#include "calc/geometry.h"
#include "calc/sensorformat.h"
#include "platform/numberformat.h"
#include "support/regionallocale.h"

#include <QTest>
#include <limits>

using namespace vistaro;

class TestGeometry : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // V from the focal length, then H from V's stored text, as the focal handler chains them.
    void focalToScene_data() {
        QTest::addColumn<bool>("comma");
        QTest::addColumn<double>("sensor");
        QTest::addColumn<double>("distance");
        QTest::addColumn<double>("focal");
        QTest::addColumn<QString>("vStored");
        QTest::addColumn<QString>("vShown");
        QTest::addColumn<QString>("hStored");
        QTest::addColumn<QString>("hShown");
        const auto add = [](const char* name, SensorFormat format, double distance, double focal,
                            const char* vStored, const char* vShown, const char* hStored,
                            const char* hShown) {
            for (const bool comma : {false, true}) {
                const auto text = [comma](const char* t) {
                    return test::regional(QString::fromLatin1(t), comma);
                };
                QTest::addRow("%s %s", name, comma ? "comma" : "point")
                    << comma << sensorHeight(format) << distance << focal << text(vStored)
                    << text(vShown) << text(hStored) << text(hShown);
            }
        };
        add("design row", SensorFormat::Third, 5, 6, "3", "3", "4", "4");
        add("1 inch", SensorFormat::One, 10, 16, "6", "6", "8", "8");
        add("1/4 inch", SensorFormat::Quarter, 3, 2.8, "2.57142857142857", "2.57",
            "3.42857142857143", "3.42");
        add("truncated, not rounded", SensorFormat::One, 5, 6, "8", "8", "10.6666666666667",
            "10.66");
        add("2.999 shows 2.99", SensorFormat::One, 2.999, 9.6, "2.999", "2.99", "3.99866666666667",
            "3.99");
        add("zero distance", SensorFormat::Third, 0, 6, "0", "0", "0", "0");
        add("negative focal", SensorFormat::Third, 5, -6, "-3", "-3", "-4", "-4");
        add("negative rounds down", SensorFormat::Third, -5, 7, "-2.57142857142857", "-2.58",
            "-3.42857142857143", "-3.43");
    }

    void focalToScene() {
        QFETCH(bool, comma);
        QFETCH(double, sensor);
        QFETCH(double, distance);
        QFETCH(double, focal);
        QFETCH(QString, vStored);
        QFETCH(QString, vShown);
        QFETCH(QString, hStored);
        QFETCH(QString, hShown);
        test::useLocale(comma);

        const auto v = geometry::sceneHeightFromFocal(distance, sensor, focal);
        QVERIFY(v);
        QCOMPARE(geometry::storedText(*v), vStored);
        QCOMPARE(geometry::shownText(*v).value_or("none"), vShown);
        const auto h = geometry::widthFromHeight(*num::toDouble(vStored));
        QVERIFY(h);
        QCOMPARE(geometry::storedText(*h), hStored);
        QCOMPARE(geometry::shownText(*h).value_or("none"), hShown);

        // The way back: V from H and f from V give the inputs again.
        const auto vBack = geometry::heightFromWidth(*h);
        QVERIFY(vBack);
        QCOMPARE(geometry::storedText(*vBack), vStored);
        if (*v != 0) {
            const auto f = geometry::focalFromSceneHeight(distance, sensor, *v);
            QVERIFY(f);
            QCOMPARE(*f, focal);
        }
    }

    void noResult_data() {
        constexpr double max = std::numeric_limits<double>::max();
        QTest::addColumn<std::optional<double>>("result");
        QTest::newRow("focal 0") << geometry::sceneHeightFromFocal(5, 3.6, 0);
        QTest::newRow("focal -0") << geometry::sceneHeightFromFocal(5, 3.6, -0.0);
        QTest::newRow("0 / 0 for V") << geometry::sceneHeightFromFocal(0, 3.6, 0);
        QTest::newRow("scene height 0") << geometry::focalFromSceneHeight(5, 3.6, 0);
        QTest::newRow("0 / 0 for f") << geometry::focalFromSceneHeight(0, 3.6, 0);
        QTest::newRow("V overflows") << geometry::sceneHeightFromFocal(max, 9.6, 1);
        QTest::newRow("f overflows") << geometry::focalFromSceneHeight(1e300, 9.6, 1e-300);
        QTest::newRow("H overflows") << geometry::widthFromHeight(max);
        QTest::newRow("V from infinite H") << geometry::heightFromWidth(HUGE_VAL);
    }

    void noResult() {
        QFETCH(std::optional<double>, result);
        QVERIFY(!result);
    }

    void unshowable() { QVERIFY(!geometry::shownText(1e307)); }
};

QTEST_GUILESS_MAIN(TestGeometry)
#include "tst_geometry.moc"
