// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;
class QWidget;

namespace vistaro {

// Save, Discard and Cancel, for changes that would be lost.
enum class UnsavedAnswer { Save, Discard, Cancel };

// Every question a window puts to the user in a standard dialog goes through the Dialogs in
// use: Qt's file, print and input dialogs and the program's message boxes, unless a test has
// put its own answers in place with Dialogs::Replace, so that no test waits on a dialog.
class Dialogs {
public:
    Dialogs() = default;
    Dialogs(const Dialogs&) = delete;
    Dialogs& operator=(const Dialogs&) = delete;
    virtual ~Dialogs() = default;

    // The one in use: the standard dialogs unless a Replace lives.
    static Dialogs& current();

    // Puts `answers` in place of the dialogs in use while it lives.
    class Replace {
    public:
        explicit Replace(Dialogs& answers);
        Replace(const Replace&) = delete;
        Replace& operator=(const Replace&) = delete;
        ~Replace();

    private:
        Dialogs* m_before;
    };

    // As QFileDialog asks; empty when cancelled. `folder` may name a proposed file.
    virtual QString openFile(QWidget* parent, const QString& caption, const QString& folder,
                             const QString& filter);
    virtual QString saveFile(QWidget* parent, const QString& caption, const QString& folder,
                             const QString& filter);
    virtual QString folder(QWidget* parent, const QString& caption);
    // As QPrintDialog asks; false when cancelled.
    virtual bool setUpPrinter(QPrinter& printer, QWidget* parent);
    // As QInputDialog asks; none when cancelled.
    virtual std::optional<double> number(QWidget* parent, const QString& title,
                                         const QString& label, double value, double minimum,
                                         double maximum, int decimals);
    virtual std::optional<int> wholeNumber(QWidget* parent, const QString& title,
                                           const QString& label, int value, int minimum,
                                           int maximum, int step);
    virtual std::optional<QString> choice(QWidget* parent, const QString& title,
                                          const QString& label, const QStringList& items,
                                          int current);
    // The program's message boxes: modal, titled "Vistaro", no icon, plain text.
    virtual void message(QWidget* parent, const QString& text);
    virtual bool yesNo(QWidget* parent, const QString& text);
    // A Yes button labelled `yes` (what is kept, "Restore") and Discard; true for Yes.
    virtual bool yesOrDiscard(QWidget* parent, const QString& text, const QString& yes);
    virtual UnsavedAnswer unsaved(QWidget* parent, const QString& text);
};

} // namespace vistaro
