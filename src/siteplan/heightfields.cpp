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

namespace {

// A wall up to the ceiling offers, unticked, a top as high as a storey usually is.
double offeredTopM(const HeightSpan& span) {
    return span.topM.value_or(std::max(span.bottomM, 3.0));
}

} // namespace

HeightFields::HeightFields(QFormLayout& form, const QString& prefix, bool ceiling, QWidget* parent)
    : QObject(parent), m_form(form), m_bottom(new QDoubleSpinBox(parent)),
      m_top(new QDoubleSpinBox(parent)) {
    m_bottom->setObjectName(prefix + QStringLiteral("Bottom"));
    m_top->setObjectName(prefix + QStringLiteral("Top"));
    for (QDoubleSpinBox* box : {m_bottom, m_top}) {
        box->setDecimals(2);
        // A tenth of the unit on show.
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
    present(std::nullopt, m_units);
}

void HeightFields::limit() {
    const bool toCeiling = m_ceiling && m_ceiling->isChecked();
    const double highest = toUnits(MaxSiteHeight, m_units);
    m_top->setEnabled(m_bottom->isEnabled() && !toCeiling);
    m_bottom->setRange(0, toCeiling ? highest : m_top->value());
    m_top->setRange(m_bottom->value(), highest);
}

void HeightFields::present(const std::optional<HeightSpan>& span, Units units) {
    m_presenting = true;
    const bool unitsChanged = units != m_units;
    m_units = units;
    if (unitsChanged)
        retranslate();
    for (QDoubleSpinBox* box : {m_bottom, m_top})
        box->setSuffix(u' ' + lengthUnit(units));
    for (QWidget* field : std::initializer_list<QWidget*>{m_bottom, m_top, m_ceiling})
        if (field)
            field->setEnabled(span.has_value());
    // Wide open while the values go in, then each the other's limit.
    m_bottom->setRange(0, toUnits(MaxSiteHeight, units));
    m_top->setRange(0, toUnits(MaxSiteHeight, units));
    m_span = span.value_or(HeightSpan{});
    if (m_ceiling)
        m_ceiling->setChecked(!m_span.topM);
    m_bottom->setValue(toUnits(m_span.bottomM, units));
    m_top->setValue(toUnits(offeredTopM(m_span), units));
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
    m_span = span();
    emit edited(m_span);
}

HeightSpan HeightFields::span() const {
    const bool toCeiling = m_ceiling && m_ceiling->isChecked();
    // A box pulled in to the other's limit shows the other's height, and takes it.
    const std::initializer_list<double> known = {m_span.bottomM, offeredTopM(m_span)};
    return {metresOf(*m_bottom, known),
            toCeiling ? std::nullopt : std::optional(metresOf(*m_top, known))};
}

double HeightFields::metresOf(const QDoubleSpinBox& box,
                              std::initializer_list<double> known) const {
    const QString shown = box.textFromValue(box.value());
    const auto same = std::find_if(known.begin(), known.end(), [&](double metres) {
        return box.textFromValue(toUnits(metres, m_units)) == shown;
    });
    return same != known.end() ? *same : fromUnits(box.value(), m_units);
}

void HeightFields::retranslate() {
    const auto caption = [this](QWidget* field, const QString& text) {
        if (auto* label = qobject_cast<QLabel*>(m_form.labelForField(field)))
            label->setText(text);
        field->setAccessibleName(QString(text).remove(u'&').remove(u':'));
    };
    caption(m_bottom, tr("&Bottom (%1):").arg(lengthUnit(m_units)));
    caption(m_top, tr("&Top (%1):").arg(lengthUnit(m_units)));
    m_bottom->setToolTip(tr("The height above the floor where it starts to block sight"));
    m_top->setToolTip(tr("The height above the floor where it stops blocking sight"));
    if (m_ceiling) {
        m_ceiling->setText(tr("To the &ceiling"));
        m_ceiling->setAccessibleName(tr("To the ceiling"));
    }
}

} // namespace vistaro
