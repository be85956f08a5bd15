// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/calculatorrows.h"
#include "app/obbiettivi.h"
#include "app/optiongroups.h"
#include "coverage/coveragewindow.h"
#include "match/cconsiglia.h"
#include "match/datasheet.h"
#include "optics/coveragesettings.h"
#include "platform/forms.h"

namespace vistaro {

CoverageSettings& Obbiettivi::coverageSettings() {
    if (!m_coverageSettings) {
        m_coverageSettings = std::make_unique<CoverageSettings>();
        connect(m_coverageSettings.get(), &CoverageSettings::changed, this,
                &Obbiettivi::refreshLensFinder);
    }
    return *m_coverageSettings;
}

// A window of its own, made on first use and kept, so it reopens as it was left.
void Obbiettivi::OpenCoverage_Click() {
    if (!m_coverage)
        m_coverage =
            std::make_unique<CoverageWindow>(*this, coverageSettings(), calculatorReading());
    m_coverage->showLens(lensOnShow());
    bringToFront(*m_coverage);
}

void Obbiettivi::followCoverage() {
    if (!m_coverage)
        return;
    m_coverage->follow(calculatorReading());
    m_coverage->showLens(lensOnShow());
}

CalculatorReading Obbiettivi::calculatorReading() const {
    return {m_private.Row1.ValFocale(), m_private.Row1.ValL(),     m_private.Row2.ValFocale(),
            m_private.Row2.ValL(),      m_options->zoomSelected(), m_options->sensorFormat(),
            m_program.DecimalSeparator};
}

// As a user does: the text goes into the field, then a click there makes it the driver and
// recalculates the row; the coverage window then follows.
void Obbiettivi::typeFocalLength(int row, const QString& text) {
    m_calculator->enter(row == 0 ? 0 : 1, CalcField::Focale, text);
    followCoverage();
}

// PDFattuale follows the entry on show; a closed window shows none, whatever it last held.
std::optional<LensOnShow> Obbiettivi::lensOnShow() const {
    if (!m_consiglia || !m_consiglia->isVisible())
        return std::nullopt;
    const LensRecord* lens = entryOnShow(m_program.LensCatalogue, m_public.PDFattuale);
    if (!lens)
        return std::nullopt;
    return LensOnShow{lens->Name,     lens->TypeCode,
                      lens->Iris,     lens->FocalMin,
                      lens->FocalMax, lens->FStop,
                      lens->MinFocus, datasheetOf(m_public.Drive, *lens).value_or(QString())};
}

} // namespace vistaro
