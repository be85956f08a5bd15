// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "match/browse.h"
#include "match/datasheet.h"
#include "match/presentation.h"
#include "match/searchstart.h"
#include "match/sensorfit.h"
#include "support/catalogueof.h"
#include "support/hostilefiles.h"
#include "support/sampleworkfolder.h"

#include <QLabel>
#include <QTimer>

using namespace vistaro;
using namespace Qt::StringLiterals;
using test::catalogueOf;

namespace {

ProgramState stateOf(const QStringList& rows, const QString& wide = {}, const QString& tele = {}) {
    ProgramState state;
    state.LensCatalogue = catalogueOf(rows);
    state.IrisCode = QStringLiteral("DD");
    state.TargetFocalWide = wide;
    state.TargetFocalTele = tele;
    return state;
}

const MainPublic languageTexts = [] {
    MainPublic texts;
    texts.IRISCont = u"Iris: "_s;
    texts.At = u"at "_s;
    texts.InquadraMin = u" m wide: "_s;
    texts.InquadraMax = u" m tele: "_s;
    texts.Inquadra = u" m: "_s;
    texts.MinimoFuoco = u"Min. focus: "_s;
    return texts;
}();

} // namespace

Q_DECLARE_METATYPE(vistaro::SensorFormat)
Q_DECLARE_METATYPE(vistaro::DatasheetCheck::Outcome)

// Search, browsing, presentation and datasheet logic, then on the real windows with the samples.
class TestMatch : public QObject {
    Q_OBJECT

    QTemporaryDir m_cd;
    test::SampleWorkFolder m_app;

    // What a screen reader gets from a label of the recommendation window.
    QString caption(const char* name) const {
        return m_app.find<QLabel>(QLatin1String(name), m_app.consiglia())->text();
    }

private slots:
    void initTestCase() {
        QVERIFY(m_app.prepare());
        const QDir folder(m_cd.filePath(QStringLiteral("Pdf/Obiettivi")));
        QVERIFY(folder.mkpath(QStringLiteral("FF")));
        for (const char* name : {"XXT1.pdf", "xxT2.pdf"})
            QVERIFY(test::placeHostile({"%PDF\r\n", 1, {u"%PDF"_s}},
                                       folder.filePath(QLatin1String(name))));
        QVERIFY(test::placeHostile({"\r\n%PDF", 2, {u""_s, u"%PDF"_s}},
                                   folder.filePath(u"FF/T4.pdf"_s)));
    }

    // Searching the selected type's block after Min 3, Max 3, wanted 1 and 2: "type first|second"
    // then "entries shown: Min Max wide|tele"; only a zoom wants row 2; none found: no change.
    void searches_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<SensorFormat>("sensor");
        QTest::addColumn<QString>("after");
        const auto third = SensorFormat::Third;
        QTest::newRow("FF: up to the block's last row") << "FF 8|50" << third << "0 1 2 4: 0 4 8|8";
        QTest::newRow("FF on 1 inch: only V") << "FF 8|50" << SensorFormat::One << "2: 0 4 8|8";
        QTest::newRow("HSP: unreadable focal length passes") << "HSP 1|50" << third << "6: 5 6 1|1";
        QTest::newRow("VAR 8 in 3.5-8") << "VAR 8|50" << third << "7: 7 8 8|8";
        QTest::newRow("VAR 8.01 in 5-50 only") << "VAR 8.01|50" << third << "8: 7 8 8.01|8.01";
        QTest::newRow("VAR 60: nothing") << "VAR 60|50" << third << ": 3 3 1|2";
        QTest::newRow("ZOOM 6-48: the first of two") << "ZOOM 6|48" << third << "11: 9 12 6|48";
        QTest::newRow("ZOOM 8-80 reached exactly") << "ZOOM 8|80" << third << "9: 9 12 8|80";
    }

    void searches() {
        QFETCH(QString, search);
        QFETCH(SensorFormat, sensor);
        QFETCH(QString, after);
        ProgramState state = stateOf(
            {u"FF|T28|DD|2.8"_s, u"FF|M40|DD|4"_s, u"FF|V60|DD|6"_s, u"FF|T60|VD|abc"_s,
             u"FF|T80|DD|8"_s, u"HSP|T28|DD|2.8"_s, u"HSP|H60|DD|x"_s, u"VAR|T358|DD|3.5|8"_s,
             u"VAR|H550|DD|5|50"_s, u"ZOOM|T880|DD|8|80"_s, u"ZOOM|T5533|DD|5.5|33"_s,
             u"ZOOM|T660|DD|6|60"_s, u"ZOOM|H660|DD|6|60"_s, u""_s, u""_s},
            u"1"_s, u"2"_s);
        state.LensTypeCode = search.section(u' ', 0, 0);
        const QString wanted = search.section(u' ', 1);
        const BlockBounds blocks{5, 7, 9, 0, 6, 8, 12, 4}; // first HSP, VAR, ZOOM, FF; then last
        MainPublic main;
        main.Min = main.Max = 3;
        QStringList shown;
        const bool found =
            startSearch(state, main, blocks, wanted.section(u'|', 0, 0), wanted.section(u'|', 1),
                        sensor, [&](std::int16_t i) { shown << QString::number(i); });
        QCOMPARE(found, !shown.isEmpty());
        QCOMPARE(QStringLiteral("%1: %2 %3 ").arg(shown.join(u' ')).arg(main.Min).arg(main.Max) +
                     state.TargetFocalWide + u'|' + state.TargetFocalTele,
                 after);
    }

    // Clicks of ">" or "<" over "T" lenses at `suitable`, "X" elsewhere; `lenses` is the main
    // window's option, wanted "wide|tele", each lens's "FocalMin|FocalMax" (TrovaZoom's range test
    // with zoom or VAR, else none). `clicks`: "Min Max start", button, entries shown ("-": guard).
    void browse_data() {
        QTest::addColumn<QString>("lenses");
        QTest::addColumn<QList<int>>("suitable");
        QTest::addColumn<QString>("clicks");
        const QString fixed = QStringLiteral("FF 4|4 4|4");
        QTest::newRow("> nearest, then the last") << fixed << QList<int>{5, 9} << "0 10 3 > 5 9 9";
        QTest::newRow("> reaches Max, stops") << fixed << QList<int>{10, 11} << "0 10 9 > 10 -";
        QTest::newRow("< reaches Min, then stops") << fixed << QList<int>{2, 4} << "2 7 5 < 4 2 -";
        QTest::newRow("< never looks below Min") << fixed << QList<int>{1, 4} << "2 7 5 < 4 4";
        QTest::newRow("FF: any focal length") << "FF 6|6 50|50" << QList<int>{1} << "0 1 0 > 1";
        QTest::newRow("VAR: 12 in 5-50") << "VAR 12|12 5|50" << QList<int>{1} << "0 1 0 > 1";
        QTest::newRow("VAR: 12 beyond 3.5-8") << "VAR 12|12 3.5|8" << QList<int>{1} << "0 1 0 > 0";
        QTest::newRow("ZOOM: 48 past 5.5-33") << "ZOOM 6|48 5.5|33" << QList<int>{1} << "0 1 0 > 0";
    }

    void browse() {
        QFETCH(QString, lenses);
        QFETCH(QList<int>, suitable);
        QFETCH(QString, clicks);
        const QStringList lens = lenses.split(u' ');
        QStringList rows;
        for (int i = 0; i < 12; ++i)
            rows << (suitable.contains(i) ? u"FF|T|DD|"_s : u"FF|X|DD|"_s) + lens[2];
        const ProgramState state =
            stateOf(rows, lens[1].section(u'|', 0, 0), lens[1].section(u'|', 1));
        const MainSelection selection{
            SensorFormat::Third, lens[0] == u"ZOOM", lens[0] == u"VAR", {}, {}};
        const QStringList part = clicks.split(u' ');
        MainPublic main;
        main.Min = part[0].toShort();
        main.Max = part[1].toShort();
        std::int16_t attuale = part[2].toShort();
        QStringList results;
        while (results.size() < part.size() - 4) {
            const auto next = part[3] == u">" ? Avanti(attuale, state, main, selection)
                                              : Indietro(attuale, state, main, selection);
            results << (next ? QString::number(*next) : QStringLiteral("-"));
            attuale = next.value_or(attuale);
        }
        QCOMPARE(results, part.mid(4));
    }

    // The formats a lens serves by the first letter of its name: 1", 2/3", 1/2", 1/3", 1/4".
    void coverage_data() {
        QTest::addColumn<QString>("row"); // "name formats"
        for (const char* row :
             {"T358 00011", "H6012DD 00111", "M1214 01111", "V5014 11111", "t358 00000", " 00000"})
            QTest::newRow(row) << QString::fromUtf8(row);
    }

    void coverage() {
        QFETCH(QString, row);
        QString served;
        for (const auto format : {SensorFormat::One, SensorFormat::TwoThirds, SensorFormat::Half,
                                  SensorFormat::Third, SensorFormat::Quarter})
            served += coversSensor(row.section(u' ', 0, 0), format) ? u'1' : u'0';
        QCOMPARE(served, row.section(u' ', 1));
    }

    // Entry, L1, L2, "Label1|colour|MinFuoco": red: no focus at L1 or L2 (even hidden), or unknown.
    void captions_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("shown");
        QTest::newRow("closer than L1")
            << QStringList{u"FF|T6|DD|6|6|1.2|no|0.3"_s, u"0.2"_s, u"5"_s}
            << "at 0.2 m:  .16 X  .12 (m X m)\r|red|Min. focus: 0.3m";
        QTest::newRow("no zero before the point, closer than a hidden L2")
            << QStringList{u"FF|T4|DD|4|4|1.2|no|0.3"_s, u"1"_s, u"0.2"_s}
            << "at 1 m:  1.2 X  .9 (m X m)\r|red|Min. focus: 0.3m";
        QTest::newRow("remark No is shown, focus at L1 and L2")
            << QStringList{u"FF|T6|DD|6|6|1.2|No|0.3"_s, u"0.3"_s, u"0.3"_s}
            << "No\rat 0.3 m:  .24 X  .18 (m X m)\r|black|Min. focus: 0.3m";
        QTest::newRow("varifocal: wide and tele, no minimum focus")
            << QStringList{u"VAR|T358|DD|3.5|8|1.4|no|0"_s, u"7"_s, u"9"_s}
            << "at 7 m wide:  9.6 X  7.2 (m X m)\rat 7 m tele:  4.2 X  3.15 (m X m)\r|black|";
        QTest::newRow("zoom: four lines, wide and tele at L1 and L2")
            << QStringList{u"ZOOM|T660|DD|6|60|1.4|no|0"_s, u"5"_s, u"10"_s}
            << "at 5 m wide:  4 X  3 (m X m)\rat 5 m tele:  .4 X  .3 (m X m)\r"
               "at 10 m wide:  8 X  6 (m X m)\rat 10 m tele:  .8 X  .6 (m X m)\r|black|";
        QTest::newRow("unreadable focal length leaves its line out, L2 empty")
            << QStringList{u"VAR|T6|DD|x|8|1.2|no|0"_s, u"7"_s, u""_s}
            << "at 7 m tele:  4.2 X  3.15 (m X m)\r|red|";
    }

    void captions() {
        QFETCH(QStringList, inputs);
        QFETCH(QString, shown);
        const LensRecord entry = catalogueOf({inputs[0]})[0];
        const MainSelection selection{SensorFormat::Third, entry.TypeCode == u"ZOOM",
                                      entry.TypeCode == u"VAR", inputs[1], inputs[2]};
        const LensPresentation lens = presentLens(&entry, languageTexts, selection);
        const QString none = QStringLiteral("none");
        QCOMPARE(lens.Label1.value_or(none) + (lens.MinFuocoRed ? u"|red|"_s : u"|black|"_s) +
                     lens.MinFuoco.value_or(none),
                 shown);
        if (entry.Name == u"T358") // a range; the window test pins the other captions
            QCOMPARE(*lens.f, u"f:3.5-8mm"_s);
    }

    void datasheet_data() {
        using Outcome = DatasheetCheck::Outcome;
        QTest::addColumn<QString>("pdfAttuale");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("path");
        QTest::newRow("XX: none, even with a file") << "0" << Outcome::NoDatasheet << "";
        QTest::newRow("xx is a folder") << "1" << Outcome::Open << "Pdf/Obiettivi/xxT2.pdf";
        QTest::newRow("missing file") << "2" << Outcome::InsertCd << "Pdf/Obiettivi/FF/T3.pdf";
        QTest::newRow("empty first line") << "3" << Outcome::InsertCd << "Pdf/Obiettivi/FF/T4.pdf";
    }

    void datasheet() {
        QFETCH(QString, pdfAttuale);
        QFETCH(DatasheetCheck::Outcome, outcome);
        QFETCH(QString, path);
        const Catalogue catalogue = catalogueOf({u"FF|T1|||||||XX"_s, u"FF|T2|||||||xx"_s,
                                                 u"FF|T3|||||||FF\\"_s, u"FF|T4|||||||FF\\"_s});
        MainPublic main;
        main.Drive = m_cd.path() + u'/';
        main.PDFattuale = pdfAttuale;
        const DatasheetCheck result = checkDatasheet(catalogue, main);
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(result.path, path.isEmpty() ? QString() : main.Drive + path);
    }

    void cleanup() { m_app.stop(); }

    // Nothing as short as 1 mm: said, no window. At 10 m a 1/3" camera sees 8 m across with 6 mm;
    // the last direct-drive lens to 6 mm shows; ">" and "<" step through those covering 1/3".
    void recommendAndBrowse() {
        m_app.start(".\r\n,\r\n" + m_app.filePath(QStringLiteral("English.lng")).toUtf8() +
                    "\r\n" VISTARO_SOURCE_DATA_DIR "/cd/\r\n");
        QTRY_VERIFY(!m_app.window().TimerMove()->isActive()); // the language is applied
        m_app.retype(u"Focale1"_s, QStringLiteral("1"));
        m_app.waitTicks();
        {
            test::MessageBoxAnswer answer;
            m_app.click(u"MarvantoCons"_s);
            QCOMPARE(answer.texts, QStringList{NothingFitsMessage});
            QVERIFY(!m_app.consiglia()->isVisible());
        }
        m_app.retype(u"L1"_s, QStringLiteral("10"));
        m_app.waitTicks();
        m_app.retype(u"H1"_s, QStringLiteral("8"));
        m_app.waitTicks();
        m_app.click(u"MarvantoCons"_s);
        CConsiglia* shown = m_app.consiglia();
        QVERIFY(shown->isVisible() && !shown->parentWidget());
        QCOMPARE(caption("Nome") + u' ' + caption("f"), QStringLiteral("H6012DD f:6mm"));

        const std::int16_t first = shown->Attuale;
        m_app.click(u"Avanti"_s, shown);
        const QString next = caption("Nome");
        m_app.click(u"Indietro"_s, shown);
        QCOMPARE(next + u' ' + caption("Nome"), QStringLiteral("H8012DD H6012DD"));

        // A second search presents in the same window. Markup from the catalogue or a language
        // file is shown and read out as written, never rendered (an <img> would load a file).
        LensRecord& lens = m_app.program().LensCatalogue[first];
        lens.Note = QStringLiteral("<img src=\"/etc/hostname\">");
        lens.FStop = QStringLiteral("<i>1.2</i>");
        m_app.window().publicState().IRISCont = QStringLiteral("<b>Iris</b> ");
        m_app.click(u"MarvantoCons"_s);
        QCOMPARE(m_app.consiglia(), shown);
        QCOMPARE(caption("Nome") + u' ' + caption("Fstop") + u' ' + caption("Iride"),
                 QStringLiteral("H6012DD F:<i>1.2</i> <b>Iris</b> DD"));
        QCOMPARE(caption("Label1"),
                 u"<img src=\"/etc/hostname\">\nAt 10 m the lens covers 8 X  6 (m X m)\n"_s);

        m_app.click(u"Command2"_s, shown); // the sample datasheet opens in a viewer
        bool opened = false;
        for (QWidget* viewer : QApplication::topLevelWidgets())
            opened |= viewer->isVisible() && viewer->windowTitle().startsWith(u"PDF: ") &&
                      viewer->windowTitle().endsWith(u"/Pdf/Obiettivi/FF/H6012DD.pdf");
        QVERIFY(opened);
    }
};

QTEST_MAIN(TestMatch)
#include "tst_match.moc"
