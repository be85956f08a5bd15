// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "optics/coveragesettings.h"

#include "platform/settingspath.h"

#include <QSettings>

namespace vistaro {

CoverageSettings::CoverageSettings(QObject* parent)
    : QObject(parent), m_file(windowSettings()), m_inputs(loadCoverageInputs(*m_file)) {}

CoverageSettings::~CoverageSettings() = default;

void CoverageSettings::set(const CoverageInputs& inputs) {
    if (inputs == m_inputs)
        return;
    m_inputs = inputs;
    saveCoverageInputs(*m_file, m_inputs);
    emit changed();
}

} // namespace vistaro
