// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coverage/coverageview.h"
#include "coverage/coveragewindow.h"
#include "platform/accessibility.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace vistaro {

// A caption names the control beside it; a row of two fields names each of them.
void CoverageWindow::nameControls() {
    const std::pair<const char*, QWidget*> captioned[] = {{"SensorFormat", m_sensorFormat},
                                                          {"PixelSize", m_pixelSize},
                                                          {"Resolution", m_resolution},
                                                          {"Level", m_level},
                                                          {"MountHeight", m_mountHeight},
                                                          {"AimBy", m_aimBy},
                                                          {"TargetHeight", m_targetHeight},
                                                          {"Tilt", m_tilt},
                                                          {"Units", m_units}};
    for (const auto& [caption, control] : captioned)
        m_inputCaptions.value(QLatin1String(caption))->setBuddy(control);
    m_sensorWidth->setAccessibleName(tr("Sensor width (mm)"));
    m_sensorHeight->setAccessibleName(tr("Sensor height (mm)"));
    m_columns->setAccessibleName(tr("Columns"));
    m_rows->setAccessibleName(tr("Rows"));
    m_topView->setAccessibleName(tr("Top view"));
    m_sideView->setAccessibleName(tr("Side view"));
}

// Each figure is read out by its caption, and for a zoom the end it belongs to, then its value
// with its unit.
void CoverageWindow::nameFigures(bool zoom) {
    for (const FigureLabels& labels : m_figures) {
        const QString what = labels.caption->text();
        nameFigure(labels.wide, zoom ? tr("%1, wide end").arg(what) : what);
        nameFigure(labels.tele, tr("%1, tele end").arg(what));
    }
}

} // namespace vistaro
