// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace vistaro {

// What a user asks about the program itself: its version, its license with a link to the text,
// the Qt it runs on and where its settings file lives.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QLabel* m_title = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_license = nullptr;
    QLabel* m_qt = nullptr;
    QLabel* m_settings = nullptr;
    QPushButton* m_close = nullptr;
};

} // namespace vistaro
