// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dialogs.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace vistaro {

namespace {

Dialogs*& inUse() {
    static Dialogs standard;
    static Dialogs* current = &standard;
    return current;
}

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

// What an input dialog answered, none when cancelled; `ask` takes where to say whether it was
// answered.
template <typename Ask> auto answered(Ask ask) {
    bool ok = false;
    auto answer = ask(&ok);
    return ok ? std::optional(std::move(answer)) : std::nullopt;
}

} // namespace

Dialogs& Dialogs::current() {
    return *inUse();
}

Dialogs::Replace::Replace(Dialogs& answers) : m_before(inUse()) {
    inUse() = &answers;
}

Dialogs::Replace::~Replace() {
    inUse() = m_before;
}

QString Dialogs::openFile(QWidget* parent, const QString& caption, const QString& folder,
                          const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString Dialogs::saveFile(QWidget* parent, const QString& caption, const QString& folder,
                          const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, folder, filter);
}

QString Dialogs::folder(QWidget* parent, const QString& caption) {
    return QFileDialog::getExistingDirectory(parent, caption);
}

bool Dialogs::setUpPrinter(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<double> Dialogs::number(QWidget* parent, const QString& title, const QString& label,
                                      double value, double minimum, double maximum, int decimals) {
    return answered([&](bool* ok) {
        return QInputDialog::getDouble(parent, title, label, value, minimum, maximum, decimals, ok);
    });
}

std::optional<int> Dialogs::wholeNumber(QWidget* parent, const QString& title, const QString& label,
                                        int value, int minimum, int maximum, int step) {
    return answered([&](bool* ok) {
        return QInputDialog::getInt(parent, title, label, value, minimum, maximum, step, ok);
    });
}

std::optional<QString> Dialogs::choice(QWidget* parent, const QString& title, const QString& label,
                                       const QStringList& items, int current) {
    return answered([&](bool* ok) {
        return QInputDialog::getItem(parent, title, label, items, current, false, ok);
    });
}

void Dialogs::message(QWidget* parent, const QString& text) {
    ask(parent, text, QMessageBox::Ok);
}

bool Dialogs::yesNo(QWidget* parent, const QString& text) {
    return ask(parent, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool Dialogs::yesOrDiscard(QWidget* parent, const QString& text, const QString& yes) {
    return ask(parent, text, QMessageBox::Yes | QMessageBox::Discard, yes) == QMessageBox::Yes;
}

UnsavedAnswer Dialogs::unsaved(QWidget* parent, const QString& text) {
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
