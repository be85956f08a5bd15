// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms.h"

#include "platform/accessibility.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
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

// Hands a wheel event that a box without the focus would take on to the widgets under it: an
// ignored event goes up to the parents, the scroll area among them.
class WheelGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel || static_cast<QWidget*>(watched)->hasFocus())
            return false;
        event->ignore();
        return true;
    }
};

template <typename Box> void guardWheel(QWidget* window, WheelGuard* guard) {
    for (Box* box : window->findChildren<Box*>()) {
        box->setFocusPolicy(Qt::StrongFocus);
        box->installEventFilter(guard);
    }
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

void wheelOnlyWhenFocused(QWidget* window) {
    // One guard a window, however often its controls are guarded.
    const QString name = QStringLiteral("WheelGuard");
    auto* guard =
        static_cast<WheelGuard*>(window->findChild<QObject*>(name, Qt::FindDirectChildrenOnly));
    if (!guard) {
        guard = new WheelGuard(window);
        guard->setObjectName(name);
    }
    guardWheel<QComboBox>(window, guard);
    guardWheel<QAbstractSpinBox>(window, guard);
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
