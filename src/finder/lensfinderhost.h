// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalogue/lensrecord.h"
#include "finder/finderinputs.h"
#include "optics/coverageinputs.h"

#include <cstdint>

namespace vistaro {

// What the lens finder asks of the main window, which implements it. The finder's data comes the
// other way: the main window pushes it with LensFinder::refresh().
class LensFinderHost {
public:
    virtual ~LensFinderHost() = default;

    // Shows catalogue entry `index` in the recommendation window, with "<" and ">" going on
    // through its lens type's block.
    virtual void presentFromFinder(std::int16_t index) = 0;

protected:
    LensFinderHost() = default;
    LensFinderHost(const LensFinderHost&) = default;
    LensFinderHost& operator=(const LensFinderHost&) = default;
};

} // namespace vistaro
