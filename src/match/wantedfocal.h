// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace vistaro {

// The focal lengths a search and the browsing want (TargetFocalWide, TargetFocalTele).
struct WantedFocal {
    QString wide;
    QString tele;

    bool operator==(const WantedFocal&) const = default;
};

// From the calculator's stored focal lengths: the first row's for the wide end; for the tele
// end the second row's for a zoom, and the first row's for every other lens type (a varifocal
// lens is wanted at one focal length).
WantedFocal wantedFocal(const QString& lensTypeCode, const QString& valFocale1,
                        const QString& valFocale2);

} // namespace vistaro
