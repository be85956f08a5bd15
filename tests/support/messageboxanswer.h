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
    explicit MessageBoxAnswer(QMessageBox::StandardButton button = QMessageBox::Ok)
        : m_button(button) {
        m_timer->setInterval(5);
        QObject::connect(m_timer.get(), &QTimer::timeout, [this] { answer(); });
        m_timer->start();
    }

    int count() const { return m_count; }
    const QStringList& texts() const { return m_texts; }
    QString title() const { return m_title; }

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == m_last)
            return;
        m_last = box;
        ++m_count;
        m_texts.append(box->text());
        m_title = box->windowTitle();
        if (QAbstractButton* button = box->button(m_button))
            button->click();
        else
            box->reject();
    }

    QMessageBox::StandardButton m_button;
    std::unique_ptr<QTimer> m_timer = std::make_unique<QTimer>();
    QPointer<QMessageBox> m_last;
    int m_count = 0;
    QStringList m_texts;
    QString m_title;
};

} // namespace vistaro::test
