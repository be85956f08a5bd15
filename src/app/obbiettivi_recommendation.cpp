// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/obbiettivi.h"
#include "coverage/coveragewindow.h"
#include "finder/lensfinder.h" // the destructor destroys m_lensFinder
#include "match/cconsiglia.h"
#include "match/searchstart.h"
#include "optics/coveragesettings.h"
#include "platform/messagebox.h"
#include "siteplan/siteplan.h" // the destructor destroys m_sitePlan

#include <QLineEdit>

namespace vistaro {

Obbiettivi::~Obbiettivi() = default;

// A window of its own, not owned by the main window's frame; it lives as long as the main
// window, which is the program.
CConsiglia& Obbiettivi::consiglia() {
    if (!m_consiglia)
        m_consiglia = std::make_unique<CConsiglia>(*this);
    return *m_consiglia;
}

MainSelection Obbiettivi::mainSelection() const {
    return {sensorFormat(),      zoomSelected(),      varSelected(),
            m_rows[0].L->text(), m_rows[1].L->text(), m_private.SensorHeight};
}

void Obbiettivi::MarvantoCons_Click() {
    const bool presented =
        startSearch(m_program, m_public, m_private.Blocks, m_private.Row1.ValFocale(),
                    m_private.Row2.ValFocale(), sensorFormat(),
                    [this](std::int16_t index) { consiglia().Visualizza(index); });
    if (!presented)
        showMessage(this, NothingFitsMessage);
}

} // namespace vistaro
