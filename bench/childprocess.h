// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace vistaro::bench {

// What one run of a window program gave.
struct ChildResult {
    bool ok = false;      // it said "painted" and exited with status 0 in time
    double paintedMs = 0; // from starting the process to its "painted" line
    std::string output;   // everything it wrote to standard output
    std::string failure;  // why it is not ok
};

// Starts `program` with `arguments` in `workDir` and the current environment, reads its
// standard output until it ends. A program still running after
// `timeoutMs` is killed.
ChildResult runChild(const std::string& program, const std::vector<std::string>& arguments,
                     const std::string& workDir, int timeoutMs);

// The number after "`key` " in `output`; -1 when there is none.
long long reportedValue(const std::string& output, const std::string& key);

} // namespace vistaro::bench
