#pragma once

#include <QDir>
#include <QFile>
#include <QTest>

// Files a user or a broken copy could hand to a reader; each reader's test adds its outcome.
namespace vistaro::test {

struct HostileFile {
    QByteArray bytes;
    // Lines as readers count them (CR LF, CR or LF ends one) and the first ones decoded.
    int lineCount = 0;
    QStringList lines;
    enum class Kind { Bytes, Folder, Unreadable } kind = Kind::Bytes;
};

inline QList<std::pair<const char*, HostileFile>> hostileFiles() {
    using Kind = HostileFile::Kind;
    const QByteArray lensLine = "FF\tMT0412\tMI\t4\t4\tF1.2\t0.3\tXX\tno";
    const QString lens = QString::fromLatin1(lensLine);
    return {
        {"empty", {"", 0, {}}},
        {"one 1 MB line", {QByteArray(1 << 20, 'x'), 1, {QString(1 << 20, u'x')}}},
        {"NUL bytes",
         {QByteArray("F\0\r\n\0", 5), 2, {QString::fromLatin1("F\0", 2), QString(1, u'\0')}}},
        {"CR-only ends", {"FF\tA\rHSP\tB\rVAR\tC", 3, {"FF\tA", "HSP\tB", "VAR\tC"}}},
        {"UTF-8 byte-order mark", {"\xEF\xBB\xBF,\r\n.\r\n", 2, {",", "."}}},
        {"Windows-1252", {"Caf\xE9 \x80 5\r\n", 1, {QStringLiteral("Caf\u00E9 \u20AC 5")}}},
        {"40000 lines", {(lensLine + "\r\n").repeated(40000), 40000, {lens, lens, lens, lens}}},
        {"folder in place of the file", {"", 0, {}, Kind::Folder}},
        {"no read permission", {",\r\n.\r\n", 0, {}, Kind::Unreadable}},
    };
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

#define VISTARO_PLACE_HOSTILE(file, path)                                                          \
    do {                                                                                           \
        if (!vistaro::test::placeHostile(file, path))                                              \
            QSKIP("root can read a file without read permission");                                 \
    } while (false)
