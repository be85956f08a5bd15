// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/sensorformat.h"
#include "match/search.h"
#include "state/sharedstate.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace vistaro {

// What the recommendation button says when its search presents nothing.
inline const QString NothingFitsMessage =
    QStringLiteral("No lens in the catalogue fits these choices.");

// The first and last catalogue index of a lens type's block; none for a code other than "FF",
// "HSP", "VAR" and "ZOOM".
struct TypeBlock {
    std::int16_t first;
    std::int16_t last;
};
std::optional<TypeBlock> typeBlock(const QString& typeCode, const BlockBounds& blocks);

// The recommendation button's search for the selected lens type (state.LensTypeCode): Trova
// over the "FF" or "HSP" block, TrovaVAR over "VAR", TrovaZoom over "ZOOM". The wanted focal
// lengths become `valFocale1` and, for a zoom, `valFocale2` (`valFocale1` for every other lens
// type); Min is the block's first index and Max its last index + 1 while the search runs, then
// its last index, so that ">" ends on the block's last record. A search that presents nothing,
// and a lens type with no record in the loaded catalogue (its bounds may be left from an earlier
// catalogue), leave Min, Max and the wanted focal lengths as they were. Returns whether anything
// was presented.
bool startSearch(ProgramState& state, MainPublic& main, const BlockBounds& blocks,
                 const QString& valFocale1, const QString& valFocale2, SensorFormat sensor,
                 const PresentEntry& present);

} // namespace vistaro
