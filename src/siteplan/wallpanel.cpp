// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/wallpanel.h"

#include "siteplan/heightfields.h"

#include <QFormLayout>

namespace vistaro {

WallPanel::WallPanel(QWidget* parent)
    : QWidget(parent),
      m_heights(new HeightFields(*new QFormLayout(this), QStringLiteral("Wall"), true, this)) {
    connect(m_heights, &HeightFields::edited, this, [this](const HeightSpan& span) {
        if (!m_wall)
            return;
        SiteWall after = *m_wall;
        after.bottomM = span.bottomM;
        after.topM = span.topM;
        if (after != *m_wall)
            emit edited(after);
    });
}

void WallPanel::present(const std::optional<SiteWall>& wall, Units units) {
    m_wall = wall;
    m_heights->present(wall ? std::optional(HeightSpan{wall->bottomM, wall->topM}) : std::nullopt,
                       units);
}

void WallPanel::retranslate() {
    m_heights->retranslate();
}

} // namespace vistaro
