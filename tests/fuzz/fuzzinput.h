#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The readers take files, so each input is written to one file of a folder that lives as long
// as the fuzzer process; rewriting the same path keeps the runs fast and the disk clean.
namespace vistaro::fuzz {

inline const QTemporaryDir& inputFolder() {
    static const QTemporaryDir folder;
    if (!folder.isValid())
        std::abort();
    return folder;
}

// Writes the input to `fileName` in the folder and returns its full path.
inline QString writeInput(const std::uint8_t* data, std::size_t size, const QString& fileName) {
    const QString path = QDir(inputFolder().path()).filePath(fileName);
    QFile file(path);
    const auto bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
    return path;
}

// A broken property is a finding: abort so that libFuzzer keeps the input.
inline void require(bool holds) {
    if (!holds)
        std::abort();
}

} // namespace vistaro::fuzz
