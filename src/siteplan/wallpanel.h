// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/site.h"

#include <QWidget>
#include <optional>

namespace vistaro {

class HeightFields;

// The selected wall's heights: from its bottom to its top, or to the ceiling (the default, a
// wall that hides all behind it). A change hands the wall so changed to the window, which makes
// it an undoable edit.
class WallPanel : public QWidget {
    Q_OBJECT

public:
    explicit WallPanel(QWidget* parent = nullptr);

    // Shows `wall` for editing, heights in `units`; none empties and disables the fields.
    void present(const std::optional<SiteWall>& wall, Units units);
    void retranslate();

signals:
    void edited(const vistaro::SiteWall& after);

private:
    std::optional<SiteWall> m_wall;
    HeightFields* m_heights;
};

} // namespace vistaro
