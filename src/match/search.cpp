// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "match/search.h"

#include "match/catalogueentry.h"
#include "match/sensorfit.h"
#include "match/suitability.h"

namespace vistaro {

namespace {

enum class Stop { AfterEveryMatch, AtFirstMatch };

constexpr FocalTest TrovaTest = FocalTest::UpTo;
constexpr FocalTest TrovaVARTest = FocalTest::Contains;
constexpr FocalTest TrovaZoomTest = FocalTest::ReachesBoth;

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
    return scan(TrovaTest, Stop::AfterEveryMatch, state, main, sensor, present);
}

bool TrovaVAR(const ProgramState& state, const MainPublic& main, SensorFormat sensor,
              const PresentEntry& present) {
    return scan(TrovaVARTest, Stop::AtFirstMatch, state, main, sensor, present);
}

bool TrovaZoom(const ProgramState& state, const MainPublic& main, SensorFormat sensor,
               const PresentEntry& present) {
    return scan(TrovaZoomTest, Stop::AtFirstMatch, state, main, sensor, present);
}

std::optional<TypeSearch> searchOf(const QString& typeCode) {
    if (typeCode == QStringLiteral("FF") || typeCode == QStringLiteral("HSP"))
        return TypeSearch{Trova, TrovaTest};
    if (typeCode == QStringLiteral("VAR"))
        return TypeSearch{TrovaVAR, TrovaVARTest};
    if (typeCode == QStringLiteral("ZOOM"))
        return TypeSearch{TrovaZoom, TrovaZoomTest};
    return std::nullopt;
}

} // namespace vistaro
