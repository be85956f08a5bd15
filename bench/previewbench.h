// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resulttable.h"

#include <vector>

namespace vistaro::bench {

// The preview window at 1600 x 1000 following a change of the coverage window's figures (a new
// density at the aim distance: every target worked out at it) and working out every picture
// again (a new option: every target at every density), each repainted, against the
// calculator's tick. Needs the application object.
std::vector<ResultRow> previewRows();

} // namespace vistaro::bench
