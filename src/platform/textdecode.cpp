// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/textdecode.h"

#include <QStringDecoder>
#include <array>

namespace vistaro {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; its five unassigned codes stay as the
// C1 controls Latin-1 gives them.
constexpr std::array<char16_t, 32> cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ =
            (byte >= 0x80 && byte <= 0x9F) ? QChar(cp1252High[byte - 0x80]) : QChar::fromLatin1(c);
    }
    return text;
}

} // namespace

QString decode8Bit(const QByteArray& bytes) {
    // Stateless: a sequence cut short by the end of the bytes is an error too, not dropped.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? decodeWindows1252(bytes) : text;
}

QByteArray encode8Bit(const QString& text) {
#ifdef Q_OS_WIN
    return text.toLocal8Bit();
#else
    return text.toUtf8();
#endif
}

} // namespace vistaro
