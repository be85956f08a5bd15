// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

namespace vistaro::test {

// Answers each modal message box with `button` as it opens and records what it said. While
// none is alive and the watch runs, a message box fails the running test at once, naming its
// text, and is closed, so that a test never waits on a box that nobody answers.
class MessageBoxAnswer {
public:
    explicit MessageBoxAnswer(QMessageBox::StandardButton button = QMessageBox::Ok) {
        ++s_alive;
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
    ~MessageBoxAnswer() { --s_alive; }

    std::function<void()> onOpen; // looks at the program while the box is open
    QStringList texts;
    QString title;

    // Starts the watch for boxes that no MessageBoxAnswer expects; once, after the application.
    static void failOnUnexpectedBoxes() {
        auto* watch = new QTimer(QCoreApplication::instance());
        watch->callOnTimeout([] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || s_alive > 0)
                return;
            const QString text = box->text();
            box->reject();
            QTest::qFail(qPrintable(QStringLiteral("unexpected message box: ") + text), __FILE__,
                         __LINE__);
        });
        watch->start(5);
    }

private:
    static inline int s_alive = 0;
    QPointer<QMessageBox> m_last;
    QTimer m_timer;
};

} // namespace vistaro::test
