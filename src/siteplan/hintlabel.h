// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace vistaro {

// The status bar's hint of the active tool: it takes the room the status bar has left, its text
// elided at the end when longer, whole in its tooltip and for screen readers. A long hint in a
// long language at a large font would otherwise set the window's least width and squeeze the
// fields beside it.
class HintLabel : public QLabel {
public:
    using QLabel::QLabel;

    void setHint(const QString& hint);
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showElided();

    QString m_hint;
};

} // namespace vistaro
