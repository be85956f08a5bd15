// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/sitepropertiesdialog.h"

#include "platform/forms.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <type_traits>

namespace vistaro {

namespace {

// A field of the form under its label, which names it to a screen reader and whose mnemonic
// reaches it from the keyboard.
template <typename Field>
Field* field(QFormLayout& form, const char* name, const QString& label, const QString& text) {
    auto* made = named<Field>(name, form.parentWidget());
    if constexpr (std::is_same_v<Field, QPlainTextEdit>) {
        made->setPlainText(text);
        // Tab leaves the field, as in the one-line fields; Enter starts a new line.
        made->setTabChangesFocus(true);
        made->setFixedHeight(made->fontMetrics().lineSpacing() * 4);
    } else {
        made->setText(text);
    }
    auto* caption = new QLabel(label, form.parentWidget());
    caption->setBuddy(made);
    made->setAccessibleName(QString(label).remove(u'&'));
    form.addRow(caption, made);
    return made;
}

} // namespace

SitePropertiesDialog::SitePropertiesDialog(const SiteProperties& properties, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("SiteProperties"));
    setWindowTitle(tr("Site properties"));
    auto* form = new QFormLayout(this);
    m_project = field<QLineEdit>(*form, "Project", tr("&Project:"), properties.project);
    m_client = field<QLineEdit>(*form, "Client", tr("&Client:"), properties.client);
    m_address = field<QPlainTextEdit>(*form, "Address", tr("&Address:"), properties.address);
    m_designer = field<QLineEdit>(*form, "Designer", tr("&Designer:"), properties.designer);
    m_company = field<QLineEdit>(*form, "Company", tr("Co&mpany:"), properties.company);
    m_revision = field<QLineEdit>(*form, "Revision", tr("&Revision:"), properties.revision);
    m_notes = field<QPlainTextEdit>(*form, "Notes", tr("&Notes:"), properties.notes);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

SiteProperties SitePropertiesDialog::properties() const {
    return {m_project->text(), m_client->text(),   m_address->toPlainText(), m_designer->text(),
            m_company->text(), m_revision->text(), m_notes->toPlainText()};
}

} // namespace vistaro
