// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/site.h"

namespace vistaro {

// What the site plan asks of the main window, which implements it. The window's data comes the
// other way: the main window pushes the calculator to it with follow().
class SitePlanHost {
public:
    virtual ~SitePlanHost() = default;

    // Loads `camera`, its level one of `levels`, into the calculator and the coverage window and
    // shows that window.
    virtual void showInCoverage(const SiteCamera& camera, const LevelSet& levels) = 0;

protected:
    SitePlanHost() = default;
    SitePlanHost(const SitePlanHost&) = default;
    SitePlanHost& operator=(const SitePlanHost&) = default;
};

} // namespace vistaro
