// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any file: it is read or refused with a reason, the same from bytes and from disk; what was
// read writes and reads back unchanged, and every camera in it covers a finite part of the plan.
#include "fuzzinput.h"
#include "site/footprint.h"
#include "site/sitefile.h"

#include <algorithm>
#include <cmath>

using namespace vistaro;

namespace {

bool finite(const PlanPolygon& polygon) {
    return std::all_of(polygon.begin(), polygon.end(), [](const PlanPoint& point) {
        return std::isfinite(point.x) && std::isfinite(point.y);
    });
}

} // namespace

void vistaro::fuzz::check(const QByteArray& input, const QString& path) {
    const SiteRead read = readSite(input);
    require(read.site.has_value() == read.problem.isEmpty());
    require(SiteFile::read(path).site == read.site);
    if (!read.site)
        return;
    require(readSite(siteToJson(*read.site)).site == read.site);
    for (const SiteCamera& camera : read.site->cameras) {
        const FieldFootprint footprint = fieldFootprint(camera, read.site->levelSet);
        require(finite(footprint.deadZone) && finite(footprint.outline));
        for (const FieldBand& band : footprint.bands)
            require(band.range.farM && finite(band.corners));
    }
}
