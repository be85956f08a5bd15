// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/coverageinputs.h"
#include "site/site.h"

#include <QWidget>
#include <functional>
#include <optional>

class QAction;
class QComboBox;
class QHBoxLayout;
class QDoubleSpinBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;

namespace vistaro {

// Everything about the selected camera, to read and to type. Each field that the user changes
// hands the camera with that one value changed to the window, which makes it an undoable edit.
class CameraPanel : public QWidget {
    Q_OBJECT

public:
    explicit CameraPanel(QWidget* parent = nullptr);

    // Shows `camera` for editing, lengths in `units`; none empties and disables the fields.
    void present(const std::optional<SiteCamera>& camera, Units units, const LevelSet& levels);
    void retranslate();
    // A button of `action` beside the panel's own.
    void addButton(QAction& action, const char* name);

signals:
    void edited(const vistaro::SiteCamera& after);
    void showInCoverage();
    void openPreview();

private:
    QDoubleSpinBox* addNumber(const char* name, double minimum, double maximum, int decimals);
    void addRow(const char* name, QWidget* field);
    void connectFields();
    // Hands on the camera with `apply` done to it, when that changes it.
    void change(const std::function<void(SiteCamera&)>& apply);

    std::optional<SiteCamera> m_camera;
    Units m_units = Units::Metric;
    bool m_presenting = false;

    QFormLayout* m_form = nullptr;
    QLabel* m_hint = nullptr;
    QLineEdit* m_name = nullptr;
    QDoubleSpinBox* m_x = nullptr;
    QDoubleSpinBox* m_y = nullptr;
    QDoubleSpinBox* m_pan = nullptr;
    QDoubleSpinBox* m_height = nullptr;
    QComboBox* m_aim = nullptr;
    QDoubleSpinBox* m_targetHeight = nullptr;
    QDoubleSpinBox* m_tilt = nullptr;
    QDoubleSpinBox* m_distance = nullptr;
    QDoubleSpinBox* m_sensorWidth = nullptr;
    QDoubleSpinBox* m_sensorHeight = nullptr;
    QSpinBox* m_columns = nullptr;
    QSpinBox* m_rows = nullptr;
    QDoubleSpinBox* m_focal = nullptr;
    QDoubleSpinBox* m_focalTele = nullptr;
    QComboBox* m_projection = nullptr;
    QDoubleSpinBox* m_datasheetAngle = nullptr;
    QLineEdit* m_lens = nullptr;
    QComboBox* m_level = nullptr;
    LevelSet m_levels{{}, {}, LevelMeasure::Density, 0, false, {}, 0}; // the items of m_level
    QPushButton* m_showInCoverage = nullptr;
    QPushButton* m_openPreview = nullptr;
    QHBoxLayout* m_buttons = nullptr;
    QScrollArea* m_fields = nullptr;
};

} // namespace vistaro
