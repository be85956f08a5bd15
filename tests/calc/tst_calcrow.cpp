// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/calcrow.h"
#include "calc/sensorformat.h"
#include "support/regionallocale.h"

#include <QTest>

using namespace vistaro;

namespace {

// Rows are written "Focale|L|H|V".
RowTexts row(const QString& packed) {
    const QStringList parts = packed.split(u'|');
    return {parts.value(0), parts.value(1), parts.value(2), parts.value(3)};
}

QString packed(const RowTexts& texts) {
    return QStringList{texts.Focale, texts.L, texts.H, texts.V}.join(u'|');
}

} // namespace

class TestCalcRow : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Typing into `field`; `texts` are the row before, the typed text, the row and the stored
    // values after, the row at each message (";" between them) and the group mark deleted from
    // typed text ("." where the regional format writes it: a declared separator it does not
    // write).
    void handler_data() {
        QTest::addColumn<double>("sensor");
        QTest::addColumn<CalcField>("field");
        QTest::addColumn<QStringList>("texts");
        const auto add = [](const char* name, const char* start, CalcField field, const char* typed,
                            const char* texts, const char* stored, const char* atMessage = "",
                            SensorFormat sensor = SensorFormat::Third, const char* mark = ",") {
            const QByteArrayList parts{start, typed, texts, stored, atMessage, mark};
            QTest::newRow(name) << sensorHeight(sensor) << field
                                << QString::fromUtf8(parts.join('\n')).split(u'\n');
        };
        const char* design = "6|5|4|3";
        const auto F = CalcField::Focale, L = CalcField::L, H = CalcField::H, V = CalcField::V;
        add("focal emptied", design, F, "", "|5|4|3", design);
        add("focal 0 keeps V", "6|5|9|3", F, "0", "0|5|4|3", "0|5|4|3");
        add("1/4 inch, 3 m, 2.8 mm", "6|3|4|3", F, "2.8", "2.8|3|3.42|2.57",
            "2.8|3|3.42857142857143|2.57142857142857", "", SensorFormat::Quarter);
        add("V overflows", "6|1E308|4|3", F, "1E-10", "1E-10|1E308|4|3", "1E-10|1E308|4|3");
        add("distance, height 0", "6|5|0|0", L, "10", "6|10|0|0", "6|10|0|0");
        add("width emptied", "3|5|8|6", H, "", design, design, "3|5||6");
        add("height 2.999", design, V, "2.999", "6|5|3.99|2.999",
            "6.00200066688896|5|3.99866666666667|2.999");
        add("height emptied", "3|5|8|6", V, "", design, design, "3|5|8|");
        add("height 0", design, V, "0", "6|5|0|0", "6|5|0|0");
        // 5 x 3.6 / 3.63 = 4.95867768595041 m high, 6.61157024793388 wide. A number on show
        // keeps its value when the group mark becomes the regional point; 4.95 clicked is 6.6
        // wide at 5 x 3.6 / 4.95 = 3.63636363636364 mm; typed anew, 3.64 is 364 mm.
        const auto Third = SensorFormat::Third;
        add("the focal length on show", "3.63|5|4|3", F, "3.63", "3.63|5|6.61|4.95",
            "3.63|5|6.61157024793388|4.95867768595041", "", Third, ".");
        add("a height on show", "3.63|5|6.61|4.95", V, "4.95", "3.63|5|6.6|4.95",
            "3.63636363636364|5|6.6|4.95", "", Third, ".");
        add("a focal length typed anew", "3.63|5|4|3", F, "3.64", "364|5|0.06|0.04",
            "364|5|0.0659340659340659|0.0494505494505494", "", Third, ".");
    }

    void handler() {
        QFETCH(double, sensor);
        QFETCH(CalcField, field);
        QFETCH(QStringList, texts);
        for (const bool comma : {false, true}) {
            test::useLocale(comma);
            const QStringList t = test::regional(texts.join(u'\n'), comma).split(u'\n');
            RowTexts shown = row(t[0]);
            CalcRow calc(shown);
            QStringList typed = t[0].split(u'|');
            typed[int(field)] = t[1];
            shown = row(typed.join(u'|'));
            QStringList messages;
            // The user reads the message while the field still holds what was typed.
            calc.click(field, shown, sensor, t[5], [&] { messages << packed(shown); });
            QCOMPARE(calc.driver(), field);
            QCOMPARE(packed(shown), t[2]);
            QCOMPARE(packed({calc.ValFocale(), calc.ValL(), calc.ValH(), calc.ValV()}), t[3]);
            QCOMPARE(messages.join(u';'), t[4]);
        }
    }
};

QTEST_GUILESS_MAIN(TestCalcRow)
#include "tst_calcrow.moc"
