// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/textlines.h"

#include "platform/textdecode.h"

#include <QFile>

namespace vistaro {

QList<QStringView> lineViews(QStringView text) {
    QList<QStringView> lines;
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.sliced(start));
    return lines;
}

QStringList splitLines(const QString& text) {
    const QList<QStringView> views = lineViews(text);
    QStringList lines;
    lines.reserve(views.size());
    for (const QStringView line : views)
        lines.append(line.toString());
    return lines;
}

BoundedFile readBoundedFile(const QString& path, qint64 maxBytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, file.errorString()};
    if (!file.isSequential() && file.size() > maxBytes)
        return {std::nullopt, {}, true};
    QByteArray bytes = file.read((file.isSequential() ? maxBytes : file.size()) + 1);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, file.errorString()};
    if (bytes.size() > maxBytes)
        return {std::nullopt, {}, true};
    return {std::move(bytes), {}, false};
}

std::optional<QString> readText(const QString& path, QString* error,
                                std::optional<qint64> maxBytes) {
    BoundedFile read;
    if (maxBytes) {
        read = readBoundedFile(path, *maxBytes);
    } else if (QFile file(path); file.open(QIODevice::ReadOnly)) {
        read.bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            read = {std::nullopt, file.errorString()};
    } else {
        read.error = file.errorString();
    }
    if (!read.bytes && error)
        *error = read.tooLarge ? QStringLiteral("the file is larger than %1 bytes").arg(*maxBytes)
                               : read.error;
    return read.bytes ? std::optional(decode8Bit(*read.bytes)) : std::nullopt;
}

std::optional<QStringList> readTextLines(const QString& path, QString* error,
                                         std::optional<qint64> maxBytes) {
    const std::optional<QString> text = readText(path, error, maxBytes);
    return text ? std::optional(splitLines(*text)) : std::nullopt;
}

} // namespace vistaro
