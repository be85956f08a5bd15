// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace vistaro {

// The lens the recommendation window shows, its catalogue fields as written.
struct LensOnShow {
    QString name;
    QString typeCode; // "FF", "HSP", "VAR" or "ZOOM"
    QString iris;     // "MI", "DD", "VD" or "M"
    QString focalMin; // mm
    QString focalMax; // mm, the long end of a varifocal or zoom lens
    QString fStop;
    QString minFocus;  // m, "0" for none
    QString datasheet; // the datasheet's path, empty when the lens has none

    bool operator==(const LensOnShow&) const = default;
};

} // namespace vistaro
