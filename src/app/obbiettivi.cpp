// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/obbiettivi.h"

#include "app/optiongroups.h"
#include "platform/forms.h"

#include <QLayout>
#include <QTimer>

namespace vistaro {

Obbiettivi::Obbiettivi(ProgramState& program, QWidget* parent)
    : QMainWindow(parent), m_program(program) {
    setObjectName(QStringLiteral("Obbiettivi"));
    setWindowTitle(QStringLiteral("Vistaro"));
    setWindowIconIfPresent(this);
    // A fixed dialog frame: the close button only, and the size is not the user's to change.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(arial(8.25));

    m_client = named<QWidget>("ClientArea", this);
    setCentralWidget(m_client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    buildClient();
    m_hub = std::make_unique<WindowHub>(*this, m_program, m_public, m_private, *m_options,
                                        *m_calculator);
    buildMenus();
    setClientHeight(false);
    nameControls();

    m_calcoloFocale = named<QTimer>("CalcoloFocale", this);
    m_calcoloFocale->setInterval(50);
    m_timerMove = named<QTimer>("TimerMove", this);
    m_timerMove->setInterval(500);

    connectHandlers();
    m_calcoloFocale->start();
    m_timerMove->start();
}

// The hub and the windows it made on first use go with it; their complete types are known here.
Obbiettivi::~Obbiettivi() = default;

} // namespace vistaro
