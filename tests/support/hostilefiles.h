#pragma once

#include <QDir>
#include <QFile>
#include <QTest>
#include <random>

// Files a user or a broken copy could hand to a reader, shared by the readers' tests. Each test
// adds its own expected outcome to every row.
namespace vistaro::test {

struct HostileFile {
    enum class Kind { Bytes, Folder, Unreadable };
    Kind kind = Kind::Bytes;
    QByteArray bytes;
    // Lines as the readers count them (CR LF, CR or LF ends one; a last line without an end
    // counts), and the first of them decoded, as far as the row states them.
    int lineCount = 0;
    QStringList lines;
};

namespace hostile {

// 200 lines of 99 random bytes each (fixed seed), ended by CR LF; no CR or LF inside a line.
inline QByteArray randomBinary() {
    std::mt19937 generator(20240611);
    QByteArray bytes;
    for (int i = 0; i < 200 * 99; ++i)
        bytes += char(generator());
    bytes.replace('\r', '\0').replace('\n', '\0');
    for (qsizetype end = 99; end <= bytes.size(); end += 101)
        bytes.insert(end, "\r\n");
    return bytes;
}

inline QList<std::pair<const char*, HostileFile>> files() {
    using Kind = HostileFile::Kind;
    const QByteArray lensLine = "FF\tMT0412\tMI\t4\t4\tF1.2\t0.3\tXX\tno";
    const QString lens = QString::fromLatin1(lensLine);
    return {
        {"empty", {Kind::Bytes, "", 0, {}}},
        {"only line ends", {Kind::Bytes, "\r\n\n\r\r\n", 4, {"", "", "", ""}}},
        {"no tabs",
         {Kind::Bytes, "FF MT0412 4\r\nplain words\r\n", 2, {"FF MT0412 4", "plain words"}}},
        {"only tabs",
         {Kind::Bytes, QByteArray(12, '\t') + "\r\n\t\r\n", 2, {QString(12, u'\t'), "\t"}}},
        {"one 1 MB line", {Kind::Bytes, QByteArray(1 << 20, 'x'), 1, {QString(1 << 20, u'x')}}},
        {"NUL bytes",
         {Kind::Bytes,
          QByteArray("FF\0\tN\0\r\n\0\r\n", 11),
          2,
          {QString::fromLatin1("FF\0\tN\0", 6), QString(1, QChar(0))}}},
        {"random binary", {Kind::Bytes, randomBinary(), 200, {}}},
        {"CR-only ends", {Kind::Bytes, "FF\tA\rHSP\tB\rVAR\tC", 3, {"FF\tA", "HSP\tB", "VAR\tC"}}},
        {"LF-only ends",
         {Kind::Bytes, "FF\tA\nHSP\tB\nVAR\tC\n", 3, {"FF\tA", "HSP\tB", "VAR\tC"}}},
        {"UTF-8 byte-order mark", {Kind::Bytes, "\xEF\xBB\xBF,\r\n.\r\n", 2, {",", "."}}},
        {"invalid UTF-8",
         {Kind::Bytes, "\xC3\x28\r\nok\r\n", 2, {QStringLiteral("\u00C3("), "ok"}}},
        {"Windows-1252",
         {Kind::Bytes, "Caf\xE9 \x80 5\r\n", 1, {QStringLiteral("Caf\u00E9 \u20AC 5")}}},
        {"40000 lines",
         {Kind::Bytes, (lensLine + "\r\n").repeated(40000), 40000, {lens, lens, lens, lens}}},
        {"folder in place of the file", {Kind::Folder, "", 0, {}}},
        {"no read permission", {Kind::Unreadable, ",\r\n.\r\n", 0, {}}},
    };
}

// Puts `file` at `path`. False when the row cannot be made here: a file without read
// permission is still readable for root.
inline bool place(const HostileFile& file, const QString& path) {
    if (file.kind == HostileFile::Kind::Folder)
        return QDir().mkpath(path);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file.bytes) != file.bytes.size())
        return false;
    out.close();
    return file.kind != HostileFile::Kind::Unreadable ||
           (out.setPermissions({}) && !QFile(path).open(QIODevice::ReadOnly));
}

} // namespace hostile

} // namespace vistaro::test

Q_DECLARE_METATYPE(vistaro::test::HostileFile)

// In a test function: puts the row's file at `path`, or skips the row where it cannot be made.
#define VISTARO_PLACE_HOSTILE(file, path)                                                          \
    do {                                                                                           \
        if (!vistaro::test::hostile::place(file, path))                                            \
            QSKIP("This file cannot be made here: one without read permission is readable by "     \
                  "root.");                                                                        \
    } while (false)
