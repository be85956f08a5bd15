// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/obbiettivi.h"
#include "coverage/coveragewindow.h"
#include "finder/finderbrowsing.h"
#include "finder/lensfinder.h"
#include "match/cconsiglia.h"
#include "platform/settingspath.h"

#include <QLineEdit>
#include <QSettings>

namespace vistaro {

FinderSelection Obbiettivi::finderSelection() const {
    return {
        m_program.LensTypeCode,
        m_program.IrisCode,
        sensorFormat(),
        wantedFocal(m_program.LensTypeCode, m_private.Row1.ValFocale(), m_private.Row2.ValFocale()),
        m_rows[0].L->text(),
        m_rows[1].L->text(),
        m_public.Drive};
}

// The level verdicts follow the coverage window's sensor, picture and level as they stand.
CoverageInputs Obbiettivi::finderCoverageInputs() const {
    return m_coverage ? m_coverage->inputs() : m_finderCoverage;
}

void Obbiettivi::presentFromFinder(std::int16_t index) {
    prepareBrowsing(m_program, m_public, m_private.Blocks, index, finderSelection().wanted);
    consiglia().Visualizza(index);
}

// A window of its own, like the recommendation window; it lives as long as the main window.
void Obbiettivi::OpenLensFinder_Click() {
    QSettings settings(windowSettingsFilePath(), QSettings::IniFormat);
    m_finderCoverage = loadCoverageInputs(settings);
    if (!m_lensFinder)
        m_lensFinder = std::make_unique<LensFinder>(*this);
    m_lensFinder->show();
    m_lensFinder->raise();
    m_lensFinder->activateWindow();
    m_lensFinder->refresh();
}

void Obbiettivi::refreshLensFinder() {
    if (m_lensFinder)
        m_lensFinder->refresh();
}

} // namespace vistaro
