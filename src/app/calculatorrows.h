// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/calcrow.h"

#include <QList>
#include <QObject>
#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QWidget;

namespace vistaro {

struct MainPrivate;
struct MainPublic;
struct ProgramState;

// The calculator's two rows of fields, Focale1, L1, H1, V1 and the TELE row Focale2 to V2, with
// their WIDE and TELE labels, and what they do: a mouse click into a field makes it its row's
// driver and recalculates the row, an edit from the keyboard makes it the driver too (the keyboard
// only reaching it does not), and each tick runs both drivers again. The stored values are
// MainPrivate's Row1 and Row2; while the ValNum message is open, nothing runs.
class CalculatorRows : public QObject {
    Q_OBJECT

public:
    // Makes the rows in `frame` (Calcoli), the fields showing 6, 5, 4 and 3, in one-row layout.
    CalculatorRows(QWidget* frame, MainPrivate& state, const ProgramState& program,
                   const MainPublic& texts);

    // The texts that row 0 or 1 shows.
    RowTexts readRow(int row) const;
    // A click into `field` of `row`: Focale1_Click to V2_Click.
    void clickField(int row, CalcField field);
    // As a user does: `text` goes into the field, then a click there.
    void enter(int row, CalcField field, const QString& text);
    // One CalcoloFocale tick of both rows.
    void tick();
    // The stored values start as the texts the fields show; the focal lengths drive.
    void storeShownTexts();
    // A zoom shows the TELE row and both labels, in a taller frame. The hidden row goes on being
    // recalculated.
    void setZoomLayout(bool zoom);
    // The eight fields, row by row, in the order Tab reaches them.
    QList<QWidget*> tabOrder() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using RowFields = std::array<QLineEdit*, 4>; // in the order of CalcField

    void writeRow(int row, const RowTexts& texts);
    void runRow(int row, const std::function<void(CalcRow&, RowTexts&)>& handler);
    void showValNum();
    CalcRow& calcRow(int row);

    MainPrivate& m_state;
    const ProgramState& m_program;
    const MainPublic& m_texts;
    QWidget* m_frame;
    std::array<RowFields, 2> m_rows{};
    QLabel* m_wide = nullptr;
    QLabel* m_tele = nullptr;
    QLineEdit* m_pressedField = nullptr;
    bool m_valNumOpen = false; // ticks wait while the ValNum message is open
};

} // namespace vistaro
