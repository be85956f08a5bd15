// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/coverageformat.h"
#include "optics/coveragesettings.h"
#include "siteplan/siteplan.h"
#include "siteplan/siteundo.h"

#include <QComboBox>
#include <QToolBar>
#include <QUndoStack>

namespace vistaro {

void SitePlan::buildLevelSetChoice() {
    m_levelSetBox = new QComboBox(this);
    m_levelSetBox->setObjectName(QStringLiteral("SiteLevelSet"));
    m_levelSetBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_toolBar->addWidget(m_levelSetBox);
    connect(m_levelSetBox, &QComboBox::activated, this, &SitePlan::chooseLevelSet);
    // The user's own sets change in the coverage window.
    connect(&m_settings, &CoverageSettings::changed, this, &SitePlan::showLevelSetChoice);
    connect(&m_document, &SiteDocument::siteReset, this, &SitePlan::showLevelSetChoice);
    showLevelSetChoice();
}

void SitePlan::showLevelSetChoice() {
    const LevelSet& shown = m_document.site().levelSet;
    m_levelSets = m_settings.offeredLevelSets();
    const auto own = std::find_if(m_levelSets.begin(), m_levelSets.end(),
                                  [&](const LevelSet& set) { return set.key == shown.key; });
    if (own == m_levelSets.end())
        m_levelSets.push_back(shown);
    else
        *own = shown; // the plates of the site's own rule, a set of the user's as the site has it
    const QSignalBlocker blocker(m_levelSetBox);
    m_levelSetBox->clear();
    for (const LevelSet& set : m_levelSets)
        m_levelSetBox->addItem(CoverageText::levelSetName(set));
    m_levelSetBox->setCurrentIndex(
        int(std::find_if(m_levelSets.begin(), m_levelSets.end(),
                         [&](const LevelSet& set) { return set.key == shown.key; }) -
            m_levelSets.begin()));
    m_levelSetBox->setAccessibleName(tr("Level set of the site"));
    m_levelSetBox->setToolTip(tr("The levels the site's cameras and areas are judged by"));
}

void SitePlan::chooseLevelSet(int index) {
    if (index < 0 || std::size_t(index) >= m_levelSets.size())
        return;
    const LevelSet& chosen = m_levelSets.at(std::size_t(index));
    if (chosen == m_document.site().levelSet)
        return;
    m_undo->push(new SetLevelSetCommand(
        m_document, chosen, tr("Level set %1").arg(CoverageText::levelSetName(chosen))));
}

} // namespace vistaro
