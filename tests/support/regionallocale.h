// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

// Rows are written for a "." decimal locale; the comma locale runs them with "." and "," swapped.
namespace vistaro::test {

inline QString regional(QString text, bool comma) {
    if (comma)
        for (QChar& c : text)
            c = c == u'.' ? QChar(u',') : c == u',' ? QChar(u'.') : c;
    return text;
}

inline void useLocale(bool comma) {
    QLocale::setDefault(QLocale(comma ? QStringLiteral("it_IT") : QStringLiteral("en_US")));
}

} // namespace vistaro::test
