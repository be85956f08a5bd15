// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/areapanel.h"

#include "optics/coverageformat.h"
#include "platform/forms.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <cmath>

namespace vistaro {

AreaPanel::AreaPanel(QWidget* parent) : QWidget(parent) {
    m_form = new QFormLayout(this);
    m_name = named<QLineEdit>("AreaName", this);
    m_level = named<QComboBox>("AreaLevel", this);
    m_share = named<QDoubleSpinBox>("AreaRequiredShare", this);
    m_share->setRange(0, 100);
    m_share->setDecimals(1);
    m_share->setSuffix(QStringLiteral(" %"));
    m_share->setKeyboardTracking(false);
    for (QWidget* field : std::initializer_list<QWidget*>{m_name, m_level, m_share})
        m_form->addRow(QString(), field);
    connect(m_name, &QLineEdit::editingFinished, this, [this] {
        if (!m_name->text().trimmed().isEmpty())
            change([this](SiteArea& area) { area.name = m_name->text().trimmed(); });
    });
    connect(m_level, &QComboBox::activated, this, [this](int index) {
        change([index](SiteArea& area) { area.level = static_cast<Level>(index); });
    });
    connect(m_share, &QDoubleSpinBox::valueChanged, this, [this](double percent) {
        // Tenths of a per cent, as the spin box shows them.
        change([percent](SiteArea& area) { area.requiredShare = std::round(percent * 10) / 1000; });
    });
    present(std::nullopt, {});
}

void AreaPanel::present(const std::optional<SiteArea>& area, const LevelSet& levels) {
    m_area = area;
    const QSignalBlocker quietName(m_name);
    const QSignalBlocker quietLevel(m_level);
    const QSignalBlocker quietShare(m_share);
    m_level->clear();
    for (Level level = 0; level < levels.size(); ++level)
        m_level->addItem(CoverageText::levelName(levels, level));
    m_name->setText(area ? area->name : QString());
    m_level->setCurrentIndex(area ? static_cast<int>(area->level) : -1);
    m_share->setValue(area ? area->requiredShare * 100 : 100);
    for (QWidget* field : std::initializer_list<QWidget*>{m_name, m_level, m_share})
        field->setEnabled(area.has_value());
}

void AreaPanel::change(const std::function<void(SiteArea&)>& apply) {
    if (!m_area)
        return;
    SiteArea after = *m_area;
    apply(after);
    if (after != *m_area)
        emit edited(after);
}

void AreaPanel::retranslate() {
    const QStringList captions{tr("&Name:"), tr("&Level:"), tr("&Required share:")};
    const QList<QWidget*> fields{m_name, m_level, m_share};
    for (int row = 0; row < fields.size(); ++row) {
        if (auto* caption = qobject_cast<QLabel*>(m_form->labelForField(fields[row])))
            caption->setText(captions[row]);
        fields[row]->setAccessibleName(QString(captions[row]).remove(u'&').remove(u':'));
    }
    m_share->setToolTip(tr("The share of the area that must be covered at its level for it to be "
                           "met"));
}

} // namespace vistaro
