// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "resulttable.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace vistaro::bench {

namespace {

constexpr std::size_t Columns = 6;
using Line = std::array<std::string, Columns>;

Line cellsOf(const ResultRow& row) {
    const std::string target =
        std::string(row.strict ? "< " : "<= ") + formatted(row.limit, 2, "x");
    return {row.measure,  row.product,
            row.baseline, row.measured ? formatted(row.ratio, 2, "x") : "-",
            target,       row.met() ? "yes" : "NO"};
}

void printLine(const Line& line, const std::array<std::size_t, Columns>& widths) {
    for (std::size_t c = 0; c < Columns; ++c)
        std::printf("| %-*s ", static_cast<int>(widths[c]), line[c].c_str());
    std::printf("|\n");
}

} // namespace

std::string formatted(double value, int decimals, const char* unit) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f %s", decimals, value, unit);
    return buffer;
}

void printTable(const std::vector<ResultRow>& rows) {
    std::vector<Line> lines = {{"Measure", "Vistaro", "Baseline", "Ratio", "Target", "Met"}};
    for (const ResultRow& row : rows)
        lines.push_back(cellsOf(row));
    std::array<std::size_t, Columns> widths{};
    for (const Line& line : lines)
        for (std::size_t c = 0; c < Columns; ++c)
            widths[c] = std::max(widths[c], line[c].size());
    printLine(lines.front(), widths);
    Line rule;
    for (std::size_t c = 0; c < Columns; ++c)
        rule[c] = std::string(widths[c], '-');
    printLine(rule, widths);
    for (std::size_t i = 1; i < lines.size(); ++i)
        printLine(lines[i], widths);
}

ResultRow failedRow(const std::string& measure, const std::string& why, double limit) {
    ResultRow row{measure, "failed: " + why, "-", 0, limit};
    row.measured = false;
    return row;
}

ResultRow budgetRow(const std::string& measure, double value, const std::string& detail,
                    double budget, const char* unit, int decimals) {
    return {measure,
            formatted(value, decimals, unit) + detail,
            formatted(budget, 0, (std::string(unit) + " budget").c_str()),
            value / budget,
            1,
            true};
}

} // namespace vistaro::bench
