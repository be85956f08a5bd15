// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/coverageformat.h"
#include "optics/coveragesettings.h"
#include "optics/units.h"
#include "platform/messagebox.h"
#include "platform/settingspath.h"
#include "siteplan/plancoordinates.h"
#include "siteplan/planimport.h"
#include "siteplan/sitepaths.h"
#include "siteplan/siteplan.h"
#include "siteplan/siteundo.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QSettings>
#include <QUndoStack>
#include <cmath>

namespace vistaro {

namespace {

const QString RecentKey = QStringLiteral("SitePlan/recentFiles");
constexpr int RecentCount = 8;

QString withSuffix(const QString& path) {
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".vistaro") : path;
}

} // namespace

void SitePlan::useStandardDialogs() {
    m_openPicker = [](QWidget* parent, const QString& caption, const QString& folder,
                      const QString& filter) {
        return QFileDialog::getOpenFileName(parent, caption, folder, filter);
    };
    m_savePicker = [](QWidget* parent, const QString& caption, const QString& folder,
                      const QString& filter) {
        return QFileDialog::getSaveFileName(parent, caption, folder, filter);
    };
    m_distanceAsker = [this](QWidget* parent, double shown) -> std::optional<double> {
        bool ok = false;
        const double typed = QInputDialog::getDouble(
            parent, tr("Background scale"),
            tr("Distance between the two points (%1):").arg(lengthUnit(m_document.site().units)),
            shown, 0.001, 1e6, 3, &ok);
        return ok ? std::optional(typed) : std::nullopt;
    };
}

void SitePlan::setSiteFiles(std::unique_ptr<SiteFiles> files) {
    m_files = std::move(files);
}

Site SitePlan::emptySite() const {
    Site site;
    site.units = m_settings.inputs().units;
    site.levelSet = m_settings.inputs().levelSet;
    return site;
}

bool SitePlan::askToSave() {
    if (m_undo->isClean())
        return true;
    const QString name = m_file.isEmpty() ? tr("Untitled") : QFileInfo(m_file).fileName();
    switch (askAboutUnsaved(this, tr("The site plan %1 has changes that are not saved. Save "
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

void SitePlan::showSite(const Site& site, const QString& file) {
    m_view->setMode(PlanView::Mode::Select);
    m_file = file;
    m_document.reset(site);
    m_undo->clear();
    showTitle();
    m_view->zoomToFit();
}

bool SitePlan::newSite() {
    if (!askToSave())
        return false;
    showSite(emptySite(), {});
    return true;
}

bool SitePlan::openFile(const QString& path) {
    return askToSave() && load(path);
}

void SitePlan::pickAndOpen() {
    const QString folder = m_file.isEmpty() ? QString() : QFileInfo(m_file).path();
    const QString path =
        m_openPicker(this, tr("Open site plan"), folder, tr("Site plans (*.vistaro)"));
    if (!path.isEmpty())
        openFile(path);
}

bool SitePlan::load(const QString& path) {
    SiteRead read = m_files->read(path);
    if (!read.site) {
        showMessage(this, read.problem.message());
        return false;
    }
    // The background is kept by its full path while on show; saving names it afresh.
    if (read.site->background)
        read.site->background->file = picturePath(path, read.site->background->file);
    showSite(*read.site, path);
    rememberRecent(path);
    return true;
}

bool SitePlan::save() {
    return m_file.isEmpty() ? saveAs() : writeTo(m_file);
}

bool SitePlan::saveAs() {
    const QString folder = m_file.isEmpty() ? QString() : QFileInfo(m_file).path();
    const QString picked =
        m_savePicker(this, tr("Save site plan"), folder, tr("Site plans (*.vistaro)"));
    if (picked.isEmpty())
        return false;
    const QString path = withSuffix(picked);
    if (!writeTo(path))
        return false;
    m_file = path;
    showTitle();
    return true;
}

bool SitePlan::writeTo(const QString& path) {
    Site site = m_document.site();
    if (site.background)
        site.background->file = pictureName(path, site.background->file);
    if (const std::optional<QString> problem = m_files->write(path, site)) {
        showMessage(this, *problem);
        return false;
    }
    m_undo->setClean();
    rememberRecent(path);
    return true;
}

void SitePlan::rememberRecent(const QString& path) {
    const std::unique_ptr<QSettings> settings = windowSettings();
    settings->setValue(RecentKey, recentFiles(settings->value(RecentKey).toStringList(),
                                              QFileInfo(path).absoluteFilePath(), RecentCount));
    showRecentFiles();
}

void SitePlan::showRecentFiles() {
    m_recentMenu->clear();
    const QStringList files = windowSettings()->value(RecentKey).toStringList();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files.at(i);
        QAction* item = m_recentMenu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        item->setToolTip(QDir::toNativeSeparators(path));
        connect(item, &QAction::triggered, this, [this, path] { openFile(path); });
    }
    m_recentMenu->menuAction()->setEnabled(!files.isEmpty());
}

void SitePlan::loadBackground() {
    const QString path = m_openPicker(this, tr("Background picture"), QString(),
                                      tr("Floor plans (*.png *.jpg *.jpeg *.svg *.dxf *.pdf)"));
    if (path.isEmpty())
        return;
    const auto chosen = m_plans->choose(path, m_view->centre());
    if (const auto* problem = std::get_if<QString>(&chosen)) {
        showMessage(this, tr("The background picture %1 cannot be shown: %2")
                              .arg(QDir::toNativeSeparators(path), *problem));
        return;
    }
    if (const auto* background = std::get_if<SiteBackground>(&chosen)) {
        m_pictureShown.reset(); // the file just read is shown, even when it was on show before
        m_undo->push(new SetBackgroundCommand(m_document, *background, tr("Load background")));
        // A drawing lies where its coordinates put it, which the view may not show.
        if (backgroundKind(path) == BackgroundKind::Dxf)
            m_view->zoomToFit();
    }
}

void SitePlan::setScale(const std::vector<PlanPoint>& points) {
    const std::optional<SiteBackground>& background = m_document.site().background;
    if (!background || points.size() != 2)
        return;
    const Units units = m_document.site().units;
    const double unit = unitLength(units);
    const double shown = std::hypot(points[1].x - points[0].x, points[1].y - points[0].y) / unit;
    const std::optional<double> typed = m_distanceAsker(this, shown);
    if (!typed)
        return;
    const std::optional<SiteBackground> scaled =
        scaledBackground(*background, pixelOfPlan(*background, points[0]),
                         pixelOfPlan(*background, points[1]), *typed * unit);
    if (scaled)
        m_undo->push(new SetBackgroundCommand(m_document, scaled, tr("Set background scale")));
}

void SitePlan::showBackgroundPicture() {
    const std::optional<SiteBackground>& background = m_document.site().background;
    if (background.has_value() == m_pictureShown.has_value() &&
        (!background || showsTheSame(*background, *m_pictureShown)))
        return;
    m_pictureShown = background;
    if (!background) {
        m_view->showPicture({});
        return;
    }
    const auto picture = m_plans->picture(*background);
    if (const auto* shown = std::get_if<BackgroundPicture>(&picture)) {
        m_view->showPicture(*shown);
        return;
    }
    m_view->showPicture({});
    if (const auto* problem = std::get_if<QString>(&picture))
        showMessage(this, tr("The background picture %1 cannot be shown: %2")
                              .arg(QDir::toNativeSeparators(background->file), *problem));
}

void SitePlan::showBackgroundActions() {
    const std::optional<SiteBackground>& background = m_document.site().background;
    for (QAction* action : {m_showBackground, m_dimBackground, m_lockBackground, m_setScale})
        action->setEnabled(background.has_value());
    m_dxfLayers->setEnabled(background && backgroundKind(background->file) == BackgroundKind::Dxf);
    const SiteBackground shown = background.value_or(SiteBackground{});
    const QSignalBlocker show(m_showBackground);
    const QSignalBlocker dim(m_dimBackground);
    const QSignalBlocker lock(m_lockBackground);
    m_showBackground->setChecked(shown.visible);
    m_dimBackground->setChecked(shown.opacity < 1);
    m_lockBackground->setChecked(shown.locked);
}

void SitePlan::changeBackgroundBy(const std::function<void(SiteBackground&)>& apply,
                                  const QString& text) {
    std::optional<SiteBackground> background = m_document.site().background;
    if (!background)
        return;
    apply(*background);
    m_undo->push(new SetBackgroundCommand(m_document, background, text));
}

} // namespace vistaro
