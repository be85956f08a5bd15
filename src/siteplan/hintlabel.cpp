// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "siteplan/hintlabel.h"

#include <QEvent>

namespace vistaro {

void HintLabel::setHint(const QString& hint) {
    m_hint = hint;
    setToolTip(hint);
    setAccessibleDescription(hint);
    showElided();
}

QSize HintLabel::minimumSizeHint() const {
    return {0, QLabel::minimumSizeHint().height()};
}

void HintLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    showElided();
}

void HintLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        showElided();
}

void HintLabel::showElided() {
    setText(fontMetrics().elidedText(m_hint, Qt::ElideRight, contentsRect().width()));
}

} // namespace vistaro
