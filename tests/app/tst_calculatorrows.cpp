// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/calculatorrows.h"
#include "state/sharedstate.h"
#include "support/messageboxanswer.h"

#include <QApplication>
#include <QLineEdit>

using namespace vistaro;
using namespace Qt::StringLiterals;

// The calculator rows on their own, in a frame of their own.
class TestCalculatorRows : public QObject {
    Q_OBJECT

    ProgramState m_program;
    MainPublic m_texts;
    MainPrivate m_state;

    static QString drivers(const MainPrivate& state) {
        const char* names[] = {"Focale", "L", "H", "V"};
        return QStringLiteral("%1 %2").arg(QLatin1String(names[int(state.Row1.driver())]),
                                           QLatin1String(names[int(state.Row2.driver())]));
    }

private slots:
    void initTestCase() {
        test::MessageBoxAnswer::failOnUnexpectedBoxes();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_state.SensorHeight = DefaultSensorHeight;
        m_texts.ValNum = QStringLiteral("Not a number");
    }

    // Only a left click, pressed and released in one field, makes that field its row's driver;
    // the keyboard reaching a field does not. "steps>drivers of the two rows", a step is
    // "click:", "right:", "press:" or "release:" a field, or "tab:" from a field.
    void mouseClickDrives_data() {
        QTest::addColumn<QString>("script");
        for (const char* row : {"click:L1>L Focale", "click:H1>H Focale", "click:V2>Focale V",
                                "click:L1 click:L2>L L", "right:L1>Focale Focale",
                                "press:L1 release:H1>Focale Focale", "tab:Focale1>Focale Focale",
                                "click:V1 tab:V1>V Focale"})
            QTest::newRow(row) << QString::fromLatin1(row);
    }

    void mouseClickDrives() {
        QFETCH(QString, script);
        QWidget frame;
        CalculatorRows rows(&frame, m_state, m_program, m_texts);
        rows.setZoomLayout(true);
        rows.storeShownTexts();
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        for (const QString& step : script.section(u'>', 0, 0).split(u' ')) {
            auto* field = frame.findChild<QLineEdit*>(step.section(u':', 1));
            const QPoint middle = field->rect().center();
            const QString kind = step.section(u':', 0, 0);
            if (kind == u"click")
                QTest::mouseClick(field, Qt::LeftButton, {}, middle);
            else if (kind == u"right")
                QTest::mouseClick(field, Qt::RightButton, {}, middle);
            else if (kind == u"press")
                QTest::mousePress(field, Qt::LeftButton, {}, middle);
            else if (kind == u"release")
                QTest::mouseRelease(field, Qt::LeftButton, {}, middle);
            else {
                field->setFocus();
                QTest::keyClick(field, Qt::Key_Tab);
                QVERIFY(!field->hasFocus());
            }
        }
        QCOMPARE(drivers(m_state), script.section(u'>', 1));
    }

    // An edit from the keyboard makes the field its row's driver as a click does, and the next
    // tick recalculates the row from it. 1/3" (3.6 mm high) from 6 mm, 5 m, 4 x 3 m: 9 mm gives
    // 5 x 3.6 / 9 = 2 m high, 2.66 wide; 20 m keeps the scene and needs 20 x 3.6 / 3 = 24 mm;
    // 3 m wide is 2.25 high at 5 x 3.6 / 2.25 = 8 mm; 1.5 m high is 2 wide at 12 mm.
    // "field typed>the row edited".
    void keyboardEditDrives_data() {
        QTest::addColumn<QString>("script");
        for (const char* row :
             {"Focale1 9>9|5|2.66|2", "L1 20>24|20|4|3", "H1 3>8|5|3|2.25", "V1 1.5>12|5|2|1.5",
              "Focale2 9>9|5|2.66|2", "L2 20>24|20|4|3", "H2 3>8|5|3|2.25", "V2 1.5>12|5|2|1.5"})
            QTest::newRow(row) << QString::fromLatin1(row);
    }

    void keyboardEditDrives() {
        QFETCH(QString, script);
        const QString name = script.section(u' ', 0, 0);
        const QString typed = script.section(u' ', 1).section(u'>', 0, 0);
        const int edited = name.endsWith(u'2') ? 1 : 0;
        QWidget frame;
        CalculatorRows rows(&frame, m_state, m_program, m_texts);
        rows.setZoomLayout(true);
        rows.storeShownTexts();
        frame.show();
        QApplication::setActiveWindow(&frame);
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        const QList<QWidget*> order = rows.tabOrder();
        auto* field = frame.findChild<QLineEdit*>(name);
        QWidget* before = order.at((order.indexOf(field) + order.size() - 1) % order.size());
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QVERIFY(field->hasFocus() && field->selectedText() == field->text());
        QTest::keyClicks(field, typed);
        rows.tick();
        const RowTexts row = rows.readRow(edited);
        QCOMPARE(QStringList({row.Focale, row.L, row.H, row.V}).join(u'|'),
                 script.section(u'>', 1));
        QCOMPARE(rows.readRow(1 - edited), (RowTexts{u"6"_s, u"5"_s, u"4"_s, u"3"_s}));
    }

    // A size that is not a number says so once; while the message is open, ticks and clicks
    // change nothing and ask nothing. Then the field shows its stored value again and the row
    // follows it, over what was typed meanwhile.
    void valNumHoldsTheRows() {
        QWidget frame;
        CalculatorRows rows(&frame, m_state, m_program, m_texts);
        rows.storeShownTexts();
        frame.findChild<QLineEdit*>(QStringLiteral("V1"))->clear();
        test::MessageBoxAnswer answer;
        QList<RowTexts> during;
        answer.onOpen = [&] {
            frame.findChild<QLineEdit*>(QStringLiteral("Focale1"))->setText(QStringLiteral("12"));
            rows.tick();
            rows.clickField(0, CalcField::Focale);
            during << rows.readRow(0);
        };
        rows.clickField(0, CalcField::V);
        QCOMPARE(answer.texts, QStringList{m_texts.ValNum});
        QCOMPARE(during, (QList<RowTexts>{{u"12"_s, u"5"_s, u"4"_s, u""_s}}));
        QCOMPARE(rows.readRow(0), (RowTexts{u"6"_s, u"5"_s, u"4"_s, u"3"_s}));
        QCOMPARE(m_state.Row1.driver(), CalcField::V);
    }
};

QTEST_MAIN(TestCalculatorRows)
#include "tst_calculatorrows.moc"
