// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/site.h"

#include <QWidget>
#include <functional>
#include <optional>

class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QLineEdit;

namespace vistaro {

// The selected area, to read and to type: its name, its level and the share of it that must be
// covered. Each field that the user changes hands the area with that one value changed to the
// window, which makes it an undoable edit.
class AreaPanel : public QWidget {
    Q_OBJECT

public:
    explicit AreaPanel(QWidget* parent = nullptr);

    // Shows `area` for editing; none empties and disables the fields.
    void present(const std::optional<SiteArea>& area, const LevelSet& levels);
    void retranslate();

signals:
    void edited(const vistaro::SiteArea& after);

private:
    // Hands on the area with `apply` done to it, when that changes it.
    void change(const std::function<void(SiteArea&)>& apply);

    std::optional<SiteArea> m_area;
    bool m_presenting = false;
    QFormLayout* m_form = nullptr;
    QLineEdit* m_name = nullptr;
    QComboBox* m_level = nullptr;
    QDoubleSpinBox* m_share = nullptr;
};

} // namespace vistaro
