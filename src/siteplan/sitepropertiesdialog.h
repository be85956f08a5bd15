// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/site.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace vistaro {

// Who the site is drawn for and by whom, as the report's cover names them: a line each, the
// address and the notes over several; and the point that its geometry is worked out from, in
// metres east and north, none while either is empty.
class SitePropertiesDialog : public QDialog {
    Q_OBJECT

public:
    explicit SitePropertiesDialog(const SiteProperties& properties, QWidget* parent = nullptr);

    SiteProperties properties() const;

private:
    QLineEdit* m_project;
    QLineEdit* m_client;
    QPlainTextEdit* m_address;
    QLineEdit* m_designer;
    QLineEdit* m_company;
    QLineEdit* m_revision;
    QPlainTextEdit* m_notes;
    QLineEdit* m_east;
    QLineEdit* m_north;
};

} // namespace vistaro
