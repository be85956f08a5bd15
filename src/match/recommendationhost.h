// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "match/mainselection.h"
#include "state/sharedstate.h"

#include <QString>

namespace vistaro {

// What the recommendation window reads of the main window: the program-wide variables (the
// catalogue, the iris code, the wanted focal lengths), the main window's public variables (Min,
// Max, Drive, the language texts, PDFattuale) and its current selection.
struct RecommendationReading {
    ProgramState program;
    MainPublic main;
    MainSelection selection;
};

// What the recommendation window asks of the main window, which implements it; tests use a plain
// stand-in. The window's data comes the other way: the main window pushes it with
// CConsiglia::follow() before each presentation and as it changes.
class RecommendationHost {
public:
    virtual ~RecommendationHost() = default;

    // PDFattuale, the datasheet button's index, becomes `index`.
    virtual void setPDFattuale(const QString& index) = 0;

protected:
    RecommendationHost() = default;
    RecommendationHost(const RecommendationHost&) = default;
    RecommendationHost& operator=(const RecommendationHost&) = default;
};

} // namespace vistaro
