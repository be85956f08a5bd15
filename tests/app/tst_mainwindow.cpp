// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/twips.h"
#include "support/sampleworkfolder.h"

#include <QMenuBar>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

// Tokens of what a control shows before any language file, in this order.
QString stateOf(const QWidget* control) {
    QStringList state;
    const QColor colour = control->palette().color(QPalette::WindowText);
    const auto alignment = control->property("alignment").value<Qt::Alignment>();
    for (const auto& [token, holds] : {std::pair{"hidden", control->isHidden()},
                                       {"disabled", !control->isEnabled()},
                                       {"selected", control->property("checked").toBool()},
                                       {"centred", bool(alignment & Qt::AlignHCenter)},
                                       {"blue", colour == QColor(0, 0, 255)},
                                       {"red", colour == QColor(255, 0, 0)}})
        if (holds)
            state << QLatin1String(token);
    return state.isEmpty() ? QStringLiteral("-") : state.join(u',');
}

// The focusable controls of `window` in the order Tab reaches them, from `first`.
QStringList tabOrder(QWidget* first, const QStringList& names) {
    QStringList order;
    QWidget* widget = first;
    do {
        if (names.contains(widget->objectName()) && !order.contains(widget->objectName()))
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != first);
    return order;
}

} // namespace

// The calculator as the user drives it with mouse and keyboard, the CalcoloFocale timer running.
class TestMainWindow : public QObject {
    Q_OBJECT

    test::SampleWorkFolder m_app;

    QString rows() const {
        QStringList texts;
        for (const char* field : {"Focale1", "L1", "H1", "V1", "Focale2", "L2", "H2", "V2"})
            if (m_app.edit(QLatin1String(field))->isVisible())
                texts << m_app.edit(QLatin1String(field))->text();
        return texts.join(u'|');
    }

private slots:
    void initTestCase() { QVERIFY(m_app.prepare()); }

    // A normal start that names no language file, so the design-time texts stay: "6|5|4|3".
    void init() {
        m_app.start(".\r\n,\r\n\r\nD:\\\r\n");
        QApplication::setActiveWindow(&m_app.window());
        QVERIFY(QTest::qWaitForWindowActive(&m_app.window()));
    }

    void cleanup() {
        m_app.stop();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    // Pixels are twips x DPI / 1440, to the nearest pixel: "twips DPI pixels".
    void twips_data() {
        QTest::addColumn<QString>("row");
        for (const char* row : {"1440 96 96", "1212 96 81", "7 96 0", "1440 120 120"})
            QTest::newRow(row) << QString::fromLatin1(row);
    }

    void twips() {
        QFETCH(QString, row);
        const QStringList n = row.split(u' ');
        QCOMPARE(twipsToPixels(n[0].toInt(), n[1].toInt()), n[2].toInt());
    }

    // Every control of the two windows as created: "name type container left top width height
    // font state|caption", places in twips, fonts Arial, state tokens joined by "," or "-".
    void controls_data() {
        QTest::addColumn<QString>("control");
        for (const char* row :
             {"Sensore QGroupBox window 120 120 975 1695 8.25 -|Sensore",
              "un QRadioButton Sensore 120 240 735 255 8.25 -|   1\"",
              "unmezzo QRadioButton Sensore 120 760 735 255 8.25 -|1/2\"",
              "unterzo QRadioButton Sensore 120 1020 735 255 8.25 selected|1/3\"",
              "Frame1 QGroupBox window 1200 120 1455 1360 8.25 -|Tipo ottica",
              "zoom QRadioButton Frame1 120 240 855 255 8.25 -|Zoom",
              "FF QRadioButton Frame1 120 1020 1215 255 8.25 selected|Focale Fissa",
              "Frame2 QGroupBox window 2760 120 2295 1695 8.25 -|Controllo iride",
              "Manual QRadioButton Frame2 120 240 2055 255 8.25 -|Manuale",
              "DC QRadioButton Frame2 120 550 2055 255 8.25 selected|Diretto",
              "M QRadioButton Frame2 120 1320 2055 255 8.25 disabled|a Motore (per zoom)",
              "MarvantoCons QPushButton window 5280 120 1440 615 9.75b -|marvanto consiglia",
              "Label5 QLabel window 1200 1540 1095 375 14.25b blue|marvan",
              "Label6 QLabel window 2280 1540 255 375 14.25b red|t",
              "Label7 QLabel window 2450 1540 255 375 14.25b blue|o",
              "Calcoli QGroupBox window 120 1920 6620 1200 8.25 -|",
              "Label4 QLabel Calcoli 2760 230 1455 495 8.25 centred|"
              "angolo di visuale orizzontale (m)",
              "Focale1 QLineEdit Calcoli 120 720 1215 285 8.25 centred|6",
              "L1 QLineEdit Calcoli 1560 720 1200 285 8.25 centred|5",
              "macro QLabel Calcoli 5640 720 735 255 8.25 hidden|WIDE",
              "Focale2 QLineEdit Calcoli 120 1200 1215 285 8.25 hidden,centred|6",
              "Tele QLabel Calcoli 5640 1200 612 252 8.25 hidden|TELE",
              // The recommendation window; its datasheet button sits beside ">".
              "Command3 QPushButton CConsiglia 2280 5040 615 375 8.25 disabled|>",
              "Text1 QLineEdit CConsiglia 1560 5040 615 375 8.25 disabled|",
              "Command2 QPushButton CConsiglia 4200 3600 1335 375 8.25 -|PDF 2",
              "Command1 QPushButton CConsiglia 240 5040 1215 375 8.25 disabled|azzera",
              "Avanti QPushButton CConsiglia 3240 3600 735 375 9.75 -|>",
              "Indietro QPushButton CConsiglia 1560 3600 735 375 9.75 -|<",
              "Label2 QLabel CConsiglia 0 4080 5655 375 9.75 centred|updated at 22/01/2003",
              "MinFuoco QLabel CConsiglia 120 1560 4575 375 9.75 -|"
              "Minima distanza di messa a fuoco:",
              "Nome QLabel CConsiglia 120 0 5535 495 9.75b -|Nome"})
            QTest::newRow(row) << QString::fromUtf8(row);
    }

    void controls() {
        QFETCH(QString, control);
        const QStringList w = control.section(u'|', 0, 0).split(u' ');
        CConsiglia recommendation(m_app.hub());
        QWidget* window =
            w[2] == u"CConsiglia" ? static_cast<QWidget*>(&recommendation) : &m_app.window();
        QWidget* c = m_app.find(w[0], window);
        QVERIFY(c);
        QCOMPARE(QString::fromLatin1(c->metaObject()->className()), w[1]);
        QCOMPARE(c->parentWidget()->objectName(), w[2] == u"window" ? u"ClientArea"_s : w[2]);
        QCOMPARE(c->geometry(),
                 twipsRect(w[3].toInt(), w[4].toInt(), w[5].toInt(), w[6].toInt(), c));
        QCOMPARE(c->property(c->inherits("QGroupBox") ? "title" : "text").toString(),
                 control.section(u'|', 1));
        QCOMPARE(c->font().family(), QStringLiteral("Arial"));
        QCOMPARE(QString::number(c->font().pointSizeF()) + (c->font().bold() ? u"b"_s : u""_s),
                 w[7]);
        QCOMPARE(stateOf(c), w[8]);
    }

    // Tab follows the tab indices; the menus, all within reach; the windows, of fixed sizes (at
    // 96 DPI), the recommendation window modeless.
    void windowsAsMade() {
        CConsiglia recommendation(m_app.hub());
        const QStringList main{
            u"un"_s,  u"dueterzi"_s, u"unmezzo"_s, u"unterzo"_s,     u"unquarto"_s, u"zoom"_s,
            u"VAR"_s, u"HSP"_s,      u"FF"_s,      u"Manual"_s,      u"DC"_s,       u"VD"_s,
            u"M"_s,   u"Focale1"_s,  u"L1"_s,      u"H1"_s,          u"V1"_s,       u"Focale2"_s,
            u"L2"_s,  u"H2"_s,       u"V2"_s,      u"MarvantoCons"_s};
        const QStringList consiglia{u"Indietro"_s, u"Avanti"_s, u"Command1"_s,
                                    u"Command2"_s, u"Text1"_s,  u"Command3"_s};
        QCOMPARE(tabOrder(m_app.find(u"un"_s), main), main);
        QCOMPARE(tabOrder(m_app.find(u"Indietro"_s, &recommendation), consiglia), consiglia);
        QStringList menus;
        for (const QAction* menu : m_app.window().menuBar()->actions())
            menus << menu->text() + (menu->isVisible() && menu->isEnabled() ? u""_s : u" (off)"_s);
        QCOMPARE(menus, (QStringList{u"&Lingua"_s, u"&Separatore Decimale"_s, u"&CD Drive"_s,
                                     u"&Tools"_s}));
        QCOMPARE(m_app.window().logicalDpiX(), 96);
        QCOMPARE(m_app.window().centralWidget()->size(), QSize(456, 215));
        QCOMPARE(recommendation.size(), QSize(383, 295));
        m_app.click(u"zoom"_s); // shows the TELE row
        QCOMPARE(m_app.window().centralWidget()->size(), QSize(456, 248));
        m_app.click(u"VAR"_s);
        QCOMPARE(m_app.window().centralWidget()->size(), QSize(456, 215));
        QCOMPARE(m_app.window().minimumSize(), m_app.window().maximumSize());
        QCOMPARE(recommendation.minimumSize(), recommendation.maximumSize());
        QVERIFY(!recommendation.isModal());
    }

    // A start selects 1/3", fixed focal and direct drive; each option button records its
    // choice: "clicks made in turn>SensorHeight LensTypeCode IrisCode".
    void optionsRecord_data() {
        QTest::addColumn<QString>("row");
        for (const char* row :
             {">3.6 FF DD", "un>9.6 FF DD", "un unterzo>3.6 FF DD", "HSP>3.6 HSP DD",
              "VAR>3.6 VAR DD", "HSP FF>3.6 FF DD", "Manual>3.6 FF MI", "VD>3.6 FF VD",
              "VD DC>3.6 FF DD", "zoom M>3.6 ZOOM M"})
            QTest::newRow(row) << QString::fromLatin1(row);
    }

    void optionsRecord() {
        QFETCH(QString, row);
        for (const QString& name : row.section(u'>', 0, 0).split(u' ', Qt::SkipEmptyParts))
            m_app.click(name);
        QCOMPARE(QStringLiteral("%1 %2 %3")
                     .arg(m_app.window().privateState().SensorHeight)
                     .arg(m_app.program().LensTypeCode, m_app.program().IrisCode),
                 row.section(u'>', 1));
    }

    // Typing settles the row, then it is not rewritten (that moves the cursor); an emptied size
    // shows one message and comes back; zoom shows the TELE row. "decimal steps>visible fields
    // settled>messages", a step is "field=typed" or a click, each given time to land.
    void typedRowSettles_data() {
        QTest::addColumn<QString>("script");
        for (const char* row :
             {", Focale1=2.8>28|5|0.85|0.64>", ". Focale1=6 un>6|5|10.66|8>",
              ". L1=10 V1=>12|10|4|3>Not a number", ". zoom L2=10>6|5|4|3|12|10|4|3>"})
            QTest::newRow(row) << QString::fromLatin1(row);
    }

    void typedRowSettles() {
        QFETCH(QString, script);
        const QStringList steps = script.section(u'>', 0, 0).split(u' ');
        const QString settled = script.section(u'>', 1, 1);
        m_app.program().DecimalSeparator = steps[0];
        m_app.program().OtherSeparator = steps[0] == u"." ? u","_s : u"."_s;
        m_app.window().publicState().ValNum = QStringLiteral("Not a number");
        test::MessageBoxAnswer answer;
        for (const QString& step : steps.mid(1)) {
            if (step.contains(u'='))
                m_app.retype(step.section(u'=', 0, 0), step.section(u'=', 1));
            else
                m_app.click(step);
            m_app.waitTicks();
        }
        QTRY_COMPARE(rows(), settled);
        for (QLineEdit* edit : m_app.window().findChildren<QLineEdit*>())
            edit->setCursorPosition(0);
        m_app.waitTicks();
        QCOMPARE(rows(), settled);
        for (QLineEdit* edit : m_app.window().findChildren<QLineEdit*>())
            QVERIFY2(edit->cursorPosition() == 0, qPrintable(edit->objectName()));
        QCOMPARE(answer.texts.join(u';'), script.section(u'>', 2));
    }

    // The separator answer changes no number on show, in the regional format of either kind; a
    // separator declared that the regional format does not write is said once. Only text typed
    // after it loses the declared separator's other: 3.63 mm at 5 m is 4.95 m high (6.61 wide);
    // 4.95 clicked gives 6.6 wide, then 2.5 m (or 25 m) needs 1.81 mm (or 18.18 mm).
    // "regional format, answer>row after the answer>after V1 clicked and L1 typed 2.5>note".
    void separatorAnswerKeepsNumbers_data() {
        QTest::addColumn<QString>("script");
        const QString note = u"The regional format writes decimals with \"%1\", as in %3, not "
                             u"with the \"%2\" declared. Numbers are still read and shown in the "
                             u"regional format: those on show keep their values, and a \"%1\" "
                             u"typed from now on is removed as a digit-group mark."_s;
        QTest::newRow("point, comma declared")
            << u"en_US Yes>3.63|5|6.61|4.95>18.18|25|6.6|4.95>"_s + note.arg(u".", u",", u"3.5");
        QTest::newRow("point, point declared") << u"en_US No>3.63|5|6.61|4.95>1.81|2.5|6.6|4.95>"_s;
        QTest::newRow("comma, comma declared")
            << u"it_IT Yes>3,63|5|6,61|4,95>1,81|2,5|6,6|4,95>"_s;
        QTest::newRow("comma, point declared")
            << u"it_IT No>3,63|5|6,61|4,95>18,18|25|6,6|4,95>"_s + note.arg(u",", u".", u"3,5");
    }

    void separatorAnswerKeepsNumbers() {
        QFETCH(QString, script);
        const QStringList parts = script.split(u'>');
        QLocale::setDefault(QLocale(parts[0].section(u' ', 0, 0)));
        const QString point = QLocale().decimalPoint();
        declareDecimalSeparator(m_app.program(), point == u",");
        m_app.retype(u"Focale1"_s, u"3"_s + point + u"63"_s);
        m_app.waitTicks();
        QCOMPARE(rows(), parts[1]);
        {
            const test::MessageBoxAnswer answer(parts[0].endsWith(u"Yes") ? QMessageBox::Yes
                                                                          : QMessageBox::No);
            m_app.find<QAction>(u"DecSeparator"_s)->trigger();
            QCOMPARE(answer.texts.mid(1), parts[3].isEmpty() ? QStringList() : parts.mid(3));
        }
        m_app.waitTicks();
        QCOMPARE(rows(), parts[1]);
        m_app.click(u"V1"_s);
        m_app.retype(u"L1"_s, u"2"_s + point + u"5"_s);
        m_app.waitTicks();
        QCOMPARE(rows(), parts[2]);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
