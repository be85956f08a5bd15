// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/interfacelanguage.h"

#include <QFileInfo>

namespace vistaro {

QStringList shippedInterfaceLanguages() {
    return {QStringLiteral("en"), QStringLiteral("it"), QStringLiteral("de"), QStringLiteral("fr"),
            QStringLiteral("es")};
}

QString interfaceLanguage(const QString& languageFile, const QLocale& system) {
    // The shipped language files, by base name; accented spellings in case a user renamed one.
    static const struct {
        const char16_t* name;
        const char* code;
    } files[] = {
        {u"english", "en"},  {u"italiano", "it"}, {u"deutsch", "de"}, {u"francais", "fr"},
        {u"français", "fr"}, {u"espanol", "es"},  {u"español", "es"},
    };
    if (!languageFile.isEmpty()) {
        const QString base = QFileInfo(languageFile).completeBaseName().toLower();
        for (const auto& file : files) {
            if (base == QStringView(file.name))
                return QString::fromLatin1(file.code);
        }
    }
    const QString systemCode = QLocale::languageToCode(system.language());
    return shippedInterfaceLanguages().contains(systemCode) ? systemCode : QStringLiteral("en");
}

} // namespace vistaro
