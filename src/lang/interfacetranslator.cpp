// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/interfacetranslator.h"

#include <QCoreApplication>

namespace vistaro {

InterfaceTranslator::~InterfaceTranslator() {
    remove();
}

void InterfaceTranslator::apply(const QString& language) {
    if (language == m_language)
        return;
    remove();
    m_language = language;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QStringLiteral(":/i18n/vistaro_%1.qm").arg(language)) &&
        QCoreApplication::installTranslator(translator.get()))
        m_installed = std::move(translator);
}

void InterfaceTranslator::remove() {
    if (m_installed)
        QCoreApplication::removeTranslator(m_installed.get());
    m_installed.reset();
}

} // namespace vistaro
