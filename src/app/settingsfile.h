// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace vistaro {

// The four settings, in the order of the settings file's lines.
struct Settings {
    QString DecimalSeparator;
    QString OtherSeparator;
    QString LanguageFile;
    QString Drive;

    friend bool operator==(const Settings&, const Settings&) = default;
};

// Far more than four lines of paths: a larger file is none the program wrote.
inline constexpr qint64 MaxSettingsFileBytes = 4 * 1024 * 1024;

// Line 1 of the file; empty when the file is missing, unreadable, empty or larger than
// MaxSettingsFileBytes, which marks a first run.
QString probeSettings(const QString& path);

// Each line the file has (up to four) overwrites its setting; settings whose line is missing,
// or all of them when the file cannot be read or is too large, keep their values.
void loadSettings(const QString& path, Settings& settings);

// The message that names a settings file larger than MaxSettingsFileBytes, which is not read;
// nothing for any other file.
std::optional<QString> oversizedSettingsMessage(const QString& path);

// Rewrites the whole file, creating its folder: four lines, each ending in CR LF, values exactly
// as given. The file is replaced atomically, so a failure leaves the previous one as it was; it
// then gives a message that names the file.
std::optional<QString> saveSettings(const QString& path, const Settings& settings);

} // namespace vistaro
