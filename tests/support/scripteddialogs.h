// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialogs.h"

#include <QMap>
#include <QPrinter>
#include <QTest>
#include <QVariant>

namespace vistaro::test {

// Stands in for every standard dialog and message box while it lives. A question takes the
// next answer queued for its kind and is recorded; a question with no answer left, or an
// answer never asked for, fails the running test.
class ScriptedDialogs : public Dialogs {
public:
    // Yes or Discard counts as yes or no.
    enum Kind { Open, Save, Folder, Printer, Number, WholeNumber, Choice, Message, YesNo, Unsaved };

    ScriptedDialogs() : m_replace(*this) {}
    ~ScriptedDialogs() override {
        for (const QList<QVariant>& left : std::as_const(m_answers))
            if (!left.isEmpty())
                QTest::qFail("a dialog answered in advance was never asked", __FILE__, __LINE__);
    }

    // Queues `value` for the next question of `kind`; none (the default) cancels it, a message
    // takes none. A printer's answer is the PDF file it prints into.
    ScriptedDialogs& answer(Kind kind, const QVariant& value = {}) {
        m_answers[kind].append(value);
        return *this;
    }
    // What the questions of `kind` proposed or said so far: the file or folder proposed, the
    // input's label, the message.
    QStringList texts(Kind kind) const { return m_asked.value(kind); }

    QString openFile(QWidget*, const QString&, const QString& folder, const QString&) override {
        return next(Open, folder).toString();
    }
    QString saveFile(QWidget*, const QString&, const QString& folder, const QString&) override {
        return next(Save, folder).toString();
    }
    QString folder(QWidget*, const QString&) override { return next(Folder, {}).toString(); }
    bool setUpPrinter(QPrinter& printer, QWidget*) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(next(Printer, {}).toString());
        return !printer.outputFileName().isEmpty();
    }
    std::optional<double> number(QWidget*, const QString&, const QString& label, double, double,
                                 double, int) override {
        return given<double>(next(Number, label));
    }
    std::optional<int> wholeNumber(QWidget*, const QString&, const QString& label, int, int, int,
                                   int) override {
        return given<int>(next(WholeNumber, label));
    }
    std::optional<QString> choice(QWidget*, const QString&, const QString& label,
                                  const QStringList&, int) override {
        return given<QString>(next(Choice, label));
    }
    void message(QWidget*, const QString& text) override { next(Message, text); }
    bool yesNo(QWidget*, const QString& text) override { return next(YesNo, text).toBool(); }
    bool yesOrDiscard(QWidget*, const QString& text, const QString&) override {
        return next(YesNo, text).toBool();
    }
    UnsavedAnswer unsaved(QWidget*, const QString& text) override {
        return given<UnsavedAnswer>(next(Unsaved, text)).value_or(UnsavedAnswer::Cancel);
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
    QMap<Kind, QList<QVariant>> m_answers;
    Replace m_replace;
};

} // namespace vistaro::test
