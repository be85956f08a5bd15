// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace vistaro {

// The languages the windows beyond the calculator are translated into, as ISO 639-1 codes.
// English is the source language and needs no translation file.
QStringList shippedInterfaceLanguages();

// The language of those windows: the one of the language file in use when it is one of the
// shipped files (recognised by its name, whatever folder it lies in), otherwise the system's
// when it is shipped, otherwise English.
QString interfaceLanguage(const QString& languageFile, const QLocale& system = QLocale());

} // namespace vistaro
