// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/textlines.h"

#include "platform/textdecode.h"

#include <QFile>

namespace vistaro {

QStringList splitLines(const QString& text) {
    QStringList lines;
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

std::optional<QStringList> readTextLines(const QString& path, QString* error,
                                         std::optional<qint64> maxBytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = maxBytes ? file.read(*maxBytes + 1) : file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    if (maxBytes && bytes.size() > *maxBytes) {
        if (error)
            *error = QStringLiteral("the file is larger than %1 bytes").arg(*maxBytes);
        return std::nullopt;
    }
    return splitLines(decode8Bit(bytes));
}

} // namespace vistaro
