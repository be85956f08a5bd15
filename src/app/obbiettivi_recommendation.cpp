// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/calculatorrows.h"
#include "app/obbiettivi.h"
#include "app/optiongroups.h"
#include "match/cconsiglia.h"
#include "match/searchstart.h"
#include "platform/messagebox.h"
#include "siteplan/siteplan.h" // the destructor destroys m_sitePlan

namespace vistaro {

// A window of its own, not owned by the main window's frame; it lives as long as the main
// window, which is the program.
CConsiglia& Obbiettivi::consiglia() {
    if (!m_consiglia)
        m_consiglia = std::make_unique<CConsiglia>(*this);
    return *m_consiglia;
}

MainSelection Obbiettivi::mainSelection() const {
    return {m_options->sensorFormat(),  m_options->zoomSelected(),  m_options->varSelected(),
            m_calculator->readRow(0).L, m_calculator->readRow(1).L, m_private.SensorHeight};
}

void Obbiettivi::MarvantoCons_Click() {
    const bool presented =
        startSearch(m_program, m_public, m_private.Blocks, m_private.Row1.ValFocale(),
                    m_private.Row2.ValFocale(), m_options->sensorFormat(),
                    [this](std::int16_t index) { consiglia().Visualizza(index); });
    if (!presented)
        showMessage(this, NothingFitsMessage);
}

} // namespace vistaro
