// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/accessibility.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSet>
#include <QStringList>
#include <QTableView>
#include <QTest>

namespace vistaro::test {

// Unnamed controls, ones Tab never reaches, text not standing out: faults named by objectName.
class AccessibilityWalk {
public:
    // `fixedColours`: the objectNames whose colour the window's design fixes (a logotype).
    explicit AccessibilityWalk(QWidget& window, const QStringList& fixedColours = {})
        : m_window(window), m_fixedColours(fixedColours) {}

    QStringList faults() const {
        QStringList found;
        if (QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&m_window))
            unnamed(root, found);
        notReachedByTab(found);
        lowContrast(found);
        return found;
    }

    // Texts a larger font clips: labels or buttons smaller than their text, fields below a line.
    QStringList clippedText() const {
        QStringList found;
        for (QWidget* widget : m_window.findChildren<QWidget*>()) {
            // A spin box's field is its spin box's to size.
            if (!widget->isVisible() || qobject_cast<QAbstractSpinBox*>(widget->parentWidget()))
                continue;
            const auto* label = qobject_cast<const QLabel*>(widget);
            const bool wraps = label && label->wordWrap();
            QSize needed = widget->minimumSizeHint();
            if (wraps)
                needed.setHeight(label->heightForWidth(label->width()));
            const bool text = !shownText(widget).isEmpty();
            bool clipped = false;
            if (wraps)
                clipped = text && widget->height() < needed.height();
            else if (label || qobject_cast<const QAbstractButton*>(widget))
                clipped = text &&
                          (widget->width() < needed.width() || widget->height() < needed.height());
            else if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
                // A field has room for a few characters at least.
                clipped = widget->height() < needed.height() ||
                          widget->width() < 6 * edit->fontMetrics().averageCharWidth();
            else if (qobject_cast<const QComboBox*>(widget) ||
                     qobject_cast<const QAbstractSpinBox*>(widget))
                clipped = widget->height() < needed.height();
            if (clipped)
                found << nameOf(widget) + QString::asprintf(": %d x %d shown, %d x %d needed",
                                                            widget->width(), widget->height(),
                                                            needed.width(), needed.height());
            // Columns as wide as their texts in sight, but the last, which takes what is left.
            const auto* table = qobject_cast<const QTableView*>(widget);
            const QAbstractItemView* view = table; // where sizeHintForColumn is public
            for (int c = 0; table && table->model() && c + 1 < table->model()->columnCount(); ++c)
                if (!table->isColumnHidden(c) && table->columnWidth(c) < view->sizeHintForColumn(c))
                    found << nameOf(widget) + QString::asprintf(": column %d %d wide, %d needed", c,
                                                                table->columnWidth(c),
                                                                view->sizeHintForColumn(c));
            // A column that scrolls only up and down cuts off what is wider than its view.
            const auto* column = qobject_cast<const QScrollArea*>(widget);
            if (column && column->widget() &&
                column->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff &&
                column->widget()->width() > column->viewport()->width())
                found << nameOf(widget) + QString::asprintf(": %d wide, %d shown",
                                                            column->widget()->width(),
                                                            column->viewport()->width());
        }
        return found;
    }

    // An object as a fault names it: objectName, else class and nearest named parent.
    static QString nameOf(const QObject* object) {
        if (!object)
            return QStringLiteral("(no object)");
        if (!object->objectName().isEmpty())
            return object->objectName();
        QString name = QLatin1String(object->metaObject()->className());
        for (const QObject* up = object->parent(); up; up = up->parent())
            if (!up->objectName().isEmpty())
                return name + QStringLiteral(" in ") + up->objectName();
        return name;
    }

private:
    // The roles a user works with; their children (cells, items) are not walked.
    static bool interactive(QAccessible::Role role, QAccessibleInterface* parent) {
        using enum QAccessible::Role;
        static const QSet<QAccessible::Role> Roles{
            Button, CheckBox, RadioButton, ComboBox, EditableText, SpinBox,        Slider,
            Dial,   Table,    Tree,        List,     ButtonMenu,   ButtonDropDown, PageTab};
        return Roles.contains(role) || (role == MenuItem && parent && parent->role() == MenuBar);
    }

    static bool focusable(const QObject* object) {
        const auto* widget = qobject_cast<const QWidget*>(object);
        return widget && (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
               !widget->focusProxy();
    }

    // Under AT-SPI Qt names a combo box by its current item: there a buddy label or own name does.
    static bool named(QAccessibleInterface* node) {
        if (node->role() != QAccessible::ComboBox)
            return !node->text(QAccessible::Name).trimmed().isEmpty();
        const auto* widget = qobject_cast<const QWidget*>(node->object());
        return (widget && !widget->accessibleName().isEmpty()) ||
               !node->relations(QAccessible::Label).isEmpty();
    }

    void unnamed(QAccessibleInterface* node, QStringList& found) const {
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface* child = node->child(i);
            if (!child || child->state().invisible)
                continue;
            const QAccessible::Role role = child->role();
            if ((interactive(role, node) || focusable(child->object())) && !named(child))
                found << nameOf(child->object()) + QStringLiteral(": no accessible name");
            if (role != QAccessible::Table && role != QAccessible::Tree &&
                role != QAccessible::List && role != QAccessible::ComboBox)
                unnamed(child, found);
        }
    }

    // Tab's stops: controls on show and enabled that take focus by Tab and do not hand it on.
    QList<QWidget*> tabStops() const {
        QList<QWidget*> stops;
        for (QWidget* widget : m_window.findChildren<QWidget*>())
            if (widget->window() == &m_window && widget->isVisible() && widget->isEnabled() &&
                focusable(widget))
                stops << widget;
        return stops;
    }

    // Tab again and again from the first stop reaches every stop: none keeps it, none is left out.
    void notReachedByTab(QStringList& found) const {
        const QList<QWidget*> stops = tabStops();
        if (stops.isEmpty())
            return;
        QApplication::setActiveWindow(&m_window);
        if (!QTest::qWaitForWindowActive(&m_window)) {
            found << nameOf(&m_window) + QStringLiteral(": cannot be made the active window");
            return;
        }
        stops.first()->setFocus(Qt::TabFocusReason);
        QSet<const QObject*> reached;
        const qsizetype presses = 2 * stops.size() + 20;
        for (qsizetype i = 0; i < presses && QApplication::focusWidget(); ++i) {
            reached.insert(tabStopOf(QApplication::focusWidget()));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (QWidget* stop : stops)
            if (!reached.contains(tabStopOf(stop)))
                found << nameOf(stop) + QStringLiteral(": Tab never reaches it");
    }

    // A group of exclusive buttons is one Tab stop (the chosen one); arrows move within it.
    static const QObject* tabStopOf(const QWidget* widget) {
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        if (button && button->group() && button->group()->exclusive())
            return button->group();
        if (button && button->autoExclusive())
            return button->parentWidget();
        return widget;
    }

    // The text a widget shows by itself, without painting of its own.
    static QString shownText(const QWidget* widget) {
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            return label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            return button->text();
        if (const auto* box = qobject_cast<const QGroupBox*>(widget))
            return box->title();
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
            return edit->text();
        if (const auto* combo = qobject_cast<const QComboBox*>(widget))
            return combo->currentText();
        return {};
    }

    // A widget's backdrop: its own if it fills it or draws one of its role, else its parent's.
    static QColor backgroundOf(const QWidget* widget) {
        const QWidget* filler = widget;
        while (widget->backgroundRole() == QPalette::Window && !filler->autoFillBackground() &&
               !filler->isWindow() && filler->parentWidget())
            filler = filler->parentWidget();
        const QPalette::ColorRole role =
            filler == widget ? widget->backgroundRole() : filler->backgroundRole();
        return filler->palette().color(QPalette::Active, role);
    }

    void lowContrast(QStringList& found) const {
        for (QWidget* widget : m_window.findChildren<QWidget*>()) {
            if (!widget->isVisible() || !widget->isEnabled() ||
                m_fixedColours.contains(widget->objectName()) ||
                shownText(widget).trimmed().isEmpty())
                continue;
            const QColor text = widget->palette().color(QPalette::Active, widget->foregroundRole());
            const double ratio = contrastRatio(text, backgroundOf(widget));
            if (ratio < ReadableContrast)
                found << nameOf(widget) + QStringLiteral(": text contrast %1:1, under %2:1")
                                              .arg(ratio, 0, 'f', 2)
                                              .arg(ReadableContrast);
        }
    }

    QWidget& m_window;
    QStringList m_fixedColours;
};

} // namespace vistaro::test

// Fails the test function with every fault of `window` (a QWidget&) found, one a line.
#define VERIFY_ACCESSIBLE(window, fixedColours)                                                    \
    do {                                                                                           \
        const QStringList faults_ =                                                                \
            vistaro::test::AccessibilityWalk(window, fixedColours).faults();                       \
        QVERIFY2(faults_.isEmpty(), qPrintable(faults_.join(u'\n')));                              \
    } while (false)
