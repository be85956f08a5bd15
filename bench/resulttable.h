// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace vistaro::bench {

// One measurement against its baseline. `ratio` is product / baseline; the target is met when it
// stays within `limit` (below it, when `strict`).
struct ResultRow {
    std::string measure;
    std::string product;
    std::string baseline;
    double ratio = 0;
    double limit = 0;
    bool strict = false;
    bool measured = true; // false when a run failed; the row then shows why in `product`

    bool met() const { return measured && (strict ? ratio < limit : ratio <= limit); }
};

// A row whose run failed, saying why in place of the time.
ResultRow failedRow(const std::string& measure, const std::string& why, double limit);

// A value (by default a time in milliseconds) with `detail` after it, met below `budget`.
ResultRow budgetRow(const std::string& measure, double value, const std::string& detail,
                    double budget, const char* unit = "ms", int decimals = 2);

// Prints the rows as one aligned text table with a target and a met column.
void printTable(const std::vector<ResultRow>& rows);

// `value` with `decimals` decimals and `unit` after a blank.
std::string formatted(double value, int decimals, const char* unit);

} // namespace vistaro::bench
