// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The preview of what a camera of the site plan shows.

#include "platform/forms.h"
#include "preview/preview.h"
#include "site/planfigures.h"
#include "siteplan/siteplan.h"
#include "siteplan/siteselection.h"

namespace vistaro {

namespace {

// The camera's ends as the coverage window would show them: its focal length, and its tele
// end's when it has one, both at its aim distance.
PreviewScene cameraScene(const SiteCamera& camera, Units units, const LevelSet& levels) {
    PreviewScene scene;
    scene.units = units;
    scene.levels = levels;
    const CameraFigures figures = cameraFigures(camera, levels);
    scene.ends.push_back(
        {figures.tele ? SitePlan::tr("WIDE") : QString(), figures.wide.slantM, figures.wide});
    if (figures.tele)
        scene.ends.push_back({SitePlan::tr("TELE"), figures.tele->slantM, *figures.tele});
    return scene;
}

} // namespace

void SitePlan::openPreview() {
    if (!m_preview)
        m_preview = new Preview(this);
    m_preview->show();
    followInPreview();
    bringToFront(*m_preview);
}

void SitePlan::followInPreview() {
    const std::optional<ItemRef> ref = m_selection->camera();
    if (!m_preview || !m_preview->isVisible() || !ref || !m_document.holds(*ref))
        return;
    const SiteCamera camera = std::get<SiteCamera>(m_document.item(*ref));
    m_preview->showScene(cameraScene(camera, m_document.site().units, m_document.site().levelSet));
    m_preview->setWindowTitle(tr("Preview: %1").arg(camera.name));
}

} // namespace vistaro
