// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resulttable.h"

#include <QString>
#include <vector>

namespace vistaro::bench {

// Opening a generated plan of about 20 MB and 200 000 entities against 2 s, showing it in the
// site plan against 1 s and a zoom into it against 0.1 s (an application must exist for that), and
// writing the coverage drawing of a 100-camera site with four bands each against 1 s; the files go
// into `folder`.
std::vector<ResultRow> dxfRows(const QString& folder);

} // namespace vistaro::bench
