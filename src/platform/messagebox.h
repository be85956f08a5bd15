// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialogs.h"

namespace vistaro {

// The program's message boxes, asked through the Dialogs in use.
void showMessage(QWidget* parent, const QString& text);

// Yes and No buttons; true for Yes.
bool askYesNo(QWidget* parent, const QString& text);

// A Yes button labelled `yes` (what is kept, "Restore") and Discard; true for Yes.
bool askYesOrDiscard(QWidget* parent, const QString& text, const QString& yes);

// Save, Discard and Cancel buttons, for changes that would be lost.
UnsavedAnswer askAboutUnsaved(QWidget* parent, const QString& text);

} // namespace vistaro
