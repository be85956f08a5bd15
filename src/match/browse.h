// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "match/mainselection.h"
#include "state/sharedstate.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace vistaro {

// The recommendation window's ">" (Avanti) and "<" (Indietro). Each scans from `attuale`
// towards Max (inclusive, Max read once per click) or Min (inclusive, read at each step) for
// the nearest suitable entry: the range test of TrovaZoom when the zoom or VAR option is set,
// the iris test alone otherwise, then the sensor coverage rule. Indices outside the catalogue
// are never suitable. There is no wrap-around: with nothing suitable that way the result is
// `attuale` itself, to be presented again. No value when the guard ends the click (`attuale`
// already at Max, or at Min): nothing is presented then.
std::optional<std::int16_t> Avanti(std::int16_t attuale, const ProgramState& state,
                                   const MainPublic& main, const MainSelection& selection);
std::optional<std::int16_t> Indietro(std::int16_t attuale, const ProgramState& state,
                                     const MainPublic& main, const MainSelection& selection);

// The Index panel's ">" (Command3): the whole number after the one `pdfAttuale` holds, as text
// ("0" gives "1"). No value when `pdfAttuale` is not a number; the panel then leaves it as is.
std::optional<QString> nextIndexText(const QString& pdfAttuale);

} // namespace vistaro
