// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/sensorformat.h"
#include "match/wantedfocal.h"
#include "optics/coverageinputs.h"

#include <QString>

namespace vistaro {

// What the user wants now, as the main window shows it: the lens finder judges every lens
// against it.
struct FinderSelection {
    QString lensTypeCode; // "FF", "HSP", "VAR" or "ZOOM"
    QString irisCode;     // "MI", "DD", "VD" or "M"
    SensorFormat sensor = SensorFormat::Third;
    WantedFocal wanted; // from the calculator's focal lengths
    QString distance1; // ValL1, the distance the calculator stores, as the coverage window reads it
    QString distance2; // ValL2 (it counts for the minimum focus even when hidden)
    QString drive;     // root of the CD that holds the datasheets

    bool operator==(const FinderSelection&) const = default;
};

// Everything the verdicts depend on besides the catalogue.
struct FinderInputs {
    FinderSelection selection;
    CoverageInputs coverage;

    bool operator==(const FinderInputs&) const = default;
};

} // namespace vistaro
