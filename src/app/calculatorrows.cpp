// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/calculatorrows.h"

#include "platform/forms.h"
#include "platform/messagebox.h"
#include "state/sharedstate.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <algorithm>

namespace vistaro {

namespace {

constexpr int OneRowFrameTwips = 1200;
constexpr int TwoRowFrameTwips = 1695;

// One row's fields at `top`, named `names`, showing 6, 5, 4 and 3.
std::array<QLineEdit*, 4> makeRow(QWidget* frame, const std::array<const char*, 4>& names,
                                  int top) {
    constexpr int lefts[] = {120, 1560, 2880, 4320};
    const char* const texts[] = {"6", "5", "4", "3"};
    std::array<QLineEdit*, 4> row{};
    for (std::size_t i = 0; i < row.size(); ++i) {
        row[i] = place<QLineEdit>(frame, names[i], lefts[i], top, i == 0 ? 1215 : 1200, 285);
        row[i]->setText(QLatin1String(texts[i]));
        row[i]->setAlignment(Qt::AlignCenter);
    }
    return row;
}

QLabel* rowLabel(QWidget* frame, const char* name, const QString& caption, int top, int width,
                 int height) {
    auto* label = place<QLabel>(frame, name, 5640, top, width, height);
    label->setText(caption);
    return label;
}

} // namespace

CalculatorRows::CalculatorRows(QWidget* frame, MainPrivate& state, const ProgramState& program,
                               const MainPublic& texts)
    : QObject(frame), m_state(state), m_program(program), m_texts(texts), m_frame(frame) {
    m_rows[0] = makeRow(frame, {"Focale1", "L1", "H1", "V1"}, 720);
    m_wide = rowLabel(frame, "macro", QStringLiteral("WIDE"), 720, 735, 255);
    m_rows[1] = makeRow(frame, {"Focale2", "L2", "H2", "V2"}, 1200);
    m_tele = rowLabel(frame, "Tele", QStringLiteral("TELE"), 1200, 612, 252);
    setZoomLayout(false);
    for (int row = 0; row < 2; ++row) {
        for (std::size_t field = 0; field < m_rows[row].size(); ++field) {
            QLineEdit* edit = m_rows[row][field];
            edit->installEventFilter(this);
            // Typing, deleting or pasting there, not a text the program writes.
            connect(edit, &QLineEdit::textEdited, this,
                    [this, row, field] { calcRow(row).drive(CalcField(field)); });
        }
    }
}

RowTexts CalculatorRows::readRow(int row) const {
    const RowFields& fields = m_rows[row];
    return {fields[0]->text(), fields[1]->text(), fields[2]->text(), fields[3]->text()};
}

void CalculatorRows::writeRow(int row, const RowTexts& texts) {
    const RowFields& fields = m_rows[row];
    setTextIfChanged(fields[0], texts.Focale);
    setTextIfChanged(fields[1], texts.L);
    setTextIfChanged(fields[2], texts.H);
    setTextIfChanged(fields[3], texts.V);
}

CalcRow& CalculatorRows::calcRow(int row) {
    return row == 0 ? m_state.Row1 : m_state.Row2;
}

void CalculatorRows::runRow(int row, const std::function<void(CalcRow&, RowTexts&)>& handler) {
    if (m_valNumOpen)
        return;
    RowTexts texts = readRow(row);
    handler(calcRow(row), texts);
    writeRow(row, texts);
}

void CalculatorRows::showValNum() {
    m_valNumOpen = true;
    showMessage(m_frame->window(), m_texts.ValNum);
    m_valNumOpen = false;
}

void CalculatorRows::clickField(int row, CalcField field) {
    runRow(row, [this, field](CalcRow& calc, RowTexts& texts) {
        calc.click(field, texts, m_state.SensorHeight, m_program.OtherSeparator,
                   [this] { showValNum(); });
    });
}

void CalculatorRows::enter(int row, CalcField field, const QString& text) {
    m_rows.at(row).at(std::size_t(field))->setText(text);
    clickField(row, field);
}

void CalculatorRows::tick() {
    for (const int row : {0, 1}) {
        runRow(row, [this](CalcRow& calc, RowTexts& texts) {
            calc.tick(texts, m_state.SensorHeight, m_program.OtherSeparator,
                      [this] { showValNum(); });
        });
    }
}

void CalculatorRows::storeShownTexts() {
    m_state.Row1 = CalcRow(readRow(0));
    m_state.Row2 = CalcRow(readRow(1));
}

void CalculatorRows::setZoomLayout(bool zoom) {
    m_wide->setVisible(zoom);
    m_tele->setVisible(zoom);
    for (QLineEdit* edit : m_rows[1])
        edit->setVisible(zoom);
    m_frame->resize(m_frame->width(),
                    twipsToPixels(zoom ? TwoRowFrameTwips : OneRowFrameTwips, m_frame));
}

QList<QWidget*> CalculatorRows::tabOrder() const {
    QList<QWidget*> order;
    for (const RowFields& row : m_rows)
        for (QLineEdit* edit : row)
            order << edit;
    return order;
}

// A mouse click makes a field its row's driver; reaching it with the keyboard does not.
bool CalculatorRows::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (!edit || (!press && event->type() != QEvent::MouseButtonRelease))
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    if (press) {
        m_pressedField = edit;
    } else if (m_pressedField == edit && edit->rect().contains(mouse->position().toPoint())) {
        m_pressedField = nullptr;
        for (int row = 0; row < 2; ++row)
            if (const auto at = std::find(m_rows[row].cbegin(), m_rows[row].cend(), edit);
                at != m_rows[row].cend())
                clickField(row, CalcField(at - m_rows[row].cbegin()));
    }
    return false;
}

} // namespace vistaro
