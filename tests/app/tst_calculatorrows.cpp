// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/calculatorrows.h"
#include "state/sharedstate.h"
#include "support/messageboxanswer.h"

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
