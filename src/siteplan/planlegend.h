// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/sitedeliverables.h"

#include <QListWidget>
#include <vector>

namespace vistaro {

// The plan's legend beside it: each entry's mark and text, as the printed plan's legend shows
// them, one a row.
class PlanLegend : public QListWidget {
    Q_OBJECT

public:
    explicit PlanLegend(QWidget* parent = nullptr);

    void showEntries(const std::vector<LegendEntry>& entries);
};

} // namespace vistaro
