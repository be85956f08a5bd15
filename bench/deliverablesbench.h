// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resulttable.h"

#include <QString>
#include <vector>

namespace vistaro::bench {

// Writing the PDF report of a 100-camera site (the plan, a page a camera and the schedule)
// against 5 s, its coverage worked out beforehand as the open window holds it; the file goes
// into `folder`. Needs the application object, for the fonts.
std::vector<ResultRow> deliverablesRows(const QString& folder);

} // namespace vistaro::bench
