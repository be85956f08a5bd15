// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/calculatorrows.h"
#include "app/obbiettivi.h"
#include "app/optiongroups.h"
#include "platform/forms.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
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

// The option groups, the recommendation button, the logo and the calculator, each control then
// in the order Tab reaches it.
void Obbiettivi::buildClient() {
    m_options = std::make_unique<OptionGroups>(m_client);
    m_marvantoCons = place<WrappingButton>(m_client, "MarvantoCons", 5280, 120, 1440, 615);
    m_marvantoCons->setText(QStringLiteral("marvanto consiglia"));
    m_marvantoCons->setFont(arial(9.75, true));

    logoLetters(m_client, "Label5", QStringLiteral("marvan"), Qt::blue, 1200, 1095);
    logoLetters(m_client, "Label6", QStringLiteral("t"), Qt::red, 2280, 255);
    logoLetters(m_client, "Label7", QStringLiteral("o"), Qt::blue, 2450, 255);

    auto* calcoli = place<QGroupBox>(m_client, "Calcoli", 120, 1920, 6620, 1200);
    heading(calcoli, "Label1", QStringLiteral("focale (mm)"), 120, 230, 1215, 255);
    heading(calcoli, "Label2", QStringLiteral("distanza scena (m)"), 1560, 230, 1212, 372);
    heading(calcoli, "Label4", QStringLiteral("angolo di visuale orizzontale (m)"), 2760, 230, 1455,
            495);
    heading(calcoli, "Label3", QStringLiteral("angolo di visuale verticale (m)"), 4200, 230, 1452,
            492);
    m_calculator = new CalculatorRows(calcoli, m_private, m_program, m_public);

    QList<QWidget*> order = m_options->tabOrder();
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
