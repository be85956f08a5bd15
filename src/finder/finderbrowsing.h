// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalogue/lensrecord.h"
#include "match/wantedfocal.h"
#include "state/sharedstate.h"

#include <cstdint>

namespace vistaro {

// Before the finder presents catalogue entry `index`: Min and Max become the block of the
// entry's own lens type, as after a search of that type, so that "<" and ">" go on from it;
// the wanted focal lengths become those the table judged by. An entry of no known type (or
// outside the catalogue) gets Min = Max = its index, so that the buttons stay on it.
void prepareBrowsing(ProgramState& state, MainPublic& main, const BlockBounds& blocks,
                     std::int16_t index, const WantedFocal& wanted);

} // namespace vistaro
