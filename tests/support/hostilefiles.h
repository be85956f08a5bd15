#pragma once

#include <QDir>
#include <QFile>
#include <QTest>

// Files a user or a broken copy could hand to a reader, shared by the readers' tests. Each test
// adds its own expected outcome to every row.
namespace vistaro::test {

struct HostileFile {
    QByteArray bytes;
    // Lines as the readers count them (CR LF, CR or LF ends one; a last line without an end
    // counts), and the first of them decoded, as far as the row states them.
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
         {QByteArray("FF\0\tN\0\r\n\0\r\n", 11),
          2,
          {QString::fromLatin1("FF\0\tN\0", 6), QString(1, QChar(0))}}},
        {"CR-only ends", {"FF\tA\rHSP\tB\rVAR\tC", 3, {"FF\tA", "HSP\tB", "VAR\tC"}}},
        {"UTF-8 byte-order mark", {"\xEF\xBB\xBF,\r\n.\r\n", 2, {",", "."}}},
        {"Windows-1252", {"Caf\xE9 \x80 5\r\n", 1, {QStringLiteral("Caf\u00E9 \u20AC 5")}}},
        {"40000 lines", {(lensLine + "\r\n").repeated(40000), 40000, {lens, lens, lens, lens}}},
        {"folder in place of the file", {"", 0, {}, Kind::Folder}},
        {"no read permission", {",\r\n.\r\n", 0, {}, Kind::Unreadable}},
    };
}

// Puts `file` at `path`. False when the row cannot be made here: a file without read
// permission is still readable for root.
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

// In a test function: puts the row's file at `path`, or skips the row where it cannot be made.
#define VISTARO_PLACE_HOSTILE(file, path)                                                          \
    do {                                                                                           \
        if (!vistaro::test::placeHostile(file, path))                                              \
            QSKIP("root can read a file without read permission");                                 \
    } while (false)
