// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalogue/lensrecord.h"
#include "finder/finderinputs.h"
#include "optics/coverageinputs.h"

#include <cstdint>

namespace vistaro {

// What the lens finder needs of the main window, which implements it: the loaded catalogue
// (read in place, never copied), the current selection and coverage inputs, and the
// recommendation window.
class LensFinderHost {
public:
    virtual ~LensFinderHost() = default;

    // The catalogue the main window holds; it may be replaced as a whole by a load.
    virtual const Catalogue& finderCatalogue() const = 0;
    // Read afresh whenever the finder looks for changes; cheap to ask.
    virtual FinderSelection finderSelection() const = 0;
    // The coverage window's sensor, picture and level.
    virtual CoverageInputs finderCoverageInputs() const = 0;
    // Shows catalogue entry `index` in the recommendation window, with "<" and ">" going on
    // through its lens type's block.
    virtual void presentFromFinder(std::int16_t index) = 0;

protected:
    LensFinderHost() = default;
    LensFinderHost(const LensFinderHost&) = default;
    LensFinderHost& operator=(const LensFinderHost&) = default;
};

} // namespace vistaro
