// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTranslator>
#include <memory>
#include <vector>

namespace vistaro {

// Installs the translations of one language for every subsystem that ships them (resources
// ":/i18n/<subsystem>_<language>.qm"), replacing the ones it installed before. Installing
// sends every window a LanguageChange event, on which it retranslates its texts.
class InterfaceTranslator {
public:
    InterfaceTranslator() = default;
    InterfaceTranslator(const InterfaceTranslator&) = delete;
    InterfaceTranslator& operator=(const InterfaceTranslator&) = delete;
    ~InterfaceTranslator();

    void apply(const QString& language);
    const QString& language() const { return m_language; }

private:
    void removeAll();

    QString m_language;
    std::vector<std::unique_ptr<QTranslator>> m_installed;
};

} // namespace vistaro
