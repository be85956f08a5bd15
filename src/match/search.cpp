#include "match/search.h"

#include "match/catalogueentry.h"
#include "match/coverage.h"
#include "match/suitability.h"

namespace vistaro {

namespace {

enum class Stop { AfterEveryMatch, AtFirstMatch };

bool scan(FocalTest test, Stop stop, const ProgramState& state, const MainPublic& main,
          SensorFormat sensor, const PresentEntry& present) {
    bool presented = false;
    // int, not int16: the step after index 32767 must not wrap round.
    for (int i = main.Min; i < main.Max; ++i) {
        const LensRecord* lens = entryAt(state.LensCatalogue, i);
        if (!lens || !passesFocalAndIris(test, *lens, state) || !coversSensor(lens->Name, sensor))
            continue;
        present(static_cast<std::int16_t>(i));
        presented = true;
        if (stop == Stop::AtFirstMatch)
            break;
    }
    return presented;
}

} // namespace

bool Trova(const ProgramState& state, const MainPublic& main, SensorFormat sensor,
           const PresentEntry& present) {
    return scan(FocalTest::UpTo, Stop::AfterEveryMatch, state, main, sensor, present);
}

bool TrovaVAR(const ProgramState& state, const MainPublic& main, SensorFormat sensor,
              const PresentEntry& present) {
    return scan(FocalTest::Contains, Stop::AtFirstMatch, state, main, sensor, present);
}

bool TrovaZoom(const ProgramState& state, const MainPublic& main, SensorFormat sensor,
               const PresentEntry& present) {
    return scan(FocalTest::ReachesBoth, Stop::AtFirstMatch, state, main, sensor, present);
}

} // namespace vistaro
