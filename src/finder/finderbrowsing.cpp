// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "finder/finderbrowsing.h"

#include "match/catalogueentry.h"
#include "match/searchstart.h"

namespace vistaro {

void prepareBrowsing(ProgramState& state, MainPublic& main, const BlockBounds& blocks,
                     std::int16_t index, const WantedFocal& wanted) {
    state.TargetFocalWide = wanted.wide;
    state.TargetFocalTele = wanted.tele;
    const LensRecord* lens = entryAt(state.LensCatalogue, index);
    const std::optional<TypeBlock> block = lens ? typeBlock(lens->TypeCode, blocks) : std::nullopt;
    // A block left from an earlier catalogue may not hold the entry; it is not browsed then.
    if (block && block->first <= index && index <= block->last) {
        main.Min = block->first;
        main.Max = block->last;
    } else {
        main.Min = index;
        main.Max = index;
    }
}

} // namespace vistaro
