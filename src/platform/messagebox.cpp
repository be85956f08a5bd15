// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/messagebox.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace vistaro {

namespace {

QMessageBox::StandardButton ask(QWidget* parent, const QString& text,
                                QMessageBox::StandardButtons buttons, const QString& yes = {}) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vistaro"), text, buttons, parent);
    box.setObjectName(QStringLiteral("VistaroMessage"));
    // Messages carry file names and language-file texts, shown as written, never as markup.
    box.setTextFormat(Qt::PlainText);
    if (!yes.isEmpty())
        box.button(QMessageBox::Yes)->setText(yes);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void showMessage(QWidget* parent, const QString& text) {
    ask(parent, text, QMessageBox::Ok);
}

bool askYesNo(QWidget* parent, const QString& text) {
    return ask(parent, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool askYesOrDiscard(QWidget* parent, const QString& text, const QString& yes) {
    return ask(parent, text, QMessageBox::Yes | QMessageBox::Discard, yes) == QMessageBox::Yes;
}

UnsavedAnswer askAboutUnsaved(QWidget* parent, const QString& text) {
    switch (ask(parent, text, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel)) {
    case QMessageBox::Save:
        return UnsavedAnswer::Save;
    case QMessageBox::Discard:
        return UnsavedAnswer::Discard;
    default:
        return UnsavedAnswer::Cancel;
    }
}

} // namespace vistaro
