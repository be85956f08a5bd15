// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "camerareport/lensonshow.h"

#include <QString>

namespace vistaro {

// What the coverage window asks of the main window, which implements it. The window's data
// comes the other way: the main window pushes it with follow() and showLens().
class CoverageHost {
public:
    virtual ~CoverageHost() = default;

    // Puts `text` into the focal length field of calculator row `row` (0 or 1) as if the user
    // had typed it and clicked there.
    virtual void typeFocalLength(int row, const QString& text) = 0;

protected:
    CoverageHost() = default;
    CoverageHost(const CoverageHost&) = default;
    CoverageHost& operator=(const CoverageHost&) = default;
};

} // namespace vistaro
