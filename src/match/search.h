#pragma once

#include "calc/sensorformat.h"
#include "state/sharedstate.h"

#include <cstdint>
#include <functional>

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

} // namespace vistaro
