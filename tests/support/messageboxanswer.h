// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace vistaro::test {

// Answers each modal message box with `button` as it opens and records what it said.
class MessageBoxAnswer {
public:
    explicit MessageBoxAnswer(QMessageBox::StandardButton button = QMessageBox::Ok) {
        m_timer.callOnTimeout([this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box == m_last)
                return;
            m_last = box;
            if (onOpen)
                onOpen();
            texts.append(box->text());
            title = box->windowTitle();
            if (QAbstractButton* pressed = box->button(button))
                pressed->click();
            else
                box->reject();
        });
        m_timer.start(5);
    }

    std::function<void()> onOpen; // looks at the program while the box is open
    QStringList texts;
    QString title;

private:
    QPointer<QMessageBox> m_last;
    QTimer m_timer;
};

} // namespace vistaro::test
