#pragma once

#include "catalogue/lensrecord.h"
#include "state/sharedstate.h"

namespace vistaro {

// How an entry's focal length is compared with the wanted one(s) in ProgramState.
enum class FocalTest {
    None,       // no focal comparison (browsing a fixed or aspherical lens type)
    UpTo,       // FocalMin <= TargetFocalWide (Trova)
    Contains,   // FocalMin <= TargetFocalWide <= FocalMax (TrovaVAR)
    ReachesBoth // FocalMin <= TargetFocalWide and FocalMax >= TargetFocalTele (TrovaZoom, range)
};

// The focal comparison passes when any of its numbers cannot be read, as the original let an
// unreadable number through; the iris comparison (exact, case-sensitive) always applies, so a
// lens with the wrong iris control is never recommended.
bool passesFocalAndIris(FocalTest test, const LensRecord& lens, const ProgramState& state);

} // namespace vistaro
