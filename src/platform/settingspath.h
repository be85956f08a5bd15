// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class QSettings;

namespace vistaro {

// The one settings file of the machine's user: "C:\lens.ini" on Windows; elsewhere
// "vistaro/lens.ini" in the user's configuration folder, since a shared world-writable file would
// let any local user change another's settings.
QString settingsFilePath();

// The settings of the windows beyond the calculator, in a file of their own beside that one
// ("vistaro.conf"), so that the four lines of lens.ini stay as they are.
QString windowSettingsFilePath();

// That file opened in the INI format: every window's remembered state goes through here.
std::unique_ptr<QSettings> windowSettings();

} // namespace vistaro
