// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/obbiettivi.h"
#include "platform/messagebox.h"

#include <QLineEdit>
#include <QMouseEvent>

namespace vistaro {

namespace {

// Writing the text a box already shows would still move its cursor and repaint it.
void setTextIfChanged(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

} // namespace

RowTexts Obbiettivi::readRow(int row) const {
    const RowFields& fields = m_rows[row];
    return {fields.Focale->text(), fields.L->text(), fields.H->text(), fields.V->text()};
}

void Obbiettivi::writeRow(int row, const RowTexts& texts) {
    const RowFields& fields = m_rows[row];
    setTextIfChanged(fields.Focale, texts.Focale);
    setTextIfChanged(fields.L, texts.L);
    setTextIfChanged(fields.H, texts.H);
    setTextIfChanged(fields.V, texts.V);
}

void Obbiettivi::runRow(int row, const std::function<void(CalcRow&, RowTexts&)>& handler) {
    if (m_valNumOpen)
        return;
    RowTexts texts = readRow(row);
    handler(row == 0 ? m_private.Row1 : m_private.Row2, texts);
    writeRow(row, texts);
}

void Obbiettivi::showValNum() {
    m_valNumOpen = true;
    showMessage(this, m_public.ValNum);
    m_valNumOpen = false;
}

void Obbiettivi::clickField(int row, CalcField field) {
    runRow(row, [this, field](CalcRow& calc, RowTexts& texts) {
        calc.click(field, texts, m_private.SensorHeight, m_program.OtherSeparator,
                   [this] { showValNum(); });
    });
}

void Obbiettivi::Focale1_Click() {
    clickField(0, CalcField::Focale);
}
void Obbiettivi::L1_Click() {
    clickField(0, CalcField::L);
}
void Obbiettivi::H1_Click() {
    clickField(0, CalcField::H);
}
void Obbiettivi::V1_Click() {
    clickField(0, CalcField::V);
}
void Obbiettivi::Focale2_Click() {
    clickField(1, CalcField::Focale);
}
void Obbiettivi::L2_Click() {
    clickField(1, CalcField::L);
}
void Obbiettivi::H2_Click() {
    clickField(1, CalcField::H);
}
void Obbiettivi::V2_Click() {
    clickField(1, CalcField::V);
}

void Obbiettivi::CalcoloFocale_Timer() {
    for (const int row : {0, 1}) {
        runRow(row, [this](CalcRow& calc, RowTexts& texts) {
            calc.tick(texts, m_private.SensorHeight, m_program.OtherSeparator,
                      [this] { showValNum(); });
        });
    }
    followCoverage();
    refreshLensFinder();
    followSitePlan();
}

// Only a mouse click makes a field its row's driver; reaching it with the keyboard does not.
bool Obbiettivi::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (!edit || (!press && event->type() != QEvent::MouseButtonRelease))
        return QMainWindow::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return QMainWindow::eventFilter(watched, event);
    if (press) {
        m_pressedField = edit;
    } else if (m_pressedField == edit && edit->rect().contains(mouse->position().toPoint())) {
        m_pressedField = nullptr;
        for (int row = 0; row < 2; ++row) {
            const RowFields& fields = m_rows[row];
            const std::pair<QLineEdit*, CalcField> map[] = {{fields.Focale, CalcField::Focale},
                                                            {fields.L, CalcField::L},
                                                            {fields.H, CalcField::H},
                                                            {fields.V, CalcField::V}};
            for (const auto& [candidate, field] : map)
                if (candidate == edit)
                    clickField(row, field);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace vistaro
