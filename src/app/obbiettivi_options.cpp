// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/calculatorrows.h"
#include "app/obbiettivi.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace vistaro {

namespace {

// An option button's handler runs whenever it becomes the selected one of its group.
void onSelected(QRadioButton* button, Obbiettivi* window, void (Obbiettivi::*handler)()) {
    QObject::connect(button, &QRadioButton::toggled, window, [window, handler](bool checked) {
        if (checked)
            (window->*handler)();
    });
}

} // namespace

void Obbiettivi::connectHandlers() {
    connect(m_calcoloFocale, &QTimer::timeout, this, &Obbiettivi::CalcoloFocale_Timer);
    connect(m_timerMove, &QTimer::timeout, this, &Obbiettivi::TimerMove_Timer);
    connect(m_marvantoCons, &QPushButton::clicked, this, &Obbiettivi::MarvantoCons_Click);

    void (Obbiettivi::*const sensorHandlers[])() = {
        &Obbiettivi::un_Click, &Obbiettivi::dueterzi_Click, &Obbiettivi::unmezzo_Click,
        &Obbiettivi::unterzo_Click, &Obbiettivi::unquarto_Click};
    for (std::size_t i = 0; i < m_sensorButtons.size(); ++i)
        onSelected(m_sensorButtons[i], this, sensorHandlers[i]);
    onSelected(m_ff, this, &Obbiettivi::FF_Click);
    onSelected(m_hsp, this, &Obbiettivi::HSP_Click);
    onSelected(m_var, this, &Obbiettivi::VAR_Click);
    onSelected(m_zoom, this, &Obbiettivi::zoom_Click);
    onSelected(m_manual, this, &Obbiettivi::Manual_Click);
    onSelected(m_dc, this, &Obbiettivi::DC_Click);
    onSelected(m_vd, this, &Obbiettivi::VD_Click);
    onSelected(m_m, this, &Obbiettivi::M_Click);
}

SensorFormat Obbiettivi::sensorFormat() const {
    for (std::size_t i = 0; i < m_sensorButtons.size(); ++i)
        if (m_sensorButtons[i]->isChecked())
            return SensorFormat(i);
    return SensorFormat::Third;
}

bool Obbiettivi::zoomSelected() const {
    return m_zoom->isChecked();
}
bool Obbiettivi::varSelected() const {
    return m_var->isChecked();
}

void Obbiettivi::un_Click() {
    m_private.SensorHeight = sensorHeight(SensorFormat::One);
}
void Obbiettivi::dueterzi_Click() {
    m_private.SensorHeight = sensorHeight(SensorFormat::TwoThirds);
}
void Obbiettivi::unmezzo_Click() {
    m_private.SensorHeight = sensorHeight(SensorFormat::Half);
}
void Obbiettivi::unterzo_Click() {
    m_private.SensorHeight = sensorHeight(SensorFormat::Third);
}
void Obbiettivi::unquarto_Click() {
    m_private.SensorHeight = sensorHeight(SensorFormat::Quarter);
}

// The second row (TELE) and the motor iris belong to zoom lenses. The calculator is not touched:
// the hidden row goes on being recalculated, and a selected motor iris stays selected.
void Obbiettivi::setLensLayout(bool zoom, const QString& code) {
    m_m->setEnabled(zoom);
    m_calculator->setZoomLayout(zoom);
    setClientHeight(zoom);
    m_program.LensTypeCode = code;
}

void Obbiettivi::FF_Click() {
    setLensLayout(false, QStringLiteral("FF"));
}
void Obbiettivi::HSP_Click() {
    setLensLayout(false, QStringLiteral("HSP"));
}
void Obbiettivi::VAR_Click() {
    setLensLayout(false, QStringLiteral("VAR"));
}
void Obbiettivi::zoom_Click() {
    setLensLayout(true, QStringLiteral("ZOOM"));
}

void Obbiettivi::Manual_Click() {
    m_program.IrisCode = QStringLiteral("MI");
}
void Obbiettivi::DC_Click() {
    m_program.IrisCode = QStringLiteral("DD");
}
void Obbiettivi::VD_Click() {
    m_program.IrisCode = QStringLiteral("VD");
}
void Obbiettivi::M_Click() {
    m_program.IrisCode = QStringLiteral("M");
}

} // namespace vistaro
