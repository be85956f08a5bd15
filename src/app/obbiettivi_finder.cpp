// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/obbiettivi.h"
#include "app/optiongroups.h"
#include "finder/finderbrowsing.h"
#include "finder/lensfinder.h"
#include "match/cconsiglia.h"
#include "optics/coveragesettings.h"
#include "platform/forms.h"

namespace vistaro {

// The distances are the stored ones, which the coverage window reads too, so the finder's
// verdicts and the coverage figures never disagree; the level verdicts follow the coverage
// inputs as they stand.
FinderInputs Obbiettivi::finderInputs() {
    const FinderSelection selection{
        m_program.LensTypeCode,
        m_program.IrisCode,
        m_options->sensorFormat(),
        wantedFocal(m_program.LensTypeCode, m_private.Row1.ValFocale(), m_private.Row2.ValFocale()),
        m_private.Row1.ValL(),
        m_private.Row2.ValL(),
        m_public.Drive};
    return {selection, coverageSettings().inputs()};
}

void Obbiettivi::presentFromFinder(std::int16_t index) {
    prepareBrowsing(m_program, m_public, m_private.Blocks, index, finderInputs().selection.wanted);
    consiglia().Visualizza(index);
}

// A window of its own, like the recommendation window; it lives as long as the main window.
void Obbiettivi::OpenLensFinder_Click() {
    if (!m_lensFinder)
        m_lensFinder = std::make_unique<LensFinder>(*this, m_program.LensCatalogue);
    m_lensFinder->refresh(finderInputs());
    bringToFront(*m_lensFinder);
}

void Obbiettivi::refreshLensFinder() {
    if (m_lensFinder)
        m_lensFinder->refresh(finderInputs());
}

} // namespace vistaro
