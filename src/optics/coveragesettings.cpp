// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "optics/coveragesettings.h"

#include "optics/levelsetfile.h"
#include "platform/settingspath.h"

#include <QSettings>

namespace vistaro {

CoverageSettings::CoverageSettings(QObject* parent)
    : QObject(parent), m_file(windowSettings()), m_inputs(loadCoverageInputs(*m_file)),
      m_userSets(loadUserLevelSets(*m_file)) {}

CoverageSettings::~CoverageSettings() = default;

void CoverageSettings::set(const CoverageInputs& inputs) {
    if (inputs == m_inputs)
        return;
    m_inputs = inputs;
    saveCoverageInputs(*m_file, m_inputs);
    emit changed();
}

std::vector<LevelSet> CoverageSettings::offeredLevelSets() const {
    return vistaro::offeredLevelSets(m_inputs.plate, m_userSets);
}

void CoverageSettings::setUserLevelSets(const std::vector<LevelSet>& sets) {
    m_userSets = sets;
    saveUserLevelSets(*m_file, m_userSets);
    if (m_inputs.levelSet.builtIn())
        return;
    CoverageInputs inputs = m_inputs;
    inputs.levelSet = levelSetByKey(offeredLevelSets(), m_inputs.levelSet.key);
    inputs.level = carriedLevel(m_inputs.levelSet, m_inputs.level, inputs.levelSet);
    set(inputs);
}

} // namespace vistaro
