// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/separatorquestion.h"

#include "platform/messagebox.h"

#include <QLocale>

namespace vistaro {

void askDecimalSeparator(QWidget* parent, ProgramState& program, const QString& question) {
    declareDecimalSeparator(program, askYesNo(parent, question));
    if (const std::optional<QString> note = SeparatorNote::text(program))
        showMessage(parent, *note);
}

// Numbers go on being read and written in the regional format, so what is on show keeps its
// value; only a separator typed from now on is taken as the declared one's other.
std::optional<QString> SeparatorNote::text(const ProgramState& program) {
    const QLocale regional;
    if (regional.decimalPoint() == program.DecimalSeparator)
        return std::nullopt;
    return tr("The regional format writes decimals with \"%1\", as in %2, not with the \"%3\" "
              "declared. Numbers are still read and shown in the regional format: those on "
              "show keep their values, and a \"%4\" typed from now on is removed as a "
              "digit-group mark.")
        .arg(regional.decimalPoint(), regional.toString(3.5), program.DecimalSeparator,
             program.OtherSeparator);
}

} // namespace vistaro
