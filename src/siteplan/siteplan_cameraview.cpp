// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The view through a camera of the site plan.

#include "platform/forms.h"
#include "siteplan/cameraviewwindow.h"
#include "siteplan/siteplan.h"
#include "siteplan/siteselection.h"

namespace vistaro {

void SitePlan::openCameraView() {
    if (!m_cameraView)
        m_cameraView = new CameraViewWindow(m_document, this);
    m_cameraView->show();
    followInCameraView();
    bringToFront(*m_cameraView);
}

void SitePlan::followInCameraView() {
    if (!m_cameraView)
        return;
    const std::optional<ItemRef> ref = m_selection->camera();
    m_cameraView->showCamera(ref ? std::optional(ref->index) : std::nullopt);
}

} // namespace vistaro
