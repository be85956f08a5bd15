// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "siteplan/sitefilecontroller.h"

#include "optics/coveragesettings.h"
#include "platform/dialogs.h"
#include "platform/messagebox.h"
#include "platform/savefile.h"
#include "platform/settingspath.h"
#include "site/sitepaths.h"
#include "siteplan/planview.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QUndoStack>

namespace vistaro {

namespace {

const QString RecentKey = QStringLiteral("SitePlan/recentFiles");
constexpr int RecentCount = 8;
constexpr int FailureShownMs = 10'000;

} // namespace

// The copy follows the undo stack: written a moment after each step that leaves changes
// unsaved, gone once the site is as saved (saved, discarded, undone back, another site shown).
SiteFileController::SiteFileController(QMainWindow& window, SiteDocument& document,
                                       QUndoStack& undo, PlanView& view,
                                       const CoverageSettings& settings, QMenu& recentFiles,
                                       SettleBackground settle)
    : m_window(window), m_document(document), m_undo(undo), m_view(view), m_settings(settings),
      m_recentFiles(recentFiles), m_settle(std::move(settle)),
      m_files(std::make_unique<DiskSiteFiles>()), m_recovery(std::make_unique<SiteRecovery>([this] {
          return UnsavedSite{m_document.site(), m_file};
      })) {
    const auto follow = [this] {
        if (m_undo.isClean())
            m_recovery->clean();
        else
            m_recovery->changed();
    };
    connect(&m_undo, &QUndoStack::indexChanged, m_recovery.get(), follow);
    connect(&m_undo, &QUndoStack::cleanChanged, m_recovery.get(), follow);
    // Said where it does not stop the work: the site on show can still be saved.
    connect(m_recovery.get(), &SiteRecovery::failed, this, [this](const QString& problem) {
        m_window.statusBar()->showMessage(problem, FailureShownMs);
    });
}

SiteFileController::~SiteFileController() = default;

Site SiteFileController::emptySite(const CoverageSettings& settings) {
    Site site;
    site.units = settings.inputs().units;
    site.levelSet = settings.inputs().levelSet;
    return site;
}

void SiteFileController::setSiteFiles(std::unique_ptr<SiteFiles> files) {
    m_files = std::move(files);
}

bool SiteFileController::askToSave() {
    if (m_undo.isClean())
        return true;
    const QString name = m_file.isEmpty() ? tr("Untitled") : QFileInfo(m_file).fileName();
    switch (askAboutUnsaved(&m_window, tr("The site plan %1 has changes that are not saved. Save "
                                          "them?")
                                           .arg(name))) {
    case UnsavedAnswer::Save:
        return save();
    case UnsavedAnswer::Discard:
        return true;
    case UnsavedAnswer::Cancel:
        break;
    }
    return false;
}

void SiteFileController::dropUnsaved() {
    if (!m_undo.isClean() && (m_file.isEmpty() || !load(m_file)))
        showSite(emptySite(m_settings), {});
}

void SiteFileController::showSite(const Site& site, const QString& file) {
    m_view.setTool(nullptr);
    m_file = file;
    m_document.reset(site);
    m_undo.clear();
    emit fileChanged();
    m_view.zoomToFit();
}

bool SiteFileController::newSite() {
    if (!askToSave())
        return false;
    showSite(emptySite(m_settings), {});
    return true;
}

bool SiteFileController::openFile(const QString& path) {
    return askToSave() && load(path);
}

void SiteFileController::pickAndOpen() {
    const QString folder = m_file.isEmpty() ? QString() : QFileInfo(m_file).path();
    const QString path = Dialogs::current().openFile(&m_window, tr("Open site plan"), folder,
                                                     tr("Site plans (*.vistaro)"));
    if (!path.isEmpty())
        openFile(path);
}

bool SiteFileController::load(const QString& path) {
    SiteRead read = m_files->read(path);
    if (!read.site) {
        showMessage(&m_window, read.problem.message());
        return false;
    }
    // The background is kept by its full path while on show; saving names it afresh.
    for (SiteStorey& storey : read.site->storeys)
        if (auto& background = storey.background) {
            background->file = picturePath(path, background->file);
            if (!m_settle(*background))
                return false;
        }
    showSite(*read.site, path);
    rememberRecent(path);
    return true;
}

bool SiteFileController::save() {
    return m_file.isEmpty() ? saveAs() : writeTo(m_file);
}

bool SiteFileController::saveAs() {
    const QString folder = m_file.isEmpty() ? QString() : QFileInfo(m_file).path();
    const QString picked = Dialogs::current().saveFile(&m_window, tr("Save site plan"), folder,
                                                       tr("Site plans (*.vistaro)"));
    if (picked.isEmpty())
        return false;
    const QString path = withSuffix(picked, QStringLiteral("vistaro"));
    if (!writeTo(path))
        return false;
    m_file = path;
    emit fileChanged();
    return true;
}

bool SiteFileController::writeTo(const QString& path) {
    Site site = m_document.site();
    for (SiteStorey& storey : site.storeys)
        if (storey.background)
            storey.background->file = pictureName(path, storey.background->file);
    if (const std::optional<QString> problem = m_files->write(path, site)) {
        showMessage(&m_window, *problem);
        return false;
    }
    m_undo.setClean();
    rememberRecent(path);
    return true;
}

void SiteFileController::rememberRecent(const QString& path) {
    const std::unique_ptr<QSettings> settings = windowSettings();
    settings->setValue(RecentKey, recentFiles(settings->value(RecentKey).toStringList(),
                                              QFileInfo(path).absoluteFilePath(), RecentCount));
    showRecentFiles();
}

void SiteFileController::showRecentFiles() {
    m_recentFiles.clear();
    const QStringList files = windowSettings()->value(RecentKey).toStringList();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files.at(i);
        QAction* item = m_recentFiles.addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        item->setToolTip(QDir::toNativeSeparators(path));
        connect(item, &QAction::triggered, this, [this, path] { openFile(path); });
    }
    m_recentFiles.menuAction()->setEnabled(!files.isEmpty());
}

bool SiteFileController::offerRecovery() {
    const std::optional<LeftBehind> left = m_recovery->leftBehind();
    if (!left)
        return false;
    if (!left->read.site) {
        showMessage(&m_window, tr("The unsaved site plan kept when Vistaro last ended cannot be "
                                  "restored. %1")
                                   .arg(left->read.problem.message()));
        m_recovery->discard();
        return false;
    }
    const QString name = left->file.isEmpty() ? tr("Untitled") : QFileInfo(left->file).fileName();
    if (!askYesOrDiscard(&m_window,
                         tr("Vistaro did not end normally while the site plan %1 had changes "
                            "that were not saved. Restore them?")
                             .arg(name),
                         tr("Restore"))) {
        m_recovery->discard();
        return false;
    }
    Site site = *left->read.site;
    for (SiteStorey& storey : site.storeys)
        if (storey.background)
            storey.background->file = picturePath(m_recovery->filePath(), storey.background->file);
    showSite(site, left->file);
    // Unsaved until saved again, and kept as this run's own copy from now on.
    m_undo.resetClean();
    m_recovery->writeNow();
    return true;
}

} // namespace vistaro
