// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms.h"

#include "platform/accessibility.h"

#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>

namespace vistaro {

namespace {

template <typename Control> void writeIfChanged(Control* control, const QString& text) {
    if (control->text() != text)
        control->setText(text);
}

} // namespace

QFont arial(double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void setTextIfChanged(QLabel* label, const QString& text) {
    writeIfChanged(label, text);
    describeFigure(label);
}

void setTextIfChanged(QLineEdit* edit, const QString& text) {
    writeIfChanged(edit, text);
}

void bringToFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

void setWindowIconIfPresent(QWidget* window, const char* resource) {
    const QString path = QLatin1String(resource);
    if (QFile::exists(path))
        window->setWindowIcon(QIcon(path));
}

} // namespace vistaro
