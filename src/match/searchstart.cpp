// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "match/searchstart.h"

#include "match/wantedfocal.h"

#include <algorithm>
#include <limits>

namespace vistaro {

namespace {

struct Block {
    std::int16_t first;
    std::int16_t last;
    Search search;
};

std::optional<Block> blockOf(const QString& typeCode, const BlockBounds& blocks) {
    const auto bounds = typeBlock(typeCode, blocks);
    const auto search = searchOf(typeCode);
    if (!bounds || !search)
        return std::nullopt;
    return Block{bounds->first, bounds->last, search->search};
}

bool catalogueHolds(const Catalogue& catalogue, const QString& typeCode) {
    return std::any_of(catalogue.cbegin(), catalogue.cend(),
                       [&](const LensRecord& lens) { return lens.TypeCode == typeCode; });
}

} // namespace

std::optional<TypeBlock> typeBlock(const QString& typeCode, const BlockBounds& blocks) {
    if (typeCode == QStringLiteral("FF"))
        return TypeBlock{blocks.FirstFF, blocks.LastFF};
    if (typeCode == QStringLiteral("HSP"))
        return TypeBlock{blocks.FirstHSP, blocks.LastHSP};
    if (typeCode == QStringLiteral("VAR"))
        return TypeBlock{blocks.FirstVAR, blocks.LastVAR};
    if (typeCode == QStringLiteral("ZOOM"))
        return TypeBlock{blocks.FirstZOOM, blocks.LastZOOM};
    return std::nullopt;
}

bool startSearch(ProgramState& state, MainPublic& main, const BlockBounds& blocks,
                 const QString& valFocale1, const QString& valFocale2, SensorFormat sensor,
                 const PresentEntry& present) {
    const auto block = blockOf(state.LensTypeCode, blocks);
    if (!block || !catalogueHolds(state.LensCatalogue, state.LensTypeCode))
        return false;

    // A search that finds nothing leaves an open recommendation window browsing what it shows.
    const QString wideBefore = state.TargetFocalWide;
    const QString teleBefore = state.TargetFocalTele;
    const std::int16_t minBefore = main.Min;
    const std::int16_t maxBefore = main.Max;
    const WantedFocal wanted = wantedFocal(state.LensTypeCode, valFocale1, valFocale2);
    state.TargetFocalWide = wanted.wide;
    state.TargetFocalTele = wanted.tele;
    main.Min = block->first;
    main.Max = static_cast<std::int16_t>(
        std::min<int>(block->last + 1, std::numeric_limits<std::int16_t>::max()));
    const bool found = block->search(state, main, sensor, present);
    main.Max = block->last;
    if (!found) {
        state.TargetFocalWide = wideBefore;
        state.TargetFocalTele = teleBefore;
        main.Min = minBefore;
        main.Max = maxBefore;
    }
    return found;
}

} // namespace vistaro
