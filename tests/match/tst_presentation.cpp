#include "lenses.h"
#include "match/presentation.h"

#include <QTest>

using namespace vistaro;

namespace {

MainPublic languageTexts() {
    MainPublic texts;
    texts.IRISCont = QStringLiteral("Iris: ");
    texts.At = QStringLiteral("at ");
    texts.InquadraMin = QStringLiteral(" m wide: ");
    texts.InquadraMax = QStringLiteral(" m tele: ");
    texts.Inquadra = QStringLiteral(" m: ");
    texts.MinimoFuoco = QStringLiteral("Min. focus: ");
    return texts;
}

// "TypeCode|Name|Iris|FocalMin|FocalMax|FStop|Note|MinFocus"
LensRecord record(const QString& text) {
    const QStringList f = text.split(u'|');
    LensRecord lens;
    lens.TypeCode = f.value(0);
    lens.Name = f.value(1);
    lens.Iris = f.value(2);
    lens.FocalMin = f.value(3);
    lens.FocalMax = f.value(4);
    lens.FStop = f.value(5);
    lens.Note = f.value(6);
    lens.MinFocus = f.value(7);
    return lens;
}

enum class Option { Fixed, Var, Zoom };

} // namespace

Q_DECLARE_METATYPE(Option)

class TestPresentation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::usePointLocale(); }

    void captions() {
        const LensRecord lens = record("VAR|T3580VDD|DD|3.5|8|1.4|no|0.3");
        MainSelection selection;
        selection.L1 = QStringLiteral("5");
        selection.L2 = QStringLiteral("5");
        const LensPresentation shown = presentLens(&lens, languageTexts(), selection);
        QCOMPARE(shown.Nome, QStringLiteral("T3580VDD"));
        QCOMPARE(shown.f, QStringLiteral("f:3.5-8mm"));
        QCOMPARE(shown.Fstop, QStringLiteral("F:1.4"));
        QCOMPARE(shown.Iride, QStringLiteral("Iris: DD"));
        QCOMPARE(shown.MinFuoco, QStringLiteral("Min. focus: 0.3m"));
    }

    void focalLine_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("focal");
        QTest::newRow("zoom") << "ZOOM"
                              << "f:6-60mm";
        QTest::newRow("varifocal") << "VAR"
                                   << "f:6-60mm";
        QTest::newRow("fixed") << "FF"
                               << "f:6mm";
        QTest::newRow("aspherical") << "HSP"
                                    << "f:6mm";
        QTest::newRow("lower-case zoom is no range") << "zoom"
                                                     << "f:6mm";
    }

    void focalLine() {
        QFETCH(QString, type);
        QFETCH(QString, focal);
        const LensRecord lens = record(type + "|T1|DD|6|60|1.2|no|0");
        QCOMPARE(presentLens(&lens, languageTexts(), {}).f, focal);
    }

    void label1_data() {
        QTest::addColumn<QString>("lens");
        QTest::addColumn<Option>("option");
        QTest::addColumn<QString>("l1");
        QTest::addColumn<QString>("l2");
        QTest::addColumn<double>("sensor");
        QTest::addColumn<QString>("label1");

        QTest::newRow("fixed 6 mm at 5 m on 1/3 inch")
            << "FF|T6|DD|6|6|1.2|no|0" << Option::Fixed << "5"
            << "5" << 3.6 << "at 5 m:  4 X  3 (m X m)\r";
        QTest::newRow("4 mm at 1 m: no zero before the point")
            << "FF|T4|DD|4|4|1.2|no|0" << Option::Fixed << "1"
            << "" << 3.6 << "at 1 m:  1.2 X  .9 (m X m)\r";
        QTest::newRow("distance shown as typed")
            << "FF|T6|DD|6|6|1.2|no|0" << Option::Fixed << " 5.0"
            << "" << 3.6 << "at  5.0 m:  4 X  3 (m X m)\r";
        QTest::newRow("varifocal entry under the fixed option: one line, short end")
            << "VAR|T358|DD|3.5|8|1.4|no|0" << Option::Fixed << "7"
            << "" << 3.6 << "at 7 m:  9.6 X  7.2 (m X m)\r";
        QTest::newRow("varifocal option: two lines")
            << "VAR|T358|DD|3.5|8|1.4|no|0" << Option::Var << "7"
            << "" << 3.6 << "at 7 m wide:  9.6 X  7.2 (m X m)\rat 7 m tele:  4.2 X  3.15 (m X m)\r";
        QTest::newRow("zoom option: four lines")
            << "ZOOM|M660|M|6|60|1.2|no|0" << Option::Zoom << "10"
            << "20" << 3.6
            << "at 10 m wide:  8 X  6 (m X m)\rat 10 m tele:  .8 X  .6 (m X m)\r"
               "at 20 m wide:  16 X  12 (m X m)\rat 20 m tele:  1.6 X  1.2 (m X m)\r";
        QTest::newRow("zoom option with L2 empty: the L1 lines only")
            << "ZOOM|M660|M|6|60|1.2|no|0" << Option::Zoom << "10"
            << "" << 3.6 << "at 10 m wide:  8 X  6 (m X m)\rat 10 m tele:  .8 X  .6 (m X m)\r";
        QTest::newRow("width rounded on its own, not from the height")
            << "FF|T7|DD|7|7|1.2|no|0" << Option::Fixed << "1"
            << "" << 3.6 << "at 1 m:  .69 X  .51 (m X m)\r";
        QTest::newRow("2/3 inch sensor") << "FF|M8|DD|8|8|1.2|no|0" << Option::Fixed << "4"
                                         << "" << 6.6 << "at 4 m:  4.4 X  3.3 (m X m)\r";
        QTest::newRow("remark No is shown") << "FF|T6|DD|6|6|1.2|No|0" << Option::Fixed << "5"
                                            << "" << 3.6 << "No\rat 5 m:  4 X  3 (m X m)\r";
        QTest::newRow("remark kept with every line left out")
            << "FF|T6|DD|0|0|1.2|IR corrected|0" << Option::Fixed << "5"
            << "" << 3.6 << "IR corrected\r";
        QTest::newRow("focal length 0 leaves the line out")
            << "FF|T6|DD|0|0|1.2|no|0" << Option::Fixed << "5"
            << "" << 3.6 << "";
        QTest::newRow("unreadable focal length leaves the line out")
            << "VAR|T6|DD|x|8|1.2|no|0" << Option::Var << "7"
            << "" << 3.6 << "at 7 m tele:  4.2 X  3.15 (m X m)\r";
        QTest::newRow("empty distance leaves the line out")
            << "FF|T6|DD|6|6|1.2|no|0" << Option::Fixed << ""
            << "5" << 3.6 << "";
        QTest::newRow("distance too large to round leaves the line out")
            << "FF|T6|DD|6|6|1.2|no|0" << Option::Fixed << "1E12"
            << "" << 3.6 << "";
    }

    void label1() {
        QFETCH(QString, lens);
        QFETCH(Option, option);
        QFETCH(QString, l1);
        QFETCH(QString, l2);
        QFETCH(double, sensor);
        QFETCH(QString, label1);

        const LensRecord entry = record(lens);
        MainSelection selection;
        selection.zoom = option == Option::Zoom;
        selection.var = option == Option::Var;
        selection.L1 = l1;
        selection.L2 = l2;
        selection.SensorHeight = sensor;
        QCOMPARE(presentLens(&entry, languageTexts(), selection).Label1, label1);
    }

    void minimumFocus_data() {
        QTest::addColumn<QString>("minFocus");
        QTest::addColumn<QString>("l1");
        QTest::addColumn<QString>("l2");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("red");

        QTest::newRow("closer than L1") << "0.3"
                                        << "0.2"
                                        << "5"
                                        << "Min. focus: 0.3m" << true;
        QTest::newRow("equal to L1, L2 farther") << "0.3"
                                                 << "0.3"
                                                 << "0.3"
                                                 << "Min. focus: 0.3m" << false;
        QTest::newRow("L2 counts even when hidden") << "0.3"
                                                    << "5"
                                                    << "0.2"
                                                    << "Min. focus: 0.3m" << true;
        QTest::newRow("L2 empty") << "0.3"
                                  << "5"
                                  << ""
                                  << "Min. focus: 0.3m" << true;
        QTest::newRow("none, both distances numbers") << "0"
                                                      << "0.1"
                                                      << "0.1"
                                                      << "" << false;
        QTest::newRow("none written 0.0") << "0.0"
                                          << "5"
                                          << "5"
                                          << "" << false;
        QTest::newRow("none, L2 empty") << "0"
                                        << "5"
                                        << ""
                                        << "" << true;
        QTest::newRow("not a number is shown as written") << "abc"
                                                          << "5"
                                                          << "5"
                                                          << "Min. focus: abcm" << true;
        QTest::newRow("empty is shown as written") << ""
                                                   << "5"
                                                   << "5"
                                                   << "Min. focus: m" << true;
    }

    void minimumFocus() {
        QFETCH(QString, minFocus);
        QFETCH(QString, l1);
        QFETCH(QString, l2);
        QFETCH(QString, caption);
        QFETCH(bool, red);

        const LensRecord lens = record("FF|T6|DD|6|6|1.2|no|" + minFocus);
        MainSelection selection;
        selection.L1 = l1;
        selection.L2 = l2;
        const LensPresentation shown = presentLens(&lens, languageTexts(), selection);
        QCOMPARE(shown.MinFuoco, caption);
        QCOMPARE(shown.MinFuocoRed, red);
    }

    void entryOutsideTheCatalogue() {
        MainSelection selection;
        selection.L1 = QStringLiteral("5");
        selection.L2 = QStringLiteral("5");
        const LensPresentation shown = presentLens(nullptr, languageTexts(), selection);
        QVERIFY(!shown.Nome && !shown.f && !shown.Fstop && !shown.Iride && !shown.Label1 &&
                !shown.MinFuoco);
        QVERIFY(shown.MinFuocoRed);
    }

    void commaLocale() {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        const LensRecord lens = record("FF|T4|DD|4|4|1,2|no|0,3");
        MainSelection selection;
        selection.L1 = QStringLiteral("1");
        selection.L2 = QStringLiteral("0,25");
        const LensPresentation shown = presentLens(&lens, languageTexts(), selection);
        test::usePointLocale();
        // Scene sizes always use a point; the rest is shown as written.
        QCOMPARE(shown.Label1, QStringLiteral("at 1 m:  1.2 X  .9 (m X m)\r"));
        QCOMPARE(shown.MinFuoco, QStringLiteral("Min. focus: 0,3m"));
        QVERIFY(shown.MinFuocoRed);
    }
};

QTEST_APPLESS_MAIN(TestPresentation)
#include "tst_presentation.moc"
