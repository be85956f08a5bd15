// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/heightfields.h"

#include "site/sitefile.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <algorithm>

namespace vistaro {

HeightFields::HeightFields(QFormLayout& form, const QString& prefix, bool ceiling, QWidget* parent)
    : QObject(parent), m_form(form), m_bottom(new QDoubleSpinBox(parent)),
      m_top(new QDoubleSpinBox(parent)) {
    m_bottom->setObjectName(prefix + QStringLiteral("Bottom"));
    m_top->setObjectName(prefix + QStringLiteral("Top"));
    for (QDoubleSpinBox* box : {m_bottom, m_top}) {
        box->setDecimals(2);
        box->setSingleStep(0.1);
        box->setKeyboardTracking(false);
        form.addRow(QString(), box);
        connect(box, &QDoubleSpinBox::valueChanged, this, &HeightFields::hand);
    }
    if (ceiling) {
        m_ceiling = new QCheckBox(parent);
        m_ceiling->setObjectName(prefix + QStringLiteral("ToCeiling"));
        form.addRow(QString(), m_ceiling);
        connect(m_ceiling, &QCheckBox::toggled, this, &HeightFields::hand);
    }
    present(std::nullopt);
}

void HeightFields::limit() {
    const bool toCeiling = m_ceiling && m_ceiling->isChecked();
    m_top->setEnabled(m_bottom->isEnabled() && !toCeiling);
    m_bottom->setRange(0, toCeiling ? MaxSiteHeight : m_top->value());
    m_top->setRange(m_bottom->value(), MaxSiteHeight);
}

void HeightFields::present(const std::optional<HeightSpan>& span) {
    m_presenting = true;
    for (QWidget* field : std::initializer_list<QWidget*>{m_bottom, m_top, m_ceiling})
        if (field)
            field->setEnabled(span.has_value());
    // Wide open while the values go in, then each the other's limit.
    m_bottom->setRange(0, MaxSiteHeight);
    m_top->setRange(0, MaxSiteHeight);
    const HeightSpan shown = span.value_or(HeightSpan{});
    if (m_ceiling)
        m_ceiling->setChecked(!shown.topM);
    m_bottom->setValue(shown.bottomM);
    // A wall up to the ceiling offers, unticked, a top as high as a storey usually is.
    m_top->setValue(shown.topM.value_or(std::max(shown.bottomM, 3.0)));
    limit();
    m_presenting = false;
}

void HeightFields::hand() {
    if (m_presenting)
        return;
    // A limit that moves may pull the other value in: one edit, with both as they end.
    m_presenting = true;
    limit();
    m_presenting = false;
    emit edited(span());
}

HeightSpan HeightFields::span() const {
    const bool toCeiling = m_ceiling && m_ceiling->isChecked();
    return {m_bottom->value(), toCeiling ? std::nullopt : std::optional(m_top->value())};
}

void HeightFields::retranslate() {
    const auto caption = [this](QWidget* field, const QString& text) {
        if (auto* label = qobject_cast<QLabel*>(m_form.labelForField(field)))
            label->setText(text);
        field->setAccessibleName(QString(text).remove(u'&').remove(u':'));
    };
    caption(m_bottom, tr("&Bottom (m):"));
    caption(m_top, tr("&Top (m):"));
    m_bottom->setToolTip(tr("The height above the floor where it starts to block sight"));
    m_top->setToolTip(tr("The height above the floor where it stops blocking sight"));
    if (m_ceiling) {
        m_ceiling->setText(tr("To the &ceiling"));
        m_ceiling->setAccessibleName(tr("To the ceiling"));
    }
}

} // namespace vistaro
