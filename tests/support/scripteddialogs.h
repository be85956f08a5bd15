// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialogs.h"

#include <QMap>
#include <QPrinter>
#include <QTest>
#include <QVariant>
#include <typeinfo>

namespace vistaro::test {

// Stands in for every standard dialog and message box while it lives. A question takes the next
// answer queued for its kind and is recorded; with none left it goes to the test's dialogs in use
// before (they stack), else fails the running test, as an answer never asked for does.
class ScriptedDialogs : public Dialogs {
public:
    // Yes or Discard counts as yes or no.
    enum Kind { Open, Save, Folder, Printer, Number, WholeNumber, Choice, Message, YesNo, Unsaved };

    ScriptedDialogs() : m_below(Dialogs::current()), m_replace(*this) {}
    ~ScriptedDialogs() override {
        for (const QList<QVariant>& left : std::as_const(m_answers))
            if (!left.isEmpty())
                QTest::qFail("a dialog answered in advance was never asked", __FILE__, __LINE__);
    }

    // Queues `value` for `kind`'s next question: none cancels, a message none, printer a PDF path.
    ScriptedDialogs& answer(Kind kind, const QVariant& value = {}) {
        m_answers[kind].append(value);
        return *this;
    }
    // What the questions of `kind` proposed or said: file or folder proposed, input label, message.
    QStringList texts(Kind kind) const { return m_asked.value(kind); }
    // The item that each choice question proposed.
    const QStringList& proposed() const { return m_proposed; }

    QString openFile(QWidget* parent, const QString& caption, const QString& folder,
                     const QString& filter) override {
        return passesOn(Open) ? m_below.openFile(parent, caption, folder, filter)
                              : next(Open, folder).toString();
    }
    QString saveFile(QWidget* parent, const QString& caption, const QString& folder,
                     const QString& filter) override {
        return passesOn(Save) ? m_below.saveFile(parent, caption, folder, filter)
                              : next(Save, folder).toString();
    }
    QString folder(QWidget* parent, const QString& caption) override {
        return passesOn(Folder) ? m_below.folder(parent, caption) : next(Folder, {}).toString();
    }
    bool setUpPrinter(QPrinter& printer, QWidget* parent) override {
        if (passesOn(Printer))
            return m_below.setUpPrinter(printer, parent);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(next(Printer, {}).toString());
        return !printer.outputFileName().isEmpty();
    }
    std::optional<double> number(QWidget* parent, const QString& title, const QString& label,
                                 double value, double minimum, double maximum,
                                 int decimals) override {
        return passesOn(Number)
                   ? m_below.number(parent, title, label, value, minimum, maximum, decimals)
                   : given<double>(next(Number, label));
    }
    std::optional<int> wholeNumber(QWidget* parent, const QString& title, const QString& label,
                                   int value, int minimum, int maximum, int step) override {
        return passesOn(WholeNumber)
                   ? m_below.wholeNumber(parent, title, label, value, minimum, maximum, step)
                   : given<int>(next(WholeNumber, label));
    }
    std::optional<QString> choice(QWidget* parent, const QString& title, const QString& label,
                                  const QStringList& items, int current) override {
        if (passesOn(Choice))
            return m_below.choice(parent, title, label, items, current);
        m_proposed.append(items.value(current));
        return given<QString>(next(Choice, label));
    }
    void message(QWidget* parent, const QString& text) override {
        if (passesOn(Message))
            return m_below.message(parent, text);
        next(Message, text);
    }
    bool yesNo(QWidget* parent, const QString& text) override {
        return passesOn(YesNo) ? m_below.yesNo(parent, text) : next(YesNo, text).toBool();
    }
    bool yesOrDiscard(QWidget* parent, const QString& text, const QString& yes) override {
        return passesOn(YesNo) ? m_below.yesOrDiscard(parent, text, yes)
                               : next(YesNo, text).toBool();
    }
    UnsavedAnswer unsaved(QWidget* parent, const QString& text) override {
        return passesOn(Unsaved)
                   ? m_below.unsaved(parent, text)
                   : given<UnsavedAnswer>(next(Unsaved, text)).value_or(UnsavedAnswer::Cancel);
    }

protected:
    // No answer queued: `kind` goes below to a test's dialogs (the program's are plain Dialogs).
    bool passesOn(Kind kind) const {
        return m_answers.value(kind).isEmpty() && typeid(m_below) != typeid(Dialogs);
    }

private:
    template <typename T> static std::optional<T> given(const QVariant& value) {
        return value.isValid() ? std::optional(value.value<T>()) : std::nullopt;
    }
    QVariant next(Kind kind, const QString& text) {
        m_asked[kind].append(text);
        if (m_answers[kind].isEmpty()) {
            QTest::qFail(qPrintable(QStringLiteral("unexpected dialog: ") + text), __FILE__,
                         __LINE__);
            return {};
        }
        return m_answers[kind].takeFirst();
    }

    QMap<Kind, QStringList> m_asked;
    QStringList m_proposed;
    QMap<Kind, QList<QVariant>> m_answers;
    Dialogs& m_below;
    Replace m_replace;
};

} // namespace vistaro::test
