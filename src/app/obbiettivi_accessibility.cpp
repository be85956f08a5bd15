// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/obbiettivi.h"
#include "app/optiongroups.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vistaro {

// What a screen reader says for the controls whose captions say little alone: a field under its
// column's heading, a sensor size with an inch sign. The captions on show come from the language
// file and stay as they are; these names follow the interface language, and the fields' names
// say which end of a zoom they hold.
void Obbiettivi::nameControls() {
    const bool zoom = m_options->zoomSelected();
    const QString columns[] = {tr("Focal length in mm"), tr("Distance to the scene in m"),
                               tr("Scene width in m"), tr("Scene height in m")};
    const char* const rows[2][4] = {{"Focale1", "L1", "H1", "V1"}, {"Focale2", "L2", "H2", "V2"}};
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 4; ++column) {
            const QString& what = columns[column];
            const QString name = row == 1 ? tr("%1, tele end").arg(what)
                                 : zoom   ? tr("%1, wide end").arg(what)
                                          : what;
            m_client->findChild<QLineEdit*>(QLatin1String(rows[row][column]))
                ->setAccessibleName(name);
        }

    const std::pair<const char*, const char*> sensors[] = {{"un", "1"},
                                                           {"dueterzi", "2/3"},
                                                           {"unmezzo", "1/2"},
                                                           {"unterzo", "1/3"},
                                                           {"unquarto", "1/4"}};
    for (const auto& [name, size] : sensors)
        m_client->findChild<QRadioButton*>(QLatin1String(name))
            ->setAccessibleName(tr("%1 inch sensor").arg(QLatin1String(size)));
    m_client->findChild<QGroupBox*>(QStringLiteral("Calcoli"))->setAccessibleName(tr("Calculator"));
    m_marvantoCons->setAccessibleDescription(
        tr("Shows the catalogue's lenses that fit the focal length, sensor and iris chosen"));
}

} // namespace vistaro
