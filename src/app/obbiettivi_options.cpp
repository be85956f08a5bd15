// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/calculatorrows.h"
#include "app/obbiettivi.h"
#include "app/optiongroups.h"

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

    const std::pair<const char*, void (Obbiettivi::*)()> options[] = {
        {"un", &Obbiettivi::un_Click},
        {"dueterzi", &Obbiettivi::dueterzi_Click},
        {"unmezzo", &Obbiettivi::unmezzo_Click},
        {"unterzo", &Obbiettivi::unterzo_Click},
        {"unquarto", &Obbiettivi::unquarto_Click},
        {"FF", &Obbiettivi::FF_Click},
        {"HSP", &Obbiettivi::HSP_Click},
        {"VAR", &Obbiettivi::VAR_Click},
        {"zoom", &Obbiettivi::zoom_Click},
        {"Manual", &Obbiettivi::Manual_Click},
        {"DC", &Obbiettivi::DC_Click},
        {"VD", &Obbiettivi::VD_Click},
        {"M", &Obbiettivi::M_Click}};
    for (const auto& [name, handler] : options)
        onSelected(m_client->findChild<QRadioButton*>(QLatin1String(name)), this, handler);
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
    m_options->setMotorIrisEnabled(zoom);
    m_calculator->setZoomLayout(zoom);
    setClientHeight(zoom);
    m_program.LensTypeCode = code;
    nameControls();
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
