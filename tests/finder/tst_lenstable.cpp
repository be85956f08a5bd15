// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/csvexport.h"
#include "finder/finderbrowsing.h"
#include "finder/lensfilter.h"
#include "finder/lenstablemodel.h"
#include "support/catalogueof.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;
using namespace Qt::StringLiterals;
using test::catalogueOf;

namespace {

// "type|iris|sensor|wide|tele|L1|L2[|camera[|mounting height]]", sensor 1, 2/3, 1/2, 1/3 or 1/4.
// Coverage defaults: the calculator's format, 1920 x 1080, identification, 1.7 m targets; the
// camera if not that (preset name or "4.8x3.6"), the mounting height, else the targets'.
FinderInputs inputsOf(const QString& text, const QString& drive = {}) {
    const QStringList f = text.split(u'|');
    const auto sensor =
        SensorFormat(QStringList{u"1"_s, u"2/3"_s, u"1/2"_s, u"1/3"_s, u"1/4"_s}.indexOf(f[2]));
    CoverageInputs coverage;
    coverage.mountHeightM = f.size() > 8 ? f[8].toDouble() : coverage.targetHeightM;
    if (const QString camera = f.value(7); camera.contains(u'x')) {
        coverage.sensorSource = SensorSource::Custom;
        coverage.customSensor = {camera.section(u'x', 0, 0).toDouble(),
                                 camera.section(u'x', 1).toDouble()};
    } else if (!camera.isEmpty()) {
        coverage.sensorSource = SensorSource::Preset;
        coverage.sensorPreset = camera;
    }
    return {{f[0], f[1], sensor, {f[3], f[4]}, f[5], f[6], drive}, coverage};
}

const QString Usual = QStringLiteral("FF|DD|1/3|6|6|10|100");

QStringList shownNames(const LensFilter& filter) {
    QStringList names;
    for (int row = 0; row < filter.rowCount(); ++row)
        names << filter.index(row, 0).data().toString();
    return names;
}

} // namespace

Q_DECLARE_METATYPE(vistaro::Check)
Q_DECLARE_METATYPE(vistaro::LensColumn)

// The lens table's logic over catalogues of a few lenses, worked out by hand.
class TestLensTable : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Each rule at its bounds (cell, tooltip); 10 m identifies at 250 x 10 x 4.8 / 1920 = 6.25 mm.
    void verdicts_data() {
        QTest::addColumn<QString>("lens");
        QTest::addColumn<Check>("check");
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Trova: as long as wanted") << "FF|T6|DD|6|6" << Check::Focal << Usual
                                                  << "✔ 6 mm is not longer than the wanted 6 mm";
        QTest::newRow("TrovaVAR: at the long end")
            << "VAR|T358|DD|3.5|8" << Check::Focal << "VAR|DD|1/3|8|8|10|100"
            << "✔ the wanted 8 mm lies within 3.5-8 mm";
        QTest::newRow("no iris") << "FF|T6||6|6" << Check::Iris << Usual
                                 << "? Unknown: the catalogue gives no iris control";
        // A hidden second row is no distance the lens must focus at.
        QTest::newRow("hidden second row closer")
            << "FF|T6|DD|6|6|1.2|no|0.3" << Check::Focus << "FF|DD|1/3|6|6|5|0.29"
            << "✔ focuses from 0.3 m; the nearest distance is 5 m";
        QTest::newRow("zoom: second row closer")
            << "ZOOM|T612|DD|6|12|1.2|no|0.3" << Check::Focus << "ZOOM|DD|1/3|6|12|5|0.29"
            << "✘ focuses only from 0.3 m; the nearest distance is 0.29 m";
        QTest::newRow("distance not typed")
            << "FF|T6|DD|6|6|1.2|no|0.3" << Check::Focus << "FF|DD|1/3|6|6||5"
            << "? Unknown: the distance \"\" cannot be read";
        QTest::newRow("level: 6 mm short of 6.25, a fixed lens's second column not counted")
            << "FF|T6|DD|6|12" << Check::Level << Usual
            << "✘ Identification needs 6.25 mm or longer at 10 m; this lens reaches 6 mm";
        QTest::newRow("level: a varifocal's long end of exactly 6.25 mm")
            << "VAR|T3625|DD|3|6.25" << Check::Level << Usual
            << "✔ Identification needs 6.25 mm or longer at 10 m; this lens reaches 6.25 mm";
        // From 3 m onto 1.7 m targets, identifying at 10 m needs 6.3026 mm (tst_coverage), > 6.25.
        QTest::newRow("level: along the line of sight from above")
            << "VAR|T3625|DD|3|6.25" << Check::Level << "FF|DD|1/3|6|6|10|100||3"
            << "✘ Identification needs 6.303 mm or longer at 10 m; this lens reaches 6.25 mm";
        // Rows 6 mm at 10 m and 30 mm at 80 m: the 33 mm long end gives 1920 / (80 x 4.8 / 33) =
        // 165 px/m at 80 m, where identifying needs 250 x 80 x 4.8 / 1920 = 50 mm; at L1 it passes.
        QTest::newRow("level: a zoom's long end at the second row's distance")
            << "ZOOM|T5533|DD|5.5|33" << Check::Level << "ZOOM|DD|1/3|6|30|1|80"
            << "✘ Identification needs 50 mm or longer at 80 m; this lens reaches 33 mm";
        // Each lens by its type's rule: a 3.5-8 mm varifocal holds 6 mm; FF's would refuse 8 mm.
        QTest::newRow("focal: a varifocal by its own rule with a fixed type selected")
            << "VAR|T358|DD|3.5|8" << Check::Focal << Usual
            << "✔ the wanted 6 mm lies within 3.5-8 mm";
        QTest::newRow("type: another type does not fit")
            << "VAR|T358|DD|3.5|8" << Check::Fits << Usual << "✘ does not fit: Type wanted";
        // A lens's letter is its largest format, its image circle that diagonal (1/3" 6 mm, 1/2"
        // 8 mm); judged: 1/2.8" (5.57 x 3.13 mm) is 6.39 mm across, 1/4" (3.2 x 2.4) 4 mm.
        const QString oneThird = u"made for 1/3\": its image circle of 6 mm "_s;
        QTest::newRow("sensor: 1/3\" lens, 1/2.8\" camera")
            << "FF|T6|DD|6|6" << Check::Sensor << Usual + u"|1/2.8\""_s
            << u"✘ "_s + oneThird + u"is smaller than the camera's 6.39 mm diagonal"_s;
        QTest::newRow("sensor: 1/3\" lens, a 1/4\" preset camera")
            << "FF|T6|DD|6|6" << Check::Sensor << Usual + u"|1/4\""_s
            << u"✔ "_s + oneThird + u"covers the camera's 4 mm diagonal"_s;
        QTest::newRow("sensor: 1/3\" lens, the calculator's 1/3\", as wide as its circle")
            << "FF|T6|DD|6|6" << Check::Sensor << Usual
            << u"✔ "_s + oneThird + u"covers the camera's 6 mm diagonal"_s;
        QTest::newRow("sensor: 1/3\" lens, a typed sensor just wider")
            << "FF|T6|DD|6|6" << Check::Sensor << Usual + u"|4.81x3.6"_s
            << u"✘ "_s + oneThird + u"is smaller than the camera's 6.01 mm diagonal"_s;
        QTest::newRow("sensor: no camera to judge")
            << "FF|T6|DD|6|6" << Check::Sensor << Usual + u"|0x3.6"_s
            << "? Unknown: the coverage window's sensor or picture size cannot be used";
        QTest::newRow("sensor: a lower-case letter tells no format")
            << "FF|t6|DD|6|6" << Check::Sensor << Usual
            << "✘ the name's first letter \"t\" tells no sensor format";
        QTest::newRow("numbers in reasons without an exponent")
            << "FF|T12500|DD|12500|12500" << Check::Focal << Usual
            << "✘ 12500 mm is longer than the wanted 6 mm";
        QTest::newRow("fits") << "FF|T625|DD|6|6.25|1.2|no|0.3" << Check::Fits
                              << "FF|DD|1/3|6|6|7|7"
                              << "✔ passes every test";
        QTest::newRow("one failure decides") << "FF|X6|MI|6|6|1.2|no|0.3" << Check::Fits << Usual
                                             << "✘ does not fit: Iris, Covers sensor, Level";
        QTest::newRow("unknown without a failure")
            << "FF|T7|DD|6|6|1.2|no|0.3" << Check::Fits << "FF|DD|1/3|6|6||1"
            << "? Unknown: cannot be told: Focuses, Level";
    }

    void verdicts() {
        QFETCH(QString, lens);
        QFETCH(Check, check);
        QFETCH(QString, inputs);
        QFETCH(QString, shown);
        const Catalogue catalogue = catalogueOf({lens});
        LensTableModel model(catalogue);
        QVERIFY(model.update(inputsOf(inputs)));
        const QModelIndex cell = model.index(0, int(LensColumn::TypeVerdict) + int(check));
        QCOMPARE(cell.data().toString() + u' ' + cell.data(Qt::ToolTipRole).toString(), shown);
    }

    // Ascending by name, "catalogue rows > names in order"; a text sort puts "12" before "2.8".
    void sortOrder_data() {
        QTest::addColumn<LensColumn>("column");
        QTest::addColumn<QString>("sorted");
        QTest::newRow("focal lengths as numbers, then the long end")
            << LensColumn::Focal
            << "FF|a|DD|12|12 VAR|b|DD|2.8|12 FF|c|DD|x FF|d|DD|4|4 VAR|e|DD|2.8|6 > e b d a c";
        QTest::newRow("minimum focus: 0 is none, first; unreadable last")
            << LensColumn::MinFocus
            << "FF|a||||||0.5 FF|b||||||abc FF|c||||||0 FF|d||||||0.2 FF|e||||||10 > c d a e b";
        QTest::newRow("sensor by size")
            << LensColumn::Sensor << "FF|V1 FF|T2 FF|?3 FF|M4 FF|H5 > T2 H5 M4 V1 ?3";
        QTest::newRow("fits: yes, no, unknown, ties in catalogue order")
            << LensColumn::Fits
            << "FF|T1|MI|6|6|1|no|0 FF|T2|DD|7|7|1|no|x FF|T3|DD|7|7|1|no|0 "
               "FF|T4|DD|6.5|6.5|1|no|0 FF|T5|DD|9|9|1|no|0 > T3 T4 T1 T5 T2";
    }

    void sortOrder() {
        QFETCH(LensColumn, column);
        QFETCH(QString, sorted);
        const Catalogue catalogue =
            catalogueOf(sorted.section(QStringLiteral(" > "), 0, 0).split(u' '));
        LensTableModel model(catalogue);
        model.update(inputsOf(QStringLiteral("FF|DD|1/3|8|8|10|10")));
        LensFilter filter(model);
        filter.sort(static_cast<int>(column), Qt::AscendingOrder);
        QCOMPARE(shownNames(filter).join(u' '), sorted.section(QStringLiteral(" > "), 1));
    }

    // Over FF T6 (fits), FF T8 (too long), VAR M312 (wrong type), HSP H2 (manual iris, remark).
    void filters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fitsOnly");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("none") << "" << false << ""
                              << QStringList{u"T6"_s, u"T8"_s, u"M312"_s, u"H2"_s};
        QTest::newRow("fits only") << "" << true << "" << QStringList{u"T6"_s};
        QTest::newRow("part of a remark, any case")
            << "METAL" << false << "" << QStringList{u"H2"_s};
        QTest::newRow("part of a name") << " t8 " << false << "" << QStringList{u"T8"_s};
        QTest::newRow("one type") << "" << false << "VAR" << QStringList{u"M312"_s};
    }

    void filters() {
        QFETCH(QString, text);
        QFETCH(bool, fitsOnly);
        QFETCH(QString, type);
        QFETCH(QStringList, shown);
        const Catalogue catalogue =
            catalogueOf({u"FF|T6|DD|6|6|1.2|no|0.3"_s, u"FF|T8|DD|8|8|1.2|no|0.3"_s,
                         u"VAR|M312|DD|3|12|1.4|no|0.3"_s, u"HSP|H2|MI|2|2|1.2|Metal mount|0.3"_s});
        LensTableModel model(catalogue);
        model.update(inputsOf(QStringLiteral("FF|DD|1/3|6|6|1|1")));
        LensFilter filter(model);
        filter.setFitsOnly(fitsOnly);
        filter.setNameFilter(text);
        filter.setTypeFilter(type);
        QCOMPARE(shownNames(filter), shown);
    }

    // Two rows as a spreadsheet gets them, with a datasheet there and one the catalogue lacks.
    void csvBytes() {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); // decimal commas
        const Catalogue catalogue =
            catalogueOf({u"VAR|T3580|DD|3,5|8|1,4|Wide, \"low\" distortion|0,3|VAR\\"_s,
                         u"FF|H6|MI|6|6|1,2|=1+1|0|XX"_s});
        QTemporaryDir cd;
        QVERIFY(QDir(cd.path()).mkpath(QStringLiteral("Pdf/Obiettivi/VAR")));
        QVERIFY(QFile(cd.filePath(QStringLiteral("Pdf/Obiettivi/VAR/T3580.pdf")))
                    .open(QFile::WriteOnly));
        LensTableModel model(catalogue);
        model.update(inputsOf(QStringLiteral("VAR|DD|1/3|6|6|10|10"), cd.path() + u'/'));
        LensFilter filter(model);
        filter.sort(static_cast<int>(LensColumn::Name), Qt::AscendingOrder);
        const QByteArray expected =
            "\xEF\xBB\xBF"
            "Name,Type,Iris,Focal (mm),F,Min. focus (m),Sensor,Remark,Datasheet,Type wanted,"
            "Focal,Iris,Covers sensor,Focuses,Level,Fits\r\n"
            "H6,FF,MI,6,1.2,0,\"1/2\"\"\",'=1+1,none,no,yes,no,yes,yes,no,no\r\n"
            "T3580,VAR,DD,3.5-8,1.4,0.3,\"1/3\"\"\",\"Wide, \"\"low\"\" distortion\",yes,yes,yes,"
            "yes,yes,yes,yes,yes\r\n";
        QCOMPARE(lensCsv(filter), expected);
    }

    // Blank rows: no lens; broken lines: shown, verdicts unknown; rejudged on change or new file.
    void badRowsAndChanges() {
        Catalogue catalogue = catalogueOf({u"FF|T2"_s, u""_s, u"FF|Q4|DD|x|x|F?|no|far"_s, u""_s});
        LensTableModel model(catalogue);
        QVERIFY(model.update(inputsOf(Usual)));
        QVERIFY(!model.update(inputsOf(Usual)));
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.catalogueIndex(1), std::int16_t(2));
        const auto cell = [&](int row, LensColumn column, int role = Qt::DisplayRole) {
            return model.index(row, static_cast<int>(column)).data(role).toString();
        };
        const int tip = Qt::ToolTipRole;
        QCOMPARE(
            (QStringList{cell(0, LensColumn::FocalVerdict, tip), cell(0, LensColumn::Datasheet),
                         cell(0, LensColumn::Fits), cell(1, LensColumn::Sensor),
                         cell(1, LensColumn::MinFocus), cell(1, LensColumn::FocusVerdict, tip),
                         cell(1, LensColumn::LevelVerdict, tip), cell(1, LensColumn::Fits)}),
            (QStringList{u"Unknown: the focal length \"\" cannot be read"_s, u"missing"_s, u"?"_s,
                         u"unknown"_s, u"far"_s,
                         u"Unknown: the minimum focus distance \"far\" cannot be read"_s,
                         u"Unknown: the focal length \"x\" cannot be read"_s, u"✘"_s}));

        catalogue = catalogueOf({u"FF|T6|MI|6|6"_s});
        QVERIFY(model.update(inputsOf(Usual)));
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.verdict(0, Check::Iris), Verdict::Fail);
    }

    // Min, Max and the wanted focal lengths before the finder presents an entry. Blocks: FF 0-1,
    // VAR 2-3, ZOOM 7-8 left from an earlier, longer catalogue; `after` is "Min Max wide|tele".
    void browsing_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("after");
        QTest::newRow("its own type's block") << 3 << "2 3 6|12";
        QTest::newRow("no known type") << 4 << "4 4 6|12";
        QTest::newRow("block left from another catalogue") << 5 << "5 5 6|12";
    }

    void browsing() {
        QFETCH(int, index);
        QFETCH(QString, after);
        ProgramState state;
        state.LensCatalogue = catalogueOf(
            {u"FF|T1"_s, u"FF|T2"_s, u"VAR|T3"_s, u"VAR|T4"_s, u"ff|T5"_s, u"ZOOM|T6"_s});
        const BlockBounds blocks{0, 2, 7, 0, 0, 3, 8, 1}; // first HSP, VAR, ZOOM, FF; then last
        MainPublic main;
        prepareBrowsing(state, main, blocks, std::int16_t(index), {u"6"_s, u"12"_s});
        QCOMPARE(QStringLiteral("%1 %2 %3|%4")
                     .arg(main.Min)
                     .arg(main.Max)
                     .arg(state.TargetFocalWide, state.TargetFocalTele),
                 after);
    }
};

QTEST_GUILESS_MAIN(TestLensTable)
#include "tst_lenstable.moc"
