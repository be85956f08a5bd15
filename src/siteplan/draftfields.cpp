// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "siteplan/draftfields.h"

#include "optics/coverageformat.h"
#include "optics/units.h"
#include "platform/forms.h"
#include "site/plancoordinates.h"
#include "siteplan/planview.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

namespace vistaro {

DraftFields::DraftFields(PlanView& view, const SiteDocument& document, QWidget* parent)
    : QWidget(parent), m_view(view), m_document(document), m_lengthLabel(new QLabel(this)),
      m_length(named<QLineEdit>("DraftLength", this)), m_angleLabel(new QLabel(this)),
      m_angle(named<QLineEdit>("DraftAngle", this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (auto [label, field] : {std::pair{m_lengthLabel, m_length}, {m_angleLabel, m_angle}}) {
        label->setBuddy(field);
        field->setMaximumWidth(field->fontMetrics().horizontalAdvance(u'0') * 10);
        field->installEventFilter(this);
        layout->addWidget(label);
        layout->addWidget(field);
    }
    follow({});
    connect(&document, &SiteDocument::siteReset, this, &DraftFields::retranslate);
    connect(&view, &PlanView::draftShown, this, &DraftFields::follow);
    connect(&view, &PlanView::typingStarted, this, &DraftFields::startTyping);
}

void DraftFields::retranslate() {
    m_lengthLabel->setText(tr("Length (%1):").arg(lengthUnit(m_document.site().units)));
    m_angleLabel->setText(tr("Angle (\u00b0):"));
    m_length->setAccessibleName(tr("Length of the segment drawn"));
    m_angle->setAccessibleName(tr("Angle of the segment drawn, counter-clockwise from east"));
    const QString help = tr("Type a figure and press Enter to place the next point; Tab "
                            "goes to the other field, Esc back to the plan.");
    m_length->setToolTip(help);
    m_angle->setToolTip(help);
}

bool DraftFields::typing() const {
    return m_length->hasFocus() || m_angle->hasFocus();
}

// The segment from the last point placed to the pointer; none before the first point.
void DraftFields::follow(const std::vector<PlanPoint>& draft) {
    const bool drawing = draft.size() >= 2;
    setEnabled(drawing);
    if (!drawing) {
        m_length->clear();
        m_angle->clear();
        return;
    }
    if (typing())
        return;
    const PlanPoint& from = draft[draft.size() - 2];
    const PlanPoint& to = draft.back();
    const Units units = m_document.site().units;
    m_length->setText(
        CoverageText::number(toUnits(std::hypot(to.x - from.x, to.y - from.y), units), 3));
    m_angle->setText(CoverageText::number(panTowards(from, to), 1));
}

void DraftFields::startTyping(const QString& text) {
    if (!isEnabled())
        return;
    m_length->setFocus(Qt::OtherFocusReason);
    m_length->setText(text);
}

void DraftFields::place() {
    bool lengthRead = false;
    bool angleRead = false;
    const double length = QLocale().toDouble(m_length->text(), &lengthRead);
    const double angle = QLocale().toDouble(m_angle->text(), &angleRead);
    if (!lengthRead || !angleRead || !(length > 0) || !std::isfinite(angle)) {
        m_length->setFocus(Qt::OtherFocusReason);
        m_length->selectAll();
        return;
    }
    m_view.setFocus(Qt::OtherFocusReason);
    m_view.placeTyped(fromUnits(length, m_document.site().units), angle);
}

bool DraftFields::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || (watched != m_length && watched != m_angle))
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        (watched == m_length ? m_angle : m_length)->setFocus(Qt::TabFocusReason);
    else if (key == Qt::Key_Return || key == Qt::Key_Enter)
        place();
    else if (key == Qt::Key_Escape)
        m_view.setFocus(Qt::OtherFocusReason);
    else
        return QWidget::eventFilter(watched, event);
    return true;
}

} // namespace vistaro
