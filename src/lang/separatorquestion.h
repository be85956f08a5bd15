// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/sharedstate.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

class QWidget;

namespace vistaro {

// Asks `question` (Yes declares the comma) and records the answer in `program`. A separator
// declared that the regional format does not write is said once, with what follows from it.
void askDecimalSeparator(QWidget* parent, ProgramState& program, const QString& question);

class SeparatorNote {
    Q_DECLARE_TR_FUNCTIONS(vistaro::SeparatorNote)

public:
    // What the user is told after the answer; none when the declared separator is the regional
    // format's.
    static std::optional<QString> text(const ProgramState& program);
};

} // namespace vistaro
