// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "match/mainselection.h"
#include "state/sharedstate.h"

namespace vistaro {

// What the recommendation window needs of the main window: the program-wide variables (the
// catalogue, the iris code, the wanted focal lengths), the main window's public variables
// (Min, Max, Drive, the language texts, PDFattuale) and its current selection. The main window
// implements it; tests use a plain stand-in.
class RecommendationHost {
public:
    virtual ~RecommendationHost() = default;

    virtual ProgramState& programState() = 0;
    virtual MainPublic& mainPublic() = 0;
    // Read afresh at every click and presentation, so a change in the main window counts.
    virtual MainSelection mainSelection() const = 0;

protected:
    RecommendationHost() = default;
    RecommendationHost(const RecommendationHost&) = default;
    RecommendationHost& operator=(const RecommendationHost&) = default;
};

} // namespace vistaro
