// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace vistaro {

// Lines end with CR LF, LF alone or CR alone; a line is everything before its end. A last line
// without an end still counts; an end at the very end of the text starts no further line.
QStringList splitLines(const QString& text);
// The same lines as views into `text`, for a reader that takes them apart at once.
QList<QStringView> lineViews(QStringView text);

// A whole file of at most `maxBytes`, read without ever taking more than one byte past that (a
// file's size tells one that is too large before it is read). No bytes when the file cannot be
// opened or read (`error` says why) or is too large (`tooLarge`).
struct BoundedFile {
    std::optional<QByteArray> bytes;
    QString error;
    bool tooLarge = false;
};
BoundedFile readBoundedFile(const QString& path, qint64 maxBytes);

// A whole text file, decoded with decode8Bit. With `maxBytes`, a file larger than that gives
// no text, and no more than one byte past it is ever read. No value when the file cannot be
// opened or read or is too large; `error` then receives the reason when given.
std::optional<QString> readText(const QString& path, QString* error = nullptr,
                                std::optional<qint64> maxBytes = std::nullopt);

// The lines of a whole text file (see readText and splitLines).
std::optional<QStringList> readTextLines(const QString& path, QString* error = nullptr,
                                         std::optional<qint64> maxBytes = std::nullopt);

} // namespace vistaro
