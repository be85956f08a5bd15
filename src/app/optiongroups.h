// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/sensorformat.h"

#include <QList>
#include <array>

class QRadioButton;
class QWidget;

namespace vistaro {

// The main window's three option groups: Sensore (the sensor format, un to unquarto), Frame1 (the
// lens type: zoom, VAR, HSP, FF) and Frame2 (the iris control: Manual, DC, VD and M, the motor
// iris of zoom lenses). A start selects 1/3", fixed focal length and direct drive, the motor
// iris disabled. The main window connects each button's handler by its objectName.
class OptionGroups {
public:
    explicit OptionGroups(QWidget* client);

    SensorFormat sensorFormat() const;
    bool zoomSelected() const;
    bool varSelected() const;
    // A motor iris that is selected stays selected when it is disabled.
    void setMotorIrisEnabled(bool enabled);
    // The thirteen buttons in the order Tab reaches them.
    QList<QWidget*> tabOrder() const;

private:
    // The buttons of each frame, top to bottom.
    enum LensType { Zoom, Varifocal, Aspherical, FixedFocal };
    enum Iris { ManualIris, DirectDrive, VideoDrive, MotorIris };

    std::array<QRadioButton*, 5> m_sensors{}; // in the order of SensorFormat
    std::array<QRadioButton*, 4> m_lensTypes{};
    std::array<QRadioButton*, 4> m_irises{};
};

} // namespace vistaro
