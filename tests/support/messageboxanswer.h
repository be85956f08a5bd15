// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/scripteddialogs.h"

#include <QMessageBox>
#include <functional>

namespace vistaro::test {

// Answers message boxes with `button`, recording what each said; other dialogs as scripted ones.
class MessageBoxAnswer : public ScriptedDialogs {
public:
    explicit MessageBoxAnswer(QMessageBox::StandardButton button = QMessageBox::Ok)
        : m_button(button) {}

    std::function<void()> onOpen; // looks at the program while the box is open
    QStringList texts;

    void message(QWidget*, const QString& text) override { said(text); }
    bool yesNo(QWidget*, const QString& text) override { return said(text) == QMessageBox::Yes; }
    bool yesOrDiscard(QWidget*, const QString& text, const QString&) override {
        return said(text) == QMessageBox::Yes;
    }
    UnsavedAnswer unsaved(QWidget*, const QString& text) override {
        const QMessageBox::StandardButton pressed = said(text);
        return pressed == QMessageBox::Save      ? UnsavedAnswer::Save
               : pressed == QMessageBox::Discard ? UnsavedAnswer::Discard
                                                 : UnsavedAnswer::Cancel;
    }

    // An unanswered box or dialog then fails the test, not waits; call once, after the application.
    static void failOnUnexpectedBoxes() { [[maybe_unused]] static ScriptedDialogs none; }

private:
    QMessageBox::StandardButton said(const QString& text) {
        if (onOpen)
            onOpen();
        texts.append(text);
        return m_button;
    }

    QMessageBox::StandardButton m_button;
};

} // namespace vistaro::test
