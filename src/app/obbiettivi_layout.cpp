// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/calculatorrows.h"
#include "app/obbiettivi.h"
#include "platform/forms.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace vistaro {

namespace {

// The design window is 6840 twips wide and 3900 twips high outside at one calculator row, 4400
// at two (zoom); its outer height exceeds its client height (3225 twips at one row) by the
// frame, the title bar and the menu bar.
constexpr int ClientWidthTwips = 6840;
constexpr int OneRowHeightTwips = 3900;
constexpr int TwoRowHeightTwips = 4400;
constexpr int OneRowClientTwips = 3225;

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

void Obbiettivi::buildOptionGroups(QWidget* client) {
    QGroupBox* sensore = frame(client, "Sensore", QStringLiteral("Sensore"), 120, 120, 975, 1695);
    auto* sensorGroup = new QButtonGroup(sensore);
    const struct {
        const char* name;
        const char* caption;
        int top;
    } sensors[] = {
        {"un", "   1\"", 240},      {"dueterzi", "2/3\"", 480},  {"unmezzo", "1/2\"", 760},
        {"unterzo", "1/3\"", 1020}, {"unquarto", "1/4\"", 1280},
    };
    for (std::size_t i = 0; i < m_sensorButtons.size(); ++i)
        m_sensorButtons[i] =
            option(sensore, sensorGroup, sensors[i].name, QString::fromLatin1(sensors[i].caption),
                   120, sensors[i].top, 735, 255);
    m_sensorButtons[3]->setChecked(true);

    QGroupBox* frame1 =
        frame(client, "Frame1", QStringLiteral("Tipo ottica"), 1200, 120, 1455, 1360);
    auto* typeGroup = new QButtonGroup(frame1);
    m_zoom = option(frame1, typeGroup, "zoom", QStringLiteral("Zoom"), 120, 240, 855, 255);
    m_var = option(frame1, typeGroup, "VAR", QStringLiteral("Varifocal"), 120, 500, 1095, 255);
    m_hsp = option(frame1, typeGroup, "HSP", QStringLiteral("Asferico"), 120, 760, 1215, 255);
    m_ff = option(frame1, typeGroup, "FF", QStringLiteral("Focale Fissa"), 120, 1020, 1215, 255);
    m_ff->setChecked(true);

    QGroupBox* frame2 =
        frame(client, "Frame2", QStringLiteral("Controllo iride"), 2760, 120, 2295, 1695);
    auto* irisGroup = new QButtonGroup(frame2);
    m_manual = option(frame2, irisGroup, "Manual", QStringLiteral("Manuale"), 120, 240, 2055, 255);
    m_dc = option(frame2, irisGroup, "DC", QStringLiteral("Diretto"), 120, 550, 2055, 255);
    m_vd = option(frame2, irisGroup, "VD", QStringLiteral("Video"), 120, 860, 2055, 255);
    auto* line = named<QFrame>("Line1", frame2);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    const QRect rule = twipsRect(120, 1200, 2040, 0, line);
    line->setGeometry(rule.x(), rule.y() - 1, rule.width(), 2);
    m_m =
        option(frame2, irisGroup, "M", QStringLiteral("a Motore (per zoom)"), 120, 1320, 2055, 255);
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
    QGroupBox* calcoli = frame(client, "Calcoli", QString(), 120, 1920, 6620, 1200);
    heading(calcoli, "Label1", QStringLiteral("focale (mm)"), 120, 230, 1215, 255);
    heading(calcoli, "Label2", QStringLiteral("distanza scena (m)"), 1560, 230, 1212, 372);
    heading(calcoli, "Label4", QStringLiteral("angolo di visuale orizzontale (m)"), 2760, 230, 1455,
            495);
    heading(calcoli, "Label3", QStringLiteral("angolo di visuale verticale (m)"), 4200, 230, 1452,
            492);
    m_calculator = new CalculatorRows(calcoli, m_private, m_program, m_public);
}

void Obbiettivi::buildTabOrder() {
    QList<QWidget*> order(m_sensorButtons.cbegin(), m_sensorButtons.cend());
    order << m_zoom << m_var << m_hsp << m_ff << m_manual << m_dc << m_vd << m_m;
    order << m_calculator->tabOrder() << m_marvantoCons;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Obbiettivi::setClientHeight(bool zoom) {
    const int outerTwips = zoom ? TwoRowHeightTwips : OneRowHeightTwips;
    m_client->setFixedSize(
        twipsToPixels(ClientWidthTwips, m_client),
        twipsToPixels(outerTwips - (OneRowHeightTwips - OneRowClientTwips), m_client));
}

void Obbiettivi::centreOnScreen() {
    adjustSize();
    if (const QScreen* screen = this->screen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));
}

} // namespace vistaro
