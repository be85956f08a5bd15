// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/lensrecord.h"
#include "state/sharedstate.h"

#include <QString>
#include <optional>

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

// The focal comparison on numbers already read: none when one that the test needs is missing.
std::optional<bool> compareFocal(FocalTest test, std::optional<double> focalMin,
                                 std::optional<double> focalMax, std::optional<double> wide,
                                 std::optional<double> tele);

// The iris comparison: exact and case-sensitive.
bool matchesIris(const QString& lensIris, const QString& irisCode);

} // namespace vistaro
