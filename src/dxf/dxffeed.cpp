// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dxf/dxffeed.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <dl_dxf.h>

namespace vistaro {

namespace {

constexpr qint64 ChunkBytes = 64 * 1024;
// dxflib reads a line into a buffer of DL_DXF_MAXLINE characters, its terminating zero included;
// a longer line leaves its stream failed but not at its end, and it reads on forever.
constexpr std::size_t MaxLineLength = DL_DXF_MAXLINE - 1;
// Each point a count announces takes a group of its own, several bytes long, in the file.
constexpr qint64 BytesPerAnnouncedPoint = 8;
constexpr qint64 AnnouncedPointsAllowance = 1024;

} // namespace

// The entities whose counts of points dxflib allocates, and the group codes of those counts.
struct DxfFeed::Counted {
    std::string_view entity;
    std::array<unsigned, 3> codes;
};
namespace {

constexpr std::array<DxfFeed::Counted, 3> CountedEntities{
    {{"LWPOLYLINE", {90, 90, 90}}, {"SPLINE", {72, 73, 74}}, {"LEADER", {76, 76, 76}}}};

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view Blanks = " \t\r\v\f";
    const auto first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

// The group codes of real numbers.
bool realCode(unsigned code) {
    return (code >= 10 && code <= 59) || (code >= 110 && code <= 149) ||
           (code >= 210 && code <= 239) || (code >= 460 && code <= 469) ||
           (code >= 1010 && code <= 1059);
}

} // namespace

// An integer as dxflib reads a group: strtol, then narrowed to int.
int dxflibInt(std::string_view text) {
    std::array<char, MaxLineLength + 1> digits{};
    std::copy_n(text.begin(), std::min(text.size(), MaxLineLength), digits.begin());
    return static_cast<int>(std::strtol(digits.data(), nullptr, 10));
}

DxfFeed::DxfFeed(QIODevice& device, const DxfProgress& progress)
    : m_device(device), m_progress(progress), m_total(device.size()),
      m_pointBudget(m_total / BytesPerAnnouncedPoint + AnnouncedPointsAllowance) {
    // dxflib takes MTEXT angles for degrees unless a comment names a dxflib version after
    // 2.0.2 (older ones wrote radians); without any it reads an uninitialised version.
    static constexpr std::string_view Version = "999\ndxflib " DL_VERSION "\n";
    m_chunk.assign(Version.begin(), Version.end());
    m_next = m_chunk.data();
    m_end = m_chunk.data() + m_chunk.size();
    setg(m_chunk.data(), m_chunk.data(), m_chunk.data());
}

DxfFeed::int_type DxfFeed::underflow() {
    // An exception would leave the stream bad but not at its end, and dxflib reading on.
    try {
        if (m_halt != DxfHalt::None)
            return traits_type::eof();
        return m_next < m_end ? nextLine() : next();
    } catch (...) {
        halt(DxfHalt::ReadError);
        return traits_type::eof();
    }
}

// The next whole lines, screened; dxflib takes the end of its stream for the end of a line,
// so a line cut by the end of a chunk waits for the rest of it.
DxfFeed::int_type DxfFeed::next() {
    std::size_t kept = 0;
    bool atEnd = false;
    while (m_halt == DxfHalt::None && kept == 0 && !atEnd) {
        const std::size_t carried = m_carry.size();
        m_chunk.assign(m_carry.begin(), m_carry.end());
        m_chunk.resize(carried + ChunkBytes);
        const qint64 read = m_device.read(m_chunk.data() + carried, ChunkBytes);
        if (read < 0) {
            halt(DxfHalt::ReadError);
            break;
        }
        m_done += read;
        m_chunk.resize(carried + static_cast<std::size_t>(read));
        if (m_progress && !m_progress(m_done, m_total)) {
            halt(DxfHalt::Cancelled);
            break;
        }
        atEnd = read == 0;
        const auto lastNewline = std::find(m_chunk.rbegin(), m_chunk.rend(), '\n');
        const std::size_t whole =
            atEnd ? m_chunk.size() : static_cast<std::size_t>(m_chunk.rend() - lastNewline);
        m_carry.assign(m_chunk.begin() + static_cast<std::ptrdiff_t>(whole), m_chunk.end());
        // Screened first, to count the lines before a line too long.
        kept = screen(m_chunk.data(), whole);
        if (m_carry.size() > MaxLineLength && m_halt == DxfHalt::None) {
            ++m_line;
            halt(DxfHalt::LongLine);
        }
    }
    if (kept == 0 || m_halt != DxfHalt::None)
        return traits_type::eof();
    m_next = m_chunk.data();
    m_end = m_chunk.data() + kept;
    return nextLine();
}

// dxflib is handed a line at a time, so that the listener hears of a group just before
// dxflib reads it.
DxfFeed::int_type DxfFeed::nextLine() {
    char* begin = m_next;
    auto* newline = static_cast<char*>(std::memchr(begin, '\n', m_end - begin));
    m_next = newline ? newline + 1 : m_end;
    const std::string_view line(begin,
                                static_cast<std::size_t>((newline ? newline : m_end) - begin));
    const std::string_view text = line.substr(0, line.find('\0'));
    m_codeHeard = !m_codeHeard;
    if (m_codeHeard)
        m_heardCode = static_cast<unsigned>(dxflibInt(text));
    else if (m_listener)
        m_listener(m_heardCode, trimmed(text));
    setg(begin, begin, m_next);
    return traits_type::to_int_type(*begin);
}

// Lines that each end with a newline, but for the file's last one; those dxflib is to read
// are moved together at the start. Returns their length.
std::size_t DxfFeed::screen(char* lines, std::size_t size) {
    const char* begin = lines;
    const char* const end = lines + size;
    char* kept = lines;
    while (begin < end && m_halt == DxfHalt::None) {
        const auto* newline = static_cast<const char*>(std::memchr(begin, '\n', end - begin));
        const char* lineEnd = newline ? newline : end;
        const std::string_view line(begin, static_cast<std::size_t>(lineEnd - begin));
        if (line.size() > MaxLineLength) {
            ++m_line;
            halt(DxfHalt::LongLine);
        } else if (screenLine(line)) {
            const auto length = static_cast<std::size_t>((newline ? newline + 1 : end) - begin);
            std::memmove(kept, begin, length);
            kept += length;
        }
        begin = lineEnd + 1;
    }
    return static_cast<std::size_t>(kept - lines);
}

// dxflib takes the lines in pairs: a group code, then its value. True when dxflib is to read
// the line.
bool DxfFeed::screenLine(std::string_view line) {
    // dxflib takes a line as a C string, up to its first zero byte.
    const std::string_view text = line.substr(0, line.find('\0'));
    ++m_line;
    m_valueNext = !m_valueNext;
    if (m_valueNext) {
        m_code = static_cast<unsigned>(dxflibInt(text));
        constexpr unsigned EmbeddedObject = 101, ExtendedData = 1001;
        if (m_code == 0 || m_code == ExtendedData)
            m_embedded = false;
        else if (m_code == EmbeddedObject)
            m_embedded = true;
        return !m_embedded;
    }
    if (m_embedded)
        return false;
    screenValue(text);
    return true;
}

// A value that dxflib reads.
void DxfFeed::screenValue(std::string_view text) {
    const std::string_view value = trimmed(text);
    if (value.empty() && realCode(m_code)) {
        halt(DxfHalt::NoNumber);
        return;
    }
    if (m_code == 0 || m_code == 9) {
        m_sawSection = m_sawSection || (m_code == 0 && value == "SECTION");
        m_sawEnd = m_sawEnd || (m_code == 0 && value == "EOF");
        const auto counted = std::find_if(CountedEntities.begin(), CountedEntities.end(),
                                          [&](const Counted& c) { return c.entity == value; });
        m_counted = counted == CountedEntities.end() ? nullptr : &*counted;
        return;
    }
    if (!m_counted || std::find(m_counted->codes.begin(), m_counted->codes.end(), m_code) ==
                          m_counted->codes.end())
        return;
    const int count = dxflibInt(text);
    if (count <= 0)
        return;
    if (count > m_pointBudget) {
        m_announced = count;
        halt(DxfHalt::LargeCount);
    }
    m_pointBudget -= count;
}

} // namespace vistaro
