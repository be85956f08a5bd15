// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resulttable.h"

#include <QString>
#include <vector>

namespace vistaro::bench {

// On the four-storey site of the site rows: the ray-casting scene of its first storey built
// against 300 ms, and a camera's 960 x 540 view against 40 ms at each step of a drag (the
// storey's scene kept, its people placed again), so that the drag stays live; the medians of a
// few runs. Then the camera pages of the first storey's 500 cameras in a site report written as
// a PDF into `folder`, each with its camera's view, against 20 s.
std::vector<ResultRow> renderRows(const QString& folder);

} // namespace vistaro::bench
