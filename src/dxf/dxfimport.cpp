// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dxf/dxfimport.h"

#include "dxf/dxftext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <dl_creationadapter.h>
#include <dl_dxf.h>
#include <istream>
#include <numbers>
#include <streambuf>
#include <string_view>
#include <unordered_map>

namespace vistaro {

namespace {

constexpr qint64 ChunkBytes = 64 * 1024;
// dxflib reads a line into a buffer of DL_DXF_MAXLINE characters, its terminating zero included;
// a longer line leaves its stream failed but not at its end, and it reads on forever.
constexpr std::size_t MaxLineLength = DL_DXF_MAXLINE - 1;
// Each point a count announces takes a group of its own, several bytes long, in the file.
constexpr qint64 BytesPerAnnouncedPoint = 8;
constexpr qint64 AnnouncedPointsAllowance = 1024;
// An MTEXT's text beyond this is no plan's label.
constexpr std::size_t MaxMTextBytes = 64 * 1024;
constexpr double DegreesPerRadian = 180 / std::numbers::pi;

// The entities whose counts of points dxflib allocates, and the group codes of those counts.
struct Counted {
    std::string_view entity;
    std::array<unsigned, 3> codes;
};
constexpr std::array<Counted, 3> CountedEntities{
    {{"LWPOLYLINE", {90, 90, 90}}, {"SPLINE", {72, 73, 74}}, {"LEADER", {76, 76, 76}}}};

// Why the reading stopped before the end of the file.
enum class Halt {
    None,
    Cancelled,
    ReadError,
    LongLine,
    LargeCount,
    NoNumber,
    TooManyEntities,
    TooManyVertices
};

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

// An integer as dxflib reads a group: strtol, then narrowed to int.
int dxflibInt(std::string_view text) {
    std::array<char, MaxLineLength + 1> digits{};
    std::memcpy(digits.data(), text.data(), std::min(text.size(), MaxLineLength));
    return static_cast<int>(std::strtol(digits.data(), nullptr, 10));
}

// Hands the device to dxflib in chunks, telling the progress, and screens every line of a chunk
// before dxflib sees it for what dxflib does not survive: a line longer than its buffer (it
// would loop forever), a count of points that it would allocate as told, in int arithmetic (a
// crash or the whole memory), and a real number left blank (it would read an uninitialised
// one). Reading ends early when the progress cancels or a screen fails.
class Feed : public std::streambuf {
public:
    Feed(QIODevice& device, const DxfProgress& progress)
        : m_device(device), m_progress(progress), m_total(device.size()),
          m_pointBudget(m_total / BytesPerAnnouncedPoint + AnnouncedPointsAllowance) {
        // dxflib takes MTEXT angles for degrees unless a comment names a dxflib version after
        // 2.0.2 (older ones wrote radians); without any it reads an uninitialised version.
        static constexpr std::string_view Version = "999\ndxflib " DL_VERSION "\n";
        m_chunk.assign(Version.begin(), Version.end());
        setg(m_chunk.data(), m_chunk.data(), m_chunk.data() + m_chunk.size());
    }

    void halt(Halt why) {
        m_halt = why;
        setg(m_chunk.data(), m_chunk.data(), m_chunk.data());
    }
    Halt halted() const { return m_halt; }
    qint64 line() const { return m_line; }
    int announced() const { return m_announced; }
    bool sawSection() const { return m_sawSection; }
    bool sawEnd() const { return m_sawEnd; }

protected:
    int_type underflow() override {
        // An exception would leave the stream bad but not at its end, and dxflib reading on.
        try {
            return next();
        } catch (...) {
            halt(Halt::ReadError);
            return traits_type::eof();
        }
    }

private:
    // The next whole lines, screened; dxflib takes the end of its stream for the end of a line,
    // so a line cut by the end of a chunk waits for the rest of it.
    int_type next() {
        std::size_t whole = 0;
        bool atEnd = false;
        while (m_halt == Halt::None && whole == 0 && !atEnd) {
            const std::size_t kept = m_carry.size();
            m_chunk.assign(m_carry.begin(), m_carry.end());
            m_chunk.resize(kept + ChunkBytes);
            const qint64 read = m_device.read(m_chunk.data() + kept, ChunkBytes);
            if (read < 0) {
                halt(Halt::ReadError);
                break;
            }
            m_done += read;
            m_chunk.resize(kept + static_cast<std::size_t>(read));
            if (m_progress && !m_progress(m_done, m_total)) {
                halt(Halt::Cancelled);
                break;
            }
            atEnd = read == 0;
            const auto lastNewline = std::find(m_chunk.rbegin(), m_chunk.rend(), '\n');
            whole = atEnd ? m_chunk.size() : static_cast<std::size_t>(m_chunk.rend() - lastNewline);
            m_carry.assign(m_chunk.begin() + static_cast<std::ptrdiff_t>(whole), m_chunk.end());
            if (m_carry.size() > MaxLineLength) {
                screen(m_chunk.data(), m_chunk.data() + whole); // to count the lines before it
                if (m_halt == Halt::None) {
                    ++m_line;
                    halt(Halt::LongLine);
                }
            }
        }
        if (whole > 0 && m_halt == Halt::None)
            screen(m_chunk.data(), m_chunk.data() + whole);
        if (whole == 0 || m_halt != Halt::None)
            return traits_type::eof();
        setg(m_chunk.data(), m_chunk.data(), m_chunk.data() + whole);
        return traits_type::to_int_type(m_chunk.front());
    }

    // Lines that each end with a newline, but for the file's last one.
    void screen(const char* begin, const char* end) {
        while (begin < end && m_halt == Halt::None) {
            const auto* newline = static_cast<const char*>(std::memchr(begin, '\n', end - begin));
            const char* lineEnd = newline ? newline : end;
            const std::string_view line(begin, static_cast<std::size_t>(lineEnd - begin));
            if (line.size() > MaxLineLength) {
                ++m_line;
                halt(Halt::LongLine);
            } else {
                screenLine(line);
            }
            begin = lineEnd + 1;
        }
    }

    // dxflib takes the lines in pairs: a group code, then its value.
    void screenLine(std::string_view line) {
        // dxflib takes a line as a C string, up to its first zero byte.
        const std::string_view text = line.substr(0, line.find('\0'));
        ++m_line;
        m_valueNext = !m_valueNext;
        if (m_valueNext) {
            m_code = static_cast<unsigned>(dxflibInt(text));
            return;
        }
        const std::string_view value = trimmed(text);
        if (value.empty() && realCode(m_code)) {
            halt(Halt::NoNumber);
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
            halt(Halt::LargeCount);
        }
        m_pointBudget -= count;
    }

    QIODevice& m_device;
    const DxfProgress& m_progress;
    const qint64 m_total;
    qint64 m_done = 0;
    std::vector<char> m_chunk;
    std::string m_carry; // a line that goes on in the next chunk
    Halt m_halt = Halt::None;
    qint64 m_line = 0;
    bool m_valueNext = false;
    unsigned m_code = 0;
    const Counted* m_counted = nullptr;
    qint64 m_pointBudget;
    int m_announced = 0;
    bool m_sawSection = false;
    bool m_sawEnd = false;
};

bool usable(double value) {
    return std::isfinite(value) && std::abs(value) <= MaxDxfCoordinate;
}

// Takes dxflib's entities into a DxfDrawing, model space only.
class Reader : public DL_CreationAdapter {
public:
    Reader(Feed& feed, const DxfLimits& limits) : m_feed(feed), m_limits(limits) {}

    DxfDrawing drawing;

    void setVariableInt(const std::string& key, int value, int) override {
        if (key == "$INSUNITS")
            drawing.insUnits = value;
        else if (key == "$MEASUREMENT" && (value == 0 || value == 1))
            drawing.measurement = value;
    }

    void addLayer(const DL_LayerData& data) override {
        DxfLayer& layer = drawing.layers[static_cast<std::size_t>(layerIndex(data.name))];
        const int colour = attributes.getColor();
        layer.colour = colour == 0 || std::abs(colour) > 255 ? 7 : std::abs(colour);
        layer.on = colour >= 0 && !data.off;
        layer.frozen = data.flags & 1;
    }

    void addBlock(const DL_BlockData&) override { m_inBlock = true; }
    void endBlock() override { m_inBlock = false; }

    void addInsert(const DL_InsertData&) override {
        if (counted())
            ++drawing.skippedInserts;
    }

    void addLine(const DL_LineData& data) override {
        if (counted() && usable(data.x1) && usable(data.y1) && usable(data.x2) && usable(data.y2))
            drawing.lines.push_back({layer(), {data.x1, data.y1}, {data.x2, data.y2}});
    }

    void addArc(const DL_ArcData& data) override {
        if (!counted() || !usable(data.cx) || !usable(data.cy) || !round(data.radius) ||
            !std::isfinite(data.angle1) || !std::isfinite(data.angle2))
            return;
        // Counter-clockwise from angle1 to angle2; mirrored, from the mirror of angle2.
        double sweep = std::fmod(data.angle2 - data.angle1, 360);
        if (sweep <= 0)
            sweep += 360;
        double start = std::fmod(mirrored() ? 180 - data.angle2 : data.angle1, 360);
        if (start < 0)
            start += 360;
        drawing.arcs.push_back({layer(), point(data.cx, data.cy), data.radius, start, sweep});
    }

    void addCircle(const DL_CircleData& data) override {
        if (counted() && usable(data.cx) && usable(data.cy) && round(data.radius))
            drawing.circles.push_back({layer(), point(data.cx, data.cy), data.radius});
    }

    void addPolyline(const DL_PolylineData& data) override {
        endPolyline();
        if (!counted())
            return;
        // Meshes and polyface meshes are 3D surfaces, not lines of a plan.
        constexpr int Closed = 1, Mesh = 16, PolyfaceMesh = 64;
        if (data.flags & (Mesh | PolyfaceMesh))
            return;
        m_polyline = DxfPolyline{layer(), {}, (data.flags & Closed) != 0};
        m_polylineMirrored = mirrored();
    }

    void addVertex(const DL_VertexData& data) override {
        if (++m_vertices > m_limits.maxVertices)
            m_feed.halt(Halt::TooManyVertices);
        if (!m_polyline)
            return;
        if (!usable(data.x) || !usable(data.y) || !std::isfinite(data.bulge)) {
            m_polylineBroken = true;
            return;
        }
        // A mirror turns the other way round.
        m_polyline->vertices.push_back({{m_polylineMirrored ? -data.x : data.x, data.y},
                                        m_polylineMirrored ? -data.bulge : data.bulge});
    }

    void endEntity() override { endPolyline(); }
    void endSequence() override { endPolyline(); }

    void addText(const DL_TextData& data) override {
        if (counted())
            keepText(data.ipx, data.ipy, mirrored(), data.height, data.angle, plainText(data.text));
    }

    void addMTextChunk(const std::string& text) override {
        if (m_mtext.size() < MaxMTextBytes)
            m_mtext += text;
    }

    void addMText(const DL_MTextData& data) override {
        m_mtext += data.text;
        m_mtext.resize(std::min(m_mtext.size(), MaxMTextBytes));
        // Its insertion point is in world coordinates, whatever its extrusion.
        if (counted())
            keepText(data.ipx, data.ipy, false, data.height, data.angle, plainMText(m_mtext));
        m_mtext.clear();
    }

    void endPolyline() {
        if (m_polyline && !m_polylineBroken && m_polyline->vertices.size() >= 2)
            drawing.polylines.push_back(std::move(*m_polyline));
        m_polyline.reset();
        m_polylineBroken = false;
    }

private:
    // Counts an entity against the limit; true when it lies in model space.
    bool counted() {
        if (++m_entities > m_limits.maxEntities)
            m_feed.halt(Halt::TooManyEntities);
        return !m_inBlock && !attributes.isInPaperSpace() && m_feed.halted() == Halt::None;
    }

    static bool round(double radius) { return usable(radius) && radius > 0; }

    // Drawn with the extrusion (0, 0, -1), an entity's own x runs to the world's -x.
    bool mirrored() { return getExtrusion()->getDirection()[2] < 0; }
    QPointF point(double x, double y) { return {mirrored() ? -x : x, y}; }

    void keepText(double x, double y, bool mirror, double height, double radians,
                  const QString& text) {
        if (!usable(x) || !usable(y) || !usable(height) || !std::isfinite(radians))
            return;
        const double degrees = radians * DegreesPerRadian;
        drawing.texts.push_back(
            {layer(), {mirror ? -x : x, y}, height, mirror ? 180 - degrees : degrees, text});
    }

    int layer() { return layerIndex(attributes.getLayer()); }

    // CAD compares layer names ignoring case; the first spelling met names the layer.
    int layerIndex(const std::string& name) {
        if (const auto known = m_byName.find(name); known != m_byName.end())
            return known->second;
        const QString text = fromDxfString(name);
        const QString key = text.toUpper();
        int index = m_byKey.value(key, -1);
        if (index < 0) {
            index = static_cast<int>(drawing.layers.size());
            drawing.layers.push_back({text});
            m_byKey.insert(key, index);
        }
        m_byName.emplace(name, index);
        return index;
    }

    Feed& m_feed;
    const DxfLimits& m_limits;
    bool m_inBlock = false;
    int m_entities = 0;
    qint64 m_vertices = 0;
    std::optional<DxfPolyline> m_polyline;
    bool m_polylineMirrored = false;
    bool m_polylineBroken = false;
    std::string m_mtext;
    std::unordered_map<std::string, int> m_byName;
    QHash<QString, int> m_byKey;
};

DxfReadResult failed(const QString& why) {
    return {DxfReadResult::Outcome::Failed, {}, why};
}

// What the first bytes tell before dxflib reads any.
std::optional<QString> refusedAtSight(QIODevice& device, const DxfLimits& limits) {
    if (device.size() == 0)
        return QCoreApplication::translate("Dxf", "The file is empty.");
    if (device.size() > limits.maxBytes)
        return QCoreApplication::translate("Dxf", "The file is larger than %1 MiB.")
            .arg(limits.maxBytes / (1024 * 1024));
    const QByteArray start = device.peek(32);
    if (start.startsWith("AutoCAD Binary DXF"))
        return QCoreApplication::translate(
            "Dxf", "This is a binary DXF file; save the drawing as ASCII DXF.");
    if (start.startsWith("AC10") || start.startsWith("AC1."))
        return QCoreApplication::translate("Dxf", "This is a DWG drawing; save it as a DXF file.");
    return std::nullopt;
}

QString haltMessage(const Feed& feed, QIODevice& device, const DxfLimits& limits) {
    switch (feed.halted()) {
    case Halt::ReadError:
        return device.errorString();
    case Halt::LongLine:
        return QCoreApplication::translate("Dxf", "Line %1 is too long for a DXF drawing.")
            .arg(feed.line());
    case Halt::LargeCount:
        return QCoreApplication::translate(
                   "Dxf", "Line %1 announces %2 points, more than the file can hold.")
            .arg(feed.line())
            .arg(feed.announced());
    case Halt::NoNumber:
        return QCoreApplication::translate("Dxf", "Line %1 holds no number.").arg(feed.line());
    case Halt::TooManyEntities:
        return QCoreApplication::translate("Dxf", "The drawing has more than %1 entities.")
            .arg(limits.maxEntities);
    case Halt::TooManyVertices:
        return QCoreApplication::translate("Dxf", "The drawing has more than %1 polyline vertices.")
            .arg(limits.maxVertices);
    case Halt::None:
    case Halt::Cancelled:
        break;
    }
    return {};
}

} // namespace

DxfReadResult readDxf(QIODevice& device, const DxfProgress& progress, const DxfLimits& limits) {
    if (const std::optional<QString> refused = refusedAtSight(device, limits))
        return failed(*refused);
    Feed feed(device, progress);
    Reader reader(feed, limits);
    try {
        std::istream stream(&feed);
        DL_Dxf dxf;
        dxf.in(stream, &reader);
        reader.endPolyline();
    } catch (const std::bad_alloc&) {
        return failed(QCoreApplication::translate("Dxf", "There is not enough memory to read "
                                                         "the drawing."));
    } catch (...) {
        return failed(QCoreApplication::translate("Dxf", "The drawing is damaged."));
    }
    if (feed.halted() == Halt::Cancelled)
        return {DxfReadResult::Outcome::Cancelled, {}, {}};
    if (feed.halted() != Halt::None)
        return failed(haltMessage(feed, device, limits));
    if (!feed.sawSection())
        return failed(QCoreApplication::translate("Dxf", "This is not a DXF drawing."));
    if (!feed.sawEnd())
        return failed(QCoreApplication::translate(
            "Dxf", "The drawing ends early: the file may be cut short."));
    reader.drawing.bounds = boundsOf(reader.drawing);
    return {DxfReadResult::Outcome::Read, std::move(reader.drawing), {}};
}

DxfReadResult readDxfFile(const QString& path, const DxfProgress& progress,
                          const DxfLimits& limits) {
    const auto named = [&path](const QString& why) {
        return QCoreApplication::translate("Dxf", "Could not open \"%1\": %2")
            .arg(QDir::toNativeSeparators(path), why);
    };
    if (QFileInfo(path).isDir())
        return failed(named(QCoreApplication::translate("Dxf", "it is a folder.")));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(named(file.errorString()));
    DxfReadResult result = readDxf(file, progress, limits);
    if (result.outcome == DxfReadResult::Outcome::Failed)
        result.error = named(result.error);
    return result;
}

} // namespace vistaro
