// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTranslator>
#include <memory>

namespace vistaro {

// Installs the translations of one language (resource ":/i18n/vistaro_<language>.qm"),
// replacing the one it installed before. Installing
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
    void remove();

    QString m_language;
    std::unique_ptr<QTranslator> m_installed;
};

} // namespace vistaro
