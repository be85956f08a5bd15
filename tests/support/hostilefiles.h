// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFile>
#include <QTest>

// Files a user or a broken copy could hand to a reader.
namespace vistaro::test {

struct HostileFile {
    QByteArray bytes;
    // Lines as readers count them (CR LF, CR or LF ends one) and the first ones decoded.
    int lineCount = 0;
    QStringList lines;
    enum class Kind { Bytes, Folder, Unreadable } kind = Kind::Bytes;
};

// "line 1" to "line n", each ended by CR LF, every line stated.
inline HostileFile numberedLines(int n) {
    HostileFile file{{}, n, {}};
    for (int i = 1; i <= n; ++i) {
        file.lines << QStringLiteral("line %1").arg(i);
        file.bytes += file.lines.constLast().toLatin1() + "\r\n";
    }
    return file;
}

// Puts `file` at `path`; false when it cannot be made here (root reads any file).
inline bool placeHostile(const HostileFile& file, const QString& path) {
    if (file.kind == HostileFile::Kind::Folder)
        return QDir().mkpath(path);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file.bytes) != file.bytes.size())
        return false;
    out.close();
    return file.kind != HostileFile::Kind::Unreadable ||
           (out.setPermissions({}) && !QFile(path).open(QIODevice::ReadOnly));
}

} // namespace vistaro::test

Q_DECLARE_METATYPE(vistaro::test::HostileFile)
