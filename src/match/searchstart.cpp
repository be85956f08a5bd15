#include "match/searchstart.h"

#include <algorithm>
#include <limits>

namespace vistaro {

namespace {

using Search = bool (*)(const ProgramState&, const MainPublic&, SensorFormat, const PresentEntry&);

struct Block {
    std::int16_t first;
    std::int16_t last;
    Search search;
};

std::optional<Block> blockOf(const QString& typeCode, const BlockBounds& blocks) {
    if (typeCode == QLatin1String("FF"))
        return Block{blocks.FirstFF, blocks.LastFF, Trova};
    if (typeCode == QLatin1String("HSP"))
        return Block{blocks.FirstHSP, blocks.LastHSP, Trova};
    if (typeCode == QLatin1String("VAR"))
        return Block{blocks.FirstVAR, blocks.LastVAR, TrovaVAR};
    if (typeCode == QLatin1String("ZOOM"))
        return Block{blocks.FirstZOOM, blocks.LastZOOM, TrovaZoom};
    return std::nullopt;
}

bool catalogueHolds(const Catalogue& catalogue, const QString& typeCode) {
    return std::any_of(catalogue.cbegin(), catalogue.cend(),
                       [&](const LensRecord& lens) { return lens.TypeCode == typeCode; });
}

} // namespace

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
    state.TargetFocalWide = valFocale1;
    // A varifocal lens is wanted at one focal length, so browsing asks what TrovaVAR asked.
    state.TargetFocalTele = state.LensTypeCode == QLatin1String("ZOOM") ? valFocale2 : valFocale1;
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
