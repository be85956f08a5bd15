#include "match/suitability.h"

#include "platform/numberformat.h"

namespace vistaro {

namespace {

bool passesFocal(FocalTest test, const LensRecord& lens, const ProgramState& state) {
    if (test == FocalTest::None)
        return true;
    const auto focalMin = num::toDouble(lens.FocalMin);
    const auto wide = num::toDouble(state.TargetFocalWide);
    if (!focalMin || !wide)
        return true;
    switch (test) {
    case FocalTest::UpTo:
        return *focalMin <= *wide;
    case FocalTest::Contains: {
        const auto focalMax = num::toDouble(lens.FocalMax);
        return !focalMax || (*focalMin <= *wide && *wide <= *focalMax);
    }
    case FocalTest::ReachesBoth: {
        const auto focalMax = num::toDouble(lens.FocalMax);
        const auto tele = num::toDouble(state.TargetFocalTele);
        return !focalMax || !tele || (*focalMin <= *wide && *focalMax >= *tele);
    }
    case FocalTest::None:
        break;
    }
    return true;
}

} // namespace

bool passesFocalAndIris(FocalTest test, const LensRecord& lens, const ProgramState& state) {
    return passesFocal(test, lens, state) && lens.Iris == state.IrisCode;
}

} // namespace vistaro
