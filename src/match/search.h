// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/sensorformat.h"
#include "match/suitability.h"
#include "state/sharedstate.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

namespace vistaro {

// Presents one catalogue entry in the recommendation window (the window's Visualizza).
using PresentEntry = std::function<void(std::int16_t)>;

// The three searches scan the indices Min to Max - 1 in ascending order, reading Max afresh at
// each pass, and present each entry that passes its focal and iris test and the sensor
// coverage rule. Trova presents every match and so ends on the last; TrovaVAR and TrovaZoom
// stop at the first. Indices outside the catalogue are skipped. Each returns whether it
// presented anything.
bool Trova(const ProgramState& state, const MainPublic& main, SensorFormat sensor,
           const PresentEntry& present);
bool TrovaVAR(const ProgramState& state, const MainPublic& main, SensorFormat sensor,
              const PresentEntry& present);
bool TrovaZoom(const ProgramState& state, const MainPublic& main, SensorFormat sensor,
               const PresentEntry& present);

using Search = bool (*)(const ProgramState&, const MainPublic&, SensorFormat, const PresentEntry&);

// The search built for a lens type and the focal test it applies: Trova for "FF" and "HSP",
// TrovaVAR for "VAR", TrovaZoom for "ZOOM"; none for any other code.
struct TypeSearch {
    Search search;
    FocalTest test;
};
std::optional<TypeSearch> searchOf(const QString& typeCode);

} // namespace vistaro
