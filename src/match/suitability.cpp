// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "match/suitability.h"

#include "platform/numberformat.h"

namespace vistaro {

std::optional<bool> compareFocal(FocalTest test, std::optional<double> focalMin,
                                 std::optional<double> focalMax, std::optional<double> wide,
                                 std::optional<double> tele) {
    if (test == FocalTest::None)
        return true;
    if (!focalMin || !wide)
        return std::nullopt;
    switch (test) {
    case FocalTest::UpTo:
        return *focalMin <= *wide;
    case FocalTest::Contains:
        if (!focalMax)
            return std::nullopt;
        return *focalMin <= *wide && *wide <= *focalMax;
    case FocalTest::ReachesBoth:
        if (!focalMax || !tele)
            return std::nullopt;
        return *focalMin <= *wide && *focalMax >= *tele;
    case FocalTest::None:
        break;
    }
    return true;
}

bool matchesIris(const QString& lensIris, const QString& irisCode) {
    return lensIris == irisCode;
}

bool passesFocalAndIris(FocalTest test, const LensRecord& lens, const ProgramState& state) {
    const bool focal =
        test == FocalTest::None ||
        compareFocal(test, num::toDouble(lens.FocalMin), num::toDouble(lens.FocalMax),
                     num::toDouble(state.TargetFocalWide), num::toDouble(state.TargetFocalTele))
            .value_or(true);
    return focal && matchesIris(lens.Iris, state.IrisCode);
}

} // namespace vistaro
