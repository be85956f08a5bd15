// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/site.h"

#include <QWidget>
#include <optional>

class QFormLayout;
class QLineEdit;

namespace vistaro {

class HeightFields;

// The selected obstacle, to read and to type: its name and the heights it blocks sight
// between. Each field that the user changes hands the obstacle with that value changed to the
// window, which makes it an undoable edit.
class ObstaclePanel : public QWidget {
    Q_OBJECT

public:
    explicit ObstaclePanel(QWidget* parent = nullptr);

    // Shows `obstacle` for editing, heights in `units`; none empties and disables the fields.
    void present(const std::optional<SiteObstacle>& obstacle, Units units);
    void retranslate();

signals:
    void edited(const vistaro::SiteObstacle& after);

private:
    void hand(const SiteObstacle& after);

    std::optional<SiteObstacle> m_obstacle;
    QFormLayout* m_form;
    QLineEdit* m_name;
    HeightFields* m_heights;
};

} // namespace vistaro
