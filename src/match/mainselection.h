// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/sensorformat.h"
#include "state/sharedstate.h"

#include <QString>

namespace vistaro {

// What the recommendation feature reads from the main window's controls at the moment it
// runs: the sensor option, the lens-type options that choose the browsing test and the scene
// lines, the typed distances and the sensor height.
struct MainSelection {
    SensorFormat sensor = SensorFormat::Third; // the selected sensor option button
    bool zoom = false;                         // the `zoom` lens-type option is set
    bool var = false;                          // the `VAR` lens-type option is set
    QString L1;                                // distance of the first row, as typed
    QString L2;                                // distance of the second (TELE) row, as typed
    double SensorHeight = DefaultSensorHeight;
};

} // namespace vistaro
