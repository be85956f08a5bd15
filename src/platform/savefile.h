// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <functional>
#include <optional>

class QIODevice;

namespace vistaro {

// Why a file was not saved: the file as named, and the reason, the system's or the content's
// own. Whatever was there before is left as it was, and nothing new is left beside it.
struct SaveFailure {
    Q_DECLARE_TR_FUNCTIONS(vistaro::SaveFailure)

public:
    QString path;
    QString reason;

    // The one message every save shows the user.
    QString message() const;
};

// Writes a file's content to `device`; the reason when it cannot be made whole.
using FileContent = std::function<std::optional<QString>(QIODevice& device)>;

// Saves `path` whole or not at all: the content goes to a temporary file that replaces `path`
// only once all of it is written.
std::optional<SaveFailure> saveWhole(const QString& path, const FileContent& content);
std::optional<SaveFailure> saveWhole(const QString& path, const QByteArray& bytes);

// `path` with `suffix` added when its name has none: what a save dialog returns for a name typed
// without one.
QString withSuffix(const QString& path, const QString& suffix);

// The failure's message, for callers that report a save with a message.
std::optional<QString> failureMessage(const std::optional<SaveFailure>& failure);

} // namespace vistaro
