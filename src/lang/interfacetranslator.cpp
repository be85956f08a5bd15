// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/interfacetranslator.h"

#include <QCoreApplication>
#include <QDir>

namespace vistaro {

InterfaceTranslator::~InterfaceTranslator() {
    removeAll();
}

void InterfaceTranslator::apply(const QString& language) {
    if (language == m_language)
        return;
    removeAll();
    m_language = language;
    const QDir folder(QStringLiteral(":/i18n"));
    const QStringList files =
        folder.entryList({QStringLiteral("*_%1.qm").arg(language)}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(folder.filePath(file)) &&
            QCoreApplication::installTranslator(translator.get()))
            m_installed.push_back(std::move(translator));
    }
}

void InterfaceTranslator::removeAll() {
    for (const auto& translator : m_installed)
        QCoreApplication::removeTranslator(translator.get());
    m_installed.clear();
}

} // namespace vistaro
