// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/obbiettivi.h"
#include "coverage/coveragewindow.h"
#include "finder/lensfinder.h" // the constructor may have to destroy m_lensFinder
#include "match/cconsiglia.h"  // the constructor may have to destroy m_consiglia
#include "optics/coveragesettings.h"
#include "platform/twips.h"
#include "siteplan/siteplan.h" // the constructor may have to destroy m_sitePlan

#include <QButtonGroup>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>

namespace vistaro {

namespace {

// The design window is 6840 twips wide; its outer height exceeds its client height (3225 twips
// at one calculator row) by the frame, the title bar and the menu bar.
constexpr int ClientWidthTwips = 6840;
constexpr int OneRowClientTwips = 3225;

template <typename Widget>
Widget* place(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    setTwipsGeometry(widget, left, top, width, height);
    return widget;
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, int left, int top,
                 int width, int height) {
    auto* box = place<QGroupBox>(parent, name, left, top, width, height);
    box->setTitle(caption);
    return box;
}

QRadioButton* option(QGroupBox* parent, QButtonGroup* group, const char* name,
                     const QString& caption, int left, int top, int width, int height) {
    auto* button = place<QRadioButton>(parent, name, left, top, width, height);
    button->setText(caption);
    group->addButton(button);
    return button;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, int left, int top,
              int width, int height) {
    auto* text = place<QLabel>(parent, name, left, top, width, height);
    text->setText(caption);
    return text;
}

QLabel* heading(QWidget* parent, const char* name, const QString& caption, int left, int top,
                int width, int height) {
    QLabel* text = label(parent, name, caption, left, top, width, height);
    text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    text->setWordWrap(true);
    return text;
}

QLineEdit* field(QWidget* parent, const char* name, const QString& text, int left, int top,
                 int width, int height) {
    auto* edit = place<QLineEdit>(parent, name, left, top, width, height);
    edit->setText(text);
    edit->setAlignment(Qt::AlignCenter);
    return edit;
}

QFont arial(double points, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel* logoLetters(QWidget* parent, const char* name, const QString& letters,
                    Qt::GlobalColor colour, int left, int width) {
    QLabel* text = label(parent, name, letters, left, 1540, width, 375);
    text->setFont(arial(14.25, true));
    QPalette palette = text->palette();
    palette.setColor(QPalette::WindowText, colour);
    text->setPalette(palette);
    return text;
}

// A push button whose caption wraps onto a second line when one line is too narrow for it.
class WrappingButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this);
        painter.drawText(rect().adjusted(margin, 0, -margin, 0),
                         Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
    }
};

} // namespace

Obbiettivi::Obbiettivi(ProgramState& program, QWidget* parent)
    : QMainWindow(parent), m_program(program) {
    setObjectName(QStringLiteral("Obbiettivi"));
    setWindowTitle(QStringLiteral("Vistaro"));
    // A build without the icon resource keeps the platform's default icon, without warnings.
    const QString icon = QStringLiteral(":/icons/vistaro.svg");
    if (QFile::exists(icon))
        setWindowIcon(QIcon(icon));
    // A fixed dialog frame: the close button only, and the size is not the user's to change.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(arial(8.25));

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(m_client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    buildOptionGroups(m_client);
    buildLogo(m_client);
    buildCalculator(m_client);
    buildMenus();
    buildTabOrder();
    setWindowHeightTwips(OneRowHeightTwips);

    m_calcoloFocale = new QTimer(this);
    m_calcoloFocale->setObjectName(QStringLiteral("CalcoloFocale"));
    m_calcoloFocale->setInterval(50);
    m_timerMove = new QTimer(this);
    m_timerMove->setObjectName(QStringLiteral("TimerMove"));
    m_timerMove->setInterval(500);

    connectHandlers();
    m_calcoloFocale->start();
    m_timerMove->start();
}

void Obbiettivi::buildOptionGroups(QWidget* client) {
    m_sensore = frame(client, "Sensore", QStringLiteral("Sensore"), 120, 120, 975, 1695);
    auto* sensorGroup = new QButtonGroup(m_sensore);
    const struct {
        const char* name;
        const char* caption;
        int top;
        SensorFormat format;
    } sensors[] = {
        {"un", "   1\"", 240, SensorFormat::One},
        {"dueterzi", "2/3\"", 480, SensorFormat::TwoThirds},
        {"unmezzo", "1/2\"", 760, SensorFormat::Half},
        {"unterzo", "1/3\"", 1020, SensorFormat::Third},
        {"unquarto", "1/4\"", 1280, SensorFormat::Quarter},
    };
    for (const auto& sensor : sensors) {
        QRadioButton* button =
            option(m_sensore, sensorGroup, sensor.name, QString::fromLatin1(sensor.caption), 120,
                   sensor.top, 735, 255);
        m_sensorButtons.append({button, sensor.format});
    }
    m_sensorButtons[3].button->setChecked(true);

    m_frame1 = frame(client, "Frame1", QStringLiteral("Tipo ottica"), 1200, 120, 1455, 1360);
    auto* typeGroup = new QButtonGroup(m_frame1);
    m_zoom = option(m_frame1, typeGroup, "zoom", QStringLiteral("Zoom"), 120, 240, 855, 255);
    m_var = option(m_frame1, typeGroup, "VAR", QStringLiteral("Varifocal"), 120, 500, 1095, 255);
    m_hsp = option(m_frame1, typeGroup, "HSP", QStringLiteral("Asferico"), 120, 760, 1215, 255);
    m_ff = option(m_frame1, typeGroup, "FF", QStringLiteral("Focale Fissa"), 120, 1020, 1215, 255);
    m_ff->setChecked(true);

    m_frame2 = frame(client, "Frame2", QStringLiteral("Controllo iride"), 2760, 120, 2295, 1695);
    auto* irisGroup = new QButtonGroup(m_frame2);
    m_manual =
        option(m_frame2, irisGroup, "Manual", QStringLiteral("Manuale"), 120, 240, 2055, 255);
    m_dc = option(m_frame2, irisGroup, "DC", QStringLiteral("Diretto"), 120, 550, 2055, 255);
    m_vd = option(m_frame2, irisGroup, "VD", QStringLiteral("Video"), 120, 860, 2055, 255);
    auto* line = new QFrame(m_frame2);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    const QRect rule = twipsRect(120, 1200, 2040, 0, line);
    line->setGeometry(rule.x(), rule.y() - 1, rule.width(), 2);
    m_m = option(m_frame2, irisGroup, "M", QStringLiteral("a Motore (per zoom)"), 120, 1320, 2055,
                 255);
    m_m->setEnabled(false);
    m_dc->setChecked(true);

    m_marvantoCons = place<WrappingButton>(client, "MarvantoCons", 5280, 120, 1440, 615);
    m_marvantoCons->setText(QStringLiteral("marvanto consiglia"));
    m_marvantoCons->setFont(arial(9.75, true));
}

void Obbiettivi::buildLogo(QWidget* client) {
    logoLetters(client, "Label5", QStringLiteral("marvan"), Qt::blue, 1200, 1095);
    logoLetters(client, "Label6", QStringLiteral("t"), Qt::red, 2280, 255);
    logoLetters(client, "Label7", QStringLiteral("o"), Qt::blue, 2450, 255);
}

void Obbiettivi::buildCalculator(QWidget* client) {
    m_calcoli = frame(client, "Calcoli", QString(), 120, 1920, 6620, 1200);
    heading(m_calcoli, "Label1", QStringLiteral("focale (mm)"), 120, 230, 1215, 255);
    heading(m_calcoli, "Label2", QStringLiteral("distanza scena (m)"), 1560, 230, 1212, 372);
    heading(m_calcoli, "Label4", QStringLiteral("angolo di visuale orizzontale (m)"), 2760, 230,
            1455, 495);
    heading(m_calcoli, "Label3", QStringLiteral("angolo di visuale verticale (m)"), 4200, 230, 1452,
            492);

    const QString six = QStringLiteral("6");
    const QString five = QStringLiteral("5");
    const QString four = QStringLiteral("4");
    const QString three = QStringLiteral("3");
    m_rows[0] = {field(m_calcoli, "Focale1", six, 120, 720, 1215, 285),
                 field(m_calcoli, "L1", five, 1560, 720, 1200, 285),
                 field(m_calcoli, "H1", four, 2880, 720, 1200, 285),
                 field(m_calcoli, "V1", three, 4320, 720, 1200, 285)};
    m_macro = label(m_calcoli, "macro", QStringLiteral("WIDE"), 5640, 720, 735, 255);
    m_rows[1] = {field(m_calcoli, "Focale2", six, 120, 1200, 1215, 285),
                 field(m_calcoli, "L2", five, 1560, 1200, 1200, 285),
                 field(m_calcoli, "H2", four, 2880, 1200, 1200, 285),
                 field(m_calcoli, "V2", three, 4320, 1200, 1200, 285)};
    m_tele = label(m_calcoli, "Tele", QStringLiteral("TELE"), 5640, 1200, 612, 252);

    m_macro->setVisible(false);
    m_tele->setVisible(false);
    for (QLineEdit* edit : {m_rows[1].Focale, m_rows[1].L, m_rows[1].H, m_rows[1].V})
        edit->setVisible(false);
    for (const RowFields& row : m_rows)
        for (QLineEdit* edit : {row.Focale, row.L, row.H, row.V})
            edit->installEventFilter(this);
}

void Obbiettivi::buildTabOrder() {
    QList<QWidget*> order;
    for (const SensorButton& sensor : m_sensorButtons)
        order.append(sensor.button);
    order << m_zoom << m_var << m_hsp << m_ff << m_manual << m_dc << m_vd << m_m;
    for (const RowFields& row : m_rows)
        order << row.Focale << row.L << row.H << row.V;
    order << m_marvantoCons;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Obbiettivi::setWindowHeightTwips(int twips) {
    m_heightTwips = twips;
    m_client->setFixedSize(
        twipsToPixels(ClientWidthTwips, m_client),
        twipsToPixels(twips - (OneRowHeightTwips - OneRowClientTwips), m_client));
}

void Obbiettivi::centreOnScreen() {
    adjustSize();
    if (const QScreen* screen = this->screen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));
}

} // namespace vistaro
