// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settingspath.h"

#include <QStandardPaths>

namespace vistaro {

QString settingsFilePath() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\lens.ini");
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/vistaro/lens.ini");
#endif
}

QString windowSettingsFilePath() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\vistaro.conf");
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/vistaro/vistaro.conf");
#endif
}

} // namespace vistaro
