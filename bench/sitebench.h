// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resulttable.h"
#include "site/site.h"

#include <QString>
#include <string>
#include <vector>

namespace vistaro::bench {

// A generated site of 500 cameras, 2000 wall segments and 36 areas, written into `folder` and
// opened by the program (started as a child process in `workDir`): opening the file (read, every
// camera and area worked out, the plan and tables built and painted) against 1 s, one step of
// dragging a camera (its coverage, the areas it reaches, the repaint) against 16 ms, every camera
// and area worked out again against 300 ms, and the program's peak memory against 150 MiB; in
// this process, the best level reached kept up to date after one camera moved, against 300 ms;
// and in the window, every label of the plan placed (none overlapping) against 20 ms, and on a new
// site a drawing's layer of 4055 lines used as walls (one undo step, the plan repainted) against
// 1 s; in this process again, every camera and area worked out among 2000 obstacles against
// 600 ms.
std::vector<ResultRow> siteRows(const QString& folder, const std::string& workDir);

// The generated site that the rows above measure, on one storey and on four.
Site benchSite();
Site storeyedBenchSite();

} // namespace vistaro::bench
