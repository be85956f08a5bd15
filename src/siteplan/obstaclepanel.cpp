// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/obstaclepanel.h"

#include "platform/forms.h"
#include "siteplan/heightfields.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace vistaro {

ObstaclePanel::ObstaclePanel(QWidget* parent)
    : QWidget(parent), m_form(new QFormLayout(this)),
      m_name(named<QLineEdit>("ObstacleName", this)) {
    m_form->addRow(QString(), m_name);
    m_heights = new HeightFields(*m_form, QStringLiteral("Obstacle"), false, this);
    connect(m_name, &QLineEdit::editingFinished, this, [this] {
        if (m_obstacle && !m_name->text().trimmed().isEmpty()) {
            SiteObstacle after = *m_obstacle;
            after.name = m_name->text().trimmed();
            hand(after);
        }
    });
    connect(m_heights, &HeightFields::edited, this, [this](const HeightSpan& span) {
        if (!m_obstacle || !span.topM)
            return;
        SiteObstacle after = *m_obstacle;
        after.bottomM = span.bottomM;
        after.topM = *span.topM;
        hand(after);
    });
    present(std::nullopt, Units::Metric);
}

void ObstaclePanel::present(const std::optional<SiteObstacle>& obstacle, Units units) {
    m_obstacle = obstacle;
    const QSignalBlocker quiet(m_name);
    m_name->setText(obstacle ? obstacle->name : QString());
    m_name->setEnabled(obstacle.has_value());
    m_heights->present(obstacle ? std::optional(HeightSpan{obstacle->bottomM, obstacle->topM})
                                : std::nullopt,
                       units);
}

void ObstaclePanel::hand(const SiteObstacle& after) {
    if (after != *m_obstacle)
        emit edited(after);
}

void ObstaclePanel::retranslate() {
    if (auto* caption = qobject_cast<QLabel*>(m_form->labelForField(m_name)))
        caption->setText(tr("&Name:"));
    m_name->setAccessibleName(tr("Name"));
    m_heights->retranslate();
}

} // namespace vistaro
