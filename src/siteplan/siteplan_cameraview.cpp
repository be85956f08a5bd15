// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The view through a camera of the site plan.

#include "platform/forms.h"
#include "siteplan/cameraviewwindow.h"
#include "siteplan/siteplan.h"
#include "siteplan/siteselection.h"

#include <QMouseEvent>

namespace vistaro {

void SitePlan::openCameraView() {
    if (!m_cameraView) {
        m_cameraView = new CameraViewWindow(m_document, this);
        // A click on the plan stands the target chosen in the view there, before any tool.
        m_view->viewport()->installEventFilter(this);
    }
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

bool SitePlan::eventFilter(QObject* watched, QEvent* event) {
    // The type first: while the window is taken down, its view is no longer one to ask.
    if (event->type() == QEvent::MouseButtonPress && m_cameraView && m_cameraView->isVisible() &&
        watched == m_view->viewport()) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton &&
            m_cameraView->placeChosen(m_view->planAt(press->position().toPoint())))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace vistaro
