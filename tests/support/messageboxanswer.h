#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <memory>

namespace vistaro::test {

// Answers the next modal message box with `button` as soon as it opens, and records what it
// said, so a window test drives a handler that asks something without blocking.
class MessageBoxAnswer {
public:
    explicit MessageBoxAnswer(QMessageBox::StandardButton button = QMessageBox::Ok) {
        m_timer->callOnTimeout([this, button] { answer(button); });
        m_timer->start(5);
    }

    int count() const { return int(m_texts.size()); }
    const QStringList& texts() const { return m_texts; }
    QString title() const { return m_title; }

private:
    void answer(QMessageBox::StandardButton choice) {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == m_last)
            return;
        m_last = box;
        m_texts.append(box->text());
        m_title = box->windowTitle();
        if (QAbstractButton* button = box->button(choice))
            button->click();
        else
            box->reject();
    }

    std::unique_ptr<QTimer> m_timer = std::make_unique<QTimer>();
    QPointer<QMessageBox> m_last;
    QStringList m_texts;
    QString m_title;
};

} // namespace vistaro::test
