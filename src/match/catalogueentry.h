// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/lensrecord.h"

namespace vistaro {

// The catalogue entry at `index`, or none when the index lies outside the catalogue.
inline const LensRecord* entryAt(const Catalogue& catalogue, int index) {
    if (index < 0 || index >= catalogue.size())
        return nullptr;
    return &catalogue[index];
}

} // namespace vistaro
