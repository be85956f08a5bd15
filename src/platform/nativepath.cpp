// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/nativepath.h"

#include <QDir>

namespace vistaro {

QString toNativeSeparators(QString path) {
#ifdef Q_OS_WIN
    return path;
#else
    return path.replace(u'\\', u'/');
#endif
}

bool sameFolder(const QString& a, const QString& b) {
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity sensitivity = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity sensitivity = Qt::CaseSensitive;
#endif
    return QDir::cleanPath(QDir::fromNativeSeparators(a))
               .compare(QDir::cleanPath(QDir::fromNativeSeparators(b)), sensitivity) == 0;
}

} // namespace vistaro
