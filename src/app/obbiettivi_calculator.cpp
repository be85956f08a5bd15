// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/calculatorrows.h"
#include "app/obbiettivi.h"
#include "match/searchstart.h"
#include "platform/messagebox.h"

namespace vistaro {

void Obbiettivi::Focale1_Click() {
    m_calculator->clickField(0, CalcField::Focale);
}
void Obbiettivi::L1_Click() {
    m_calculator->clickField(0, CalcField::L);
}
void Obbiettivi::H1_Click() {
    m_calculator->clickField(0, CalcField::H);
}
void Obbiettivi::V1_Click() {
    m_calculator->clickField(0, CalcField::V);
}
void Obbiettivi::Focale2_Click() {
    m_calculator->clickField(1, CalcField::Focale);
}
void Obbiettivi::L2_Click() {
    m_calculator->clickField(1, CalcField::L);
}
void Obbiettivi::H2_Click() {
    m_calculator->clickField(1, CalcField::H);
}
void Obbiettivi::V2_Click() {
    m_calculator->clickField(1, CalcField::V);
}

void Obbiettivi::CalcoloFocale_Timer() {
    m_calculator->tick();
    m_hub->follow();
}

void Obbiettivi::MarvantoCons_Click() {
    if (!m_hub->recommend())
        showMessage(this, NothingFitsMessage);
}

} // namespace vistaro
