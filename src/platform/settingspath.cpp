// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settingspath.h"

#include <QSettings>
#include <QStandardPaths>

namespace vistaro {

namespace {

// A settings file of the user's: at the root of C: on Windows, else in the configuration folder.
QString settingsFile(const QString& name) {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\") + name;
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/vistaro/") + name;
#endif
}

} // namespace

QString settingsFilePath() {
    return settingsFile(QStringLiteral("lens.ini"));
}

QString windowSettingsFilePath() {
    return settingsFile(QStringLiteral("vistaro.conf"));
}

std::unique_ptr<QSettings> windowSettings() {
    return std::make_unique<QSettings>(windowSettingsFilePath(), QSettings::IniFormat);
}

} // namespace vistaro
