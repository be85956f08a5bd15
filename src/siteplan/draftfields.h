// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/sitedocument.h"

#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;

namespace vistaro {

class PlanView;

// The length (in the site's units) and the direction (degrees counter-clockwise from east, as
// the pan) of the segment being drawn, for the status bar. They follow the pointer from the last
// point placed until the user types: a digit typed on the plan starts the length, Tab goes from
// one to the other, Enter places the next point so and Esc goes back to the plan.
class DraftFields : public QWidget {
    Q_OBJECT

public:
    DraftFields(PlanView& view, const SiteDocument& document, QWidget* parent = nullptr);

    void retranslate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(const std::vector<PlanPoint>& draft);
    void startTyping(const QString& text);
    void place();
    bool typing() const;

    PlanView& m_view;
    const SiteDocument& m_document;
    QLabel* m_lengthLabel;
    QLineEdit* m_length;
    QLabel* m_angleLabel;
    QLineEdit* m_angle;
};

} // namespace vistaro
