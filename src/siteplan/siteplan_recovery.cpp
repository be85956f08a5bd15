// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/messagebox.h"
#include "siteplan/sitepaths.h"
#include "siteplan/siteplan.h"

#include <QFileInfo>
#include <QStatusBar>
#include <QUndoStack>

namespace vistaro {

namespace {

constexpr int FailureShownMs = 10'000;

} // namespace

// The copy follows the undo stack: written a moment after each step that leaves changes
// unsaved, gone once the site is as saved (saved, discarded, undone back, another site shown).
void SitePlan::buildRecovery() {
    m_recovery = std::make_unique<SiteRecovery>([this] {
        return UnsavedSite{m_document.site(), m_file};
    });
    const auto follow = [this] {
        if (m_undo->isClean())
            m_recovery->clean();
        else
            m_recovery->changed();
    };
    connect(m_undo, &QUndoStack::indexChanged, m_recovery.get(), follow);
    connect(m_undo, &QUndoStack::cleanChanged, m_recovery.get(), follow);
    // Said where it does not stop the work: the site on show can still be saved.
    connect(m_recovery.get(), &SiteRecovery::failed, this,
            [this](const QString& problem) { statusBar()->showMessage(problem, FailureShownMs); });
    m_restoreAsker = [](QWidget* parent, const QString& text) {
        return askYesOrDiscard(parent, text, tr("Restore"));
    };
}

bool SitePlan::offerRecovery() {
    const std::optional<LeftBehind> left = m_recovery->leftBehind();
    if (!left)
        return false;
    if (!left->read.site) {
        showMessage(this, tr("The unsaved site plan kept when Vistaro last ended cannot be "
                             "restored. %1")
                              .arg(left->read.problem.message()));
        m_recovery->discard();
        return false;
    }
    const QString name = left->file.isEmpty() ? tr("Untitled") : QFileInfo(left->file).fileName();
    if (!m_restoreAsker(this, tr("Vistaro did not end normally while the site plan %1 had changes "
                                 "that were not saved. Restore them?")
                                  .arg(name))) {
        m_recovery->discard();
        return false;
    }
    Site site = *left->read.site;
    if (site.background)
        site.background->file = picturePath(m_recovery->filePath(), site.background->file);
    showSite(site, left->file);
    // Unsaved until saved again, and kept as this run's own copy from now on.
    m_undo->resetClean();
    m_recovery->writeNow();
    return true;
}

} // namespace vistaro
