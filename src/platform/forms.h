// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/twips.h"

#include <QFont>
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;

namespace vistaro {

// The windows' icons, when the build carries the icon resource.
inline constexpr char ProgramIcon[] = ":/icons/vistaro.svg";
inline constexpr char LanguageIcon[] = ":/icons/vistaro-language.svg";

// The font the twips layouts were drawn with (fonts-liberation stands in for it on Linux).
QFont arial(double points, bool bold = false);

// A new control (or action) of `parent` with `name` as its objectName, by which tests and tools
// find it.
template <typename Control, typename Parent> Control* named(const char* name, Parent* parent) {
    auto* control = new Control(parent);
    control->setObjectName(QLatin1String(name));
    return control;
}

// A new widget of `parent` named `name`, placed in twips relative to it.
template <typename Widget>
Widget* place(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* widget = named<Widget>(name, parent);
    setTwipsGeometry(widget, left, top, width, height);
    return widget;
}

// Writing the text a control already shows would still repaint it and move an edit's cursor.
// A label named as a figure (nameFigure) has its description follow the text.
void setTextIfChanged(QLabel* label, const QString& text);
void setTextIfChanged(QLineEdit* edit, const QString& text);

// The combo boxes and spin boxes in `window` take the wheel only once they have the focus (a
// click or Tab gives it): a wheel turned over them to scroll the form scrolls the form and never
// changes a setting by accident. Call it when the window's controls are built.
void wheelOnlyWhenFocused(QWidget* window);

// Shows a modeless window, or raises it when it is open already.
void bringToFront(QWidget& window);

// Gives `window` the icon `resource`; a build without it keeps the platform's default, without
// a warning.
void setWindowIconIfPresent(QWidget* window, const char* resource = ProgramIcon);

} // namespace vistaro
