// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalogue/lensrecord.h"
#include "resulttable.h"

#include <vector>

namespace vistaro::bench {

// The lens finder over `catalogue`, each against a 100 ms budget: opening the window, judging
// every lens again after a change in the main window, sorting by the slowest column, filtering.
// Needs a QApplication.
std::vector<ResultRow> finderRows(const Catalogue& catalogue);

} // namespace vistaro::bench
