// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/lensrecord.h"
#include "match/mainselection.h"
#include "state/sharedstate.h"

#include <QString>
#include <optional>

namespace vistaro {

// Separates the lines of Label1.
inline constexpr QChar LineBreak = u'\r';

// What presenting one entry writes into the recommendation window. A caption without a value
// stays as it is on show.
struct LensPresentation {
    std::optional<QString> Nome;
    std::optional<QString> f;
    std::optional<QString> Fstop;
    std::optional<QString> Iride;
    std::optional<QString> Label1; // remark and scene lines, each ending with LineBreak
    std::optional<QString> MinFuoco;
    bool MinFuocoRed = true; // the lens cannot focus at a typed distance, or that is unknown
};

// The captions for `lens` (none: an index outside the catalogue, which changes no caption and
// turns MinFuoco red), with the language texts of `texts` (IRISCont, At, InquadraMin,
// InquadraMax, Inquadra, MinimoFuoco). The scene lines follow the lens type selected in the
// main window, not the entry's own type; a line whose distance or focal length cannot be read
// (or is 0) is left out.
LensPresentation presentLens(const LensRecord* lens, const MainPublic& texts,
                             const MainSelection& selection);

// Whether entries of this lens type have a focal range ("VAR" and "ZOOM").
bool hasFocalRange(const QString& typeCode);

// FocalMin as written, with "-" and FocalMax after it for a lens type with a focal range.
QString focalText(const LensRecord& lens);

// The remark; none when the note is exactly "no".
std::optional<QString> remarkOf(const LensRecord& lens);

// Whether a lens with minimum focus `minFocus` (0: none) focuses at both typed distances; none
// when one of the numbers is missing. MinFuoco turns red unless this is true.
std::optional<bool> focusesAt(std::optional<double> minFocus, std::optional<double> distance1,
                              std::optional<double> distance2);

} // namespace vistaro
