// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "match/browse.h"

#include "match/catalogueentry.h"
#include "match/sensorfit.h"
#include "match/suitability.h"
#include "platform/numberformat.h"

namespace vistaro {

namespace {

bool suitable(int index, const ProgramState& state, const MainSelection& selection) {
    const LensRecord* lens = entryAt(state.LensCatalogue, index);
    if (!lens)
        return false;
    const FocalTest test =
        selection.zoom || selection.var ? FocalTest::ReachesBoth : FocalTest::None;
    return passesFocalAndIris(test, *lens, state) && coversSensor(lens->Name, selection.sensor);
}

} // namespace

std::optional<std::int16_t> Avanti(std::int16_t attuale, const ProgramState& state,
                                   const MainPublic& main, const MainSelection& selection) {
    if (attuale >= main.Max)
        return std::nullopt;
    const int last = main.Max;
    for (int i = attuale + 1; i <= last; ++i) {
        if (suitable(i, state, selection))
            return static_cast<std::int16_t>(i);
    }
    return attuale;
}

std::optional<std::int16_t> Indietro(std::int16_t attuale, const ProgramState& state,
                                     const MainPublic& main, const MainSelection& selection) {
    if (attuale <= main.Min)
        return std::nullopt;
    // Min is read at every step, as the scan's stop.
    for (int i = attuale; i > main.Min;) {
        --i;
        if (suitable(i, state, selection))
            return static_cast<std::int16_t>(i);
    }
    return attuale;
}

std::optional<QString> nextIndexText(const QString& pdfAttuale) {
    const auto value = num::toDouble(pdfAttuale);
    if (!value)
        return std::nullopt;
    return num::toText(*value + 1);
}

} // namespace vistaro
