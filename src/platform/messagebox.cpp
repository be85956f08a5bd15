// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/messagebox.h"

namespace vistaro {

void showMessage(QWidget* parent, const QString& text) {
    Dialogs::current().message(parent, text);
}

bool askYesNo(QWidget* parent, const QString& text) {
    return Dialogs::current().yesNo(parent, text);
}

bool askYesOrDiscard(QWidget* parent, const QString& text, const QString& yes) {
    return Dialogs::current().yesOrDiscard(parent, text, yes);
}

UnsavedAnswer askAboutUnsaved(QWidget* parent, const QString& text) {
    return Dialogs::current().unsaved(parent, text);
}

} // namespace vistaro
