// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/sitepropertiesdialog.h"

#include "platform/forms.h"
#include "site/sitefile.h"

#include <QDialogButtonBox>
#include <QDoubleValidator>
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

// A coordinate of the reference point, as exact as it is kept; empty for none.
QString coordinateText(const std::optional<PlanPoint>& point, double PlanPoint::*member) {
    return point ? QString::number((*point).*member, 'f', QLocale::FloatingPointShortest)
                 : QString();
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
    m_east = field<QLineEdit>(*form, "ReferenceEast", tr("Reference point, &east (m):"),
                              coordinateText(properties.reference, &PlanPoint::x));
    m_north = field<QLineEdit>(*form, "ReferenceNorth", tr("Reference point, n&orth (m):"),
                               coordinateText(properties.reference, &PlanPoint::y));
    for (QLineEdit* coordinate : {m_east, m_north}) {
        auto* valid = new QDoubleValidator(-MaxPlanCoordinate, MaxPlanCoordinate, 1000, coordinate);
        valid->setLocale(QLocale::c());
        valid->setNotation(QDoubleValidator::StandardNotation);
        coordinate->setValidator(valid);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

SiteProperties SitePropertiesDialog::properties() const {
    SiteProperties properties;
    properties.project = m_project->text();
    properties.client = m_client->text();
    properties.address = m_address->toPlainText();
    properties.designer = m_designer->text();
    properties.company = m_company->text();
    properties.revision = m_revision->text();
    properties.notes = m_notes->toPlainText();
    if (m_east->hasAcceptableInput() && m_north->hasAcceptableInput())
        properties.reference = PlanPoint{QLocale::c().toDouble(m_east->text()),
                                         QLocale::c().toDouble(m_north->text())};
    return properties;
}

} // namespace vistaro
