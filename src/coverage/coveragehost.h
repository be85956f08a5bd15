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
