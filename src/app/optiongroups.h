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
    std::array<QRadioButton*, 5> m_sensors{}; // in the order of SensorFormat
    QRadioButton* m_zoom = nullptr;
    QRadioButton* m_var = nullptr;
    QRadioButton* m_hsp = nullptr;
    QRadioButton* m_ff = nullptr;
    QRadioButton* m_manual = nullptr;
    QRadioButton* m_dc = nullptr;
    QRadioButton* m_vd = nullptr;
    QRadioButton* m_m = nullptr;
};

} // namespace vistaro
