// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settingsfile.h"

#include "platform/savefile.h"
#include "platform/textdecode.h"
#include "platform/textlines.h"

#include <QDir>
#include <QFileInfo>
#include <array>

namespace vistaro {

namespace {

// Serves both reading (Settings) and writing (const Settings).
template <typename AnySettings> auto fieldsInLineOrder(AnySettings& settings) {
    return std::array{&settings.DecimalSeparator, &settings.OtherSeparator, &settings.LanguageFile,
                      &settings.Drive};
}

} // namespace

QString probeSettings(const QString& path) {
    const std::optional<QStringList> lines = readTextLines(path, nullptr, MaxSettingsFileBytes);
    return lines && !lines->isEmpty() ? lines->first() : QString();
}

void loadSettings(const QString& path, Settings& settings) {
    const std::optional<QStringList> lines = readTextLines(path, nullptr, MaxSettingsFileBytes);
    if (!lines)
        return;
    const auto fields = fieldsInLineOrder(settings);
    for (qsizetype i = 0; i < lines->size() && i < qsizetype(fields.size()); ++i)
        *fields[i] = lines->at(i);
}

std::optional<QString> oversizedSettingsMessage(const QString& path) {
    if (QFileInfo(path).size() <= MaxSettingsFileBytes)
        return std::nullopt;
    return QStringLiteral("The settings file \"%1\" is larger than 4 MiB, which no settings file "
                          "reaches, so it was not read. Choose the language and the decimal "
                          "separator again.")
        .arg(QDir::toNativeSeparators(path));
}

std::optional<QString> saveSettings(const QString& path, const Settings& settings) {
    // A folder that cannot be made fails the save, which says why.
    QDir().mkpath(QFileInfo(path).absolutePath());

    QByteArray bytes;
    for (const QString* field : fieldsInLineOrder(settings))
        bytes += encode8Bit(*field) + "\r\n";

    return failureMessage(saveWhole(path, bytes));
}

} // namespace vistaro
