// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dxf/dxfimport.h"

#include <QIODevice>
#include <functional>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace vistaro {

// Why the reading stopped before the end of the file.
enum class DxfHalt {
    None,
    Cancelled,
    ReadError,
    LongLine,
    LargeCount,
    NoNumber,
    TooManyEntities,
    TooManyVertices
};

// An integer as dxflib reads a group: strtol, then narrowed to int.
int dxflibInt(std::string_view text);

// Hands the device to dxflib in chunks, telling the progress, and screens every line of a chunk
// before dxflib sees it for what dxflib does not survive: a line longer than its buffer (it
// would loop forever), a count of points that it would allocate as told, in int arithmetic (a
// crash or the whole memory), and a real number left blank (it would read an uninitialised
// one). It drops an entity's embedded object (from group 101 to the entity's end or its extended
// data), whose points, height and direction dxflib would take for the entity's own. Reading ends
// early when the progress cancels or a screen fails.
class DxfFeed : public std::streambuf {
public:
    DxfFeed(QIODevice& device, const DxfProgress& progress);

    // Told each group (its code, its value trimmed) as dxflib is handed it: after dxflib has
    // read the group before.
    using GroupListener = std::function<void(unsigned int code, std::string_view value)>;
    void listen(GroupListener listener) { m_listener = std::move(listener); }

    void halt(DxfHalt why) {
        m_halt = why;
        m_next = m_end;
        setg(m_chunk.data(), m_chunk.data(), m_chunk.data());
    }
    DxfHalt halted() const { return m_halt; }
    qint64 line() const { return m_line; }
    int announced() const { return m_announced; }
    bool sawSection() const { return m_sawSection; }
    bool sawEnd() const { return m_sawEnd; }

    // An entity whose counts of points dxflib allocates as told, and the codes of the counts.
    struct Counted;

protected:
    int_type underflow() override;

private:
    int_type next();
    int_type nextLine();
    std::size_t screen(char* lines, std::size_t size);
    bool screenLine(std::string_view line);
    void screenValue(std::string_view text);

    QIODevice& m_device;
    const DxfProgress& m_progress;
    const qint64 m_total;
    qint64 m_done = 0;
    std::vector<char> m_chunk;
    std::string m_carry;    // a line that goes on in the next chunk
    char* m_next = nullptr; // the lines of the chunk not yet handed to dxflib
    char* m_end = nullptr;
    GroupListener m_listener;
    bool m_codeHeard = false;
    unsigned m_heardCode = 0;
    DxfHalt m_halt = DxfHalt::None;
    qint64 m_line = 0;
    bool m_valueNext = false;
    unsigned m_code = 0;
    bool m_embedded = false; // in an embedded object
    const Counted* m_counted = nullptr;
    qint64 m_pointBudget;
    int m_announced = 0;
    bool m_sawSection = false;
    bool m_sawEnd = false;
};

} // namespace vistaro
