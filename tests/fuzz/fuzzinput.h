// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

// Every target's harness: each input as bytes and, rewritten in place, as one file.
namespace vistaro::fuzz {

// A broken property is a finding: abort so that libFuzzer keeps the input.
inline void require(bool holds) {
    if (!holds)
        std::abort();
}

// Each target defines its checks of one input here.
void check(const QByteArray& input, const QString& path);

} // namespace vistaro::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir folder;
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QFile file(QDir(folder.path()).filePath(QStringLiteral("input")));
    vistaro::fuzz::require(folder.isValid() && file.open(QIODevice::WriteOnly) &&
                           file.write(input) == input.size());
    file.close();
    vistaro::fuzz::check(input, file.fileName());
    return 0;
}
