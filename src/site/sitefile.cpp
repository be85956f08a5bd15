// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/sitefile.h"

#include "optics/levelsetfile.h"
#include "optics/reading.h"
#include "platform/textlines.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace vistaro {

using namespace Qt::StringLiterals;

namespace {

constexpr std::array<std::pair<Units, QLatin1StringView>, 2> UnitsKeys{{
    {Units::Metric, "metric"_L1},
    {Units::Imperial, "imperial"_L1},
}};

// By the names that the settings keep them by too.
const std::array<std::pair<Projection, QLatin1StringView>, AllProjections.size()> ProjectionKeys =
    [] {
        std::array<std::pair<Projection, QLatin1StringView>, AllProjections.size()> keys;
        std::transform(
            AllProjections.begin(), AllProjections.end(), keys.begin(),
            [](Projection projection) { return std::pair(projection, projectionKey(projection)); });
        return keys;
    }();

template <typename Key, std::size_t N>
QLatin1StringView nameOf(const std::array<std::pair<Key, QLatin1StringView>, N>& names, Key key) {
    for (const auto& [k, name] : names) {
        if (k == key)
            return name;
    }
    return names.front().second;
}

// ---- Writing

QJsonArray pairOf(double first, double second) {
    return {first, second};
}

QJsonArray pointsOf(const std::vector<PlanPoint>& points) {
    QJsonArray array;
    for (const PlanPoint& point : points)
        array.append(pairOf(point.x, point.y));
    return array;
}

// A level as the file keeps it: by its key in the site's set.
QString levelKey(const LevelSet& set, Level level) {
    return set.levels.at(set.clamp(level)).key;
}

QJsonObject cameraObject(const SiteCamera& camera, const LevelSet& set) {
    QJsonObject object{
        {"name"_L1, camera.name},
        {"x"_L1, camera.position.x},
        {"y"_L1, camera.position.y},
        {"pan"_L1, camera.panDeg},
        {"height"_L1, camera.mountHeightM},
        {"target_height"_L1, camera.targetHeightM},
        {"distance"_L1, camera.distanceM},
        {"sensor"_L1, pairOf(camera.camera.sensor.widthMm, camera.camera.sensor.heightMm)},
        {"resolution"_L1, pairOf(camera.camera.image.columns, camera.camera.image.rows)},
        {"focal"_L1, camera.focalMm},
        {"lens"_L1, camera.lens},
        {"level"_L1, levelKey(set, camera.level)},
    };
    if (camera.aim == Aim::Tilt)
        object.insert("tilt"_L1, camera.tiltDeg);
    if (camera.focalTeleMm)
        object.insert("focal_tele"_L1, *camera.focalTeleMm);
    // Only what differs from the pinhole, so that a file without it means what it always did.
    if (camera.lensModel.projection != Projection::Rectilinear)
        object.insert("projection"_L1, projectionKey(camera.lensModel.projection));
    if (camera.lensModel.datasheetAngleHDeg)
        object.insert("datasheet_angle"_L1, *camera.lensModel.datasheetAngleHDeg);
    return object;
}

QJsonObject backgroundObject(const SiteBackground& background) {
    QJsonObject object{
        {"file"_L1, background.file},
        {"offset"_L1, pairOf(background.offset.x, background.offset.y)},
        {"opacity"_L1, background.opacity},
        {"locked"_L1, background.locked},
        {"visible"_L1, background.visible},
    };
    if (const auto& scale = background.scale)
        object.insert("scale"_L1, QJsonObject{{"from"_L1, pairOf(scale->from.x, scale->from.y)},
                                              {"to"_L1, pairOf(scale->to.x, scale->to.y)},
                                              {"metres"_L1, scale->metres}});
    switch (backgroundKind(background.file)) {
    case BackgroundKind::Dxf:
        object.insert("hidden_layers"_L1, QJsonArray::fromStringList(background.hiddenLayers));
        break;
    case BackgroundKind::Pdf:
        object.insert("page"_L1, background.page);
        object.insert("dpi"_L1, background.dpi);
        break;
    case BackgroundKind::Picture:
        break;
    }
    return object;
}

// ---- Reading

// Thrown at the first fault, so that the reader reads like the format; readSite catches it.
struct Refusal {
    QString problem;
};

[[noreturn]] void refuse(const QString& where, const QString& fault) {
    throw Refusal{where + ": "_L1 + fault};
}

QString numberText(double value) {
    return QString::number(value, 'g', 12);
}

QString element(const QString& where, qsizetype index) {
    return where + u'[' + QString::number(index) + u']';
}

// Each reader below takes a value and its place in the file, "cameras[3].focal", for messages.

double asNumber(const QJsonValue& value, const QString& where) {
    if (!value.isDouble())
        refuse(where, SiteFile::tr("a number is expected"));
    return value.toDouble();
}

QString asText(const QJsonValue& value, const QString& where) {
    if (!value.isString())
        refuse(where, SiteFile::tr("a text is expected"));
    return value.toString();
}

bool asBool(const QJsonValue& value, const QString& where) {
    if (!value.isBool())
        refuse(where, SiteFile::tr("true or false is expected"));
    return value.toBool();
}

QJsonObject asObject(const QJsonValue& value, const QString& where) {
    if (!value.isObject())
        refuse(where, SiteFile::tr("an object is expected"));
    return value.toObject();
}

QJsonArray asList(const QJsonValue& value, const QString& where) {
    if (!value.isArray())
        refuse(where, SiteFile::tr("a list is expected"));
    return value.toArray();
}

// Comparisons that a NaN or an infinity fails, whatever the JSON parser lets through.
auto between(double low, double high) {
    return [low, high](const QJsonValue& value, const QString& where) {
        const double x = asNumber(value, where);
        if (!(x >= low && x <= high))
            refuse(where,
                   SiteFile::tr("not within %1 to %2").arg(numberText(low), numberText(high)));
        return x;
    };
}

double positive(const QJsonValue& value, const QString& where, double largest) {
    const double x = asNumber(value, where);
    if (!(x > 0))
        refuse(where, SiteFile::tr("not a positive number"));
    if (!(x <= largest))
        refuse(where, SiteFile::tr("larger than %1").arg(numberText(largest)));
    return x;
}

// A positive number no larger than the optics allow for `quantity`.
auto upTo(Quantity quantity) {
    return [quantity](const QJsonValue& value, const QString& where) {
        return positive(value, where, largestOf(quantity));
    };
}

// What `read` reads, refused unless a whole number.
template <typename Read> auto whole(Read read) {
    return [read](const QJsonValue& value, const QString& where) {
        const double x = read(value, where);
        if (x != std::floor(x))
            refuse(where, SiteFile::tr("not a whole number"));
        return static_cast<int>(x);
    };
}

auto wholeUpTo(Quantity quantity) {
    return whole(upTo(quantity));
}

// [a, b], each read by its reader.
template <typename First, typename Second> auto both(First first, Second second) {
    return [first, second](const QJsonValue& value, const QString& where) {
        if (!value.isArray() || value.toArray().size() != 2)
            refuse(where, SiteFile::tr("a list of two numbers is expected"));
        const QJsonArray pair = value.toArray();
        return std::pair(first(pair[0], element(where, 0)), second(pair[1], element(where, 1)));
    };
}

PlanPoint point(const QJsonValue& value, const QString& where) {
    const auto coordinate = between(-MaxPlanCoordinate, MaxPlanCoordinate);
    const auto [x, y] = both(coordinate, coordinate)(value, where);
    return {x, y};
}

template <typename Key, std::size_t N>
auto oneOf(const std::array<std::pair<Key, QLatin1StringView>, N>& names) {
    return [&names](const QJsonValue& value, const QString& where) {
        const QString name = asText(value, where);
        QStringList known;
        for (const auto& [key, keyName] : names) {
            if (name == keyName)
                return key;
            known << QStringLiteral("\"%1\"").arg(keyName);
        }
        refuse(where, SiteFile::tr("\"%1\" is none of %2").arg(name, known.join(", "_L1)));
    };
}

// The members of one object of the file.
class Members {
public:
    Members(const QJsonObject& object, QString where) : object_(object), where_(std::move(where)) {}

    bool has(QLatin1StringView key) const { return object_.contains(key); }

    QString at(QLatin1StringView key) const {
        return where_.isEmpty() ? QString(key) : where_ + u'.' + key;
    }

    template <typename Read> auto value(QLatin1StringView key, Read read) const {
        const QJsonValue value = object_.value(key);
        if (value.isUndefined())
            refuse(at(key), SiteFile::tr("missing"));
        return read(value, at(key));
    }

    // `fallback` when the key is not there.
    template <typename T, typename Read>
    T valueOr(QLatin1StringView key, T fallback, Read read) const {
        return has(key) ? T(value(key, read)) : fallback;
    }

private:
    QJsonObject object_;
    QString where_;
};

// A list of at most `limit` items: the count is checked before any item is read, so a file of
// a million items is refused at once.
auto listOf(qsizetype limit) {
    return [limit](const QJsonValue& value, const QString& where) {
        const QJsonArray array = asList(value, where);
        if (array.size() > limit)
            refuse(where, SiteFile::tr("more than the %1 items this program reads").arg(limit));
        return array;
    };
}

// The points of a wall or an area; `used` counts the points of all of them against `limit`.
std::vector<PlanPoint> points(const Members& members, qsizetype fewest, qsizetype& used,
                              qsizetype limit) {
    const QJsonArray array = members.value("points"_L1, asList);
    const QString where = members.at("points"_L1);
    if (array.size() > limit - used)
        refuse(where, SiteFile::tr("%1 points in all, more than the %2 this program reads")
                          .arg(used + array.size())
                          .arg(limit));
    used += array.size();
    if (array.size() < fewest)
        refuse(where, SiteFile::tr("%1 points or more are expected").arg(fewest));
    std::vector<PlanPoint> read;
    read.reserve(static_cast<std::size_t>(array.size()));
    for (qsizetype i = 0; i < array.size(); ++i)
        read.push_back(point(array[i], element(where, i)));
    return read;
}

// A level of `set`, by its key.
auto levelOf(const LevelSet& set) {
    return [&set](const QJsonValue& value, const QString& where) {
        const QString key = asText(value, where);
        if (const std::optional<Level> level = set.find(key))
            return *level;
        QStringList known;
        for (const LevelSpec& level : set.levels)
            known << QStringLiteral("\"%1\"").arg(level.key);
        refuse(where, SiteFile::tr("\"%1\" is none of %2").arg(key, known.join(", "_L1)));
    };
}

SiteCamera readCamera(const Members& m, const LevelSet& set) {
    SiteCamera camera;
    const auto coordinate = between(-MaxPlanCoordinate, MaxPlanCoordinate);
    camera.name = m.valueOr("name"_L1, QString(), asText);
    camera.position = {m.value("x"_L1, coordinate), m.value("y"_L1, coordinate)};
    camera.panDeg = m.valueOr("pan"_L1, 0.0, between(-360, 360));
    camera.mountHeightM = m.value("height"_L1, upTo(Quantity::MountHeight));
    if (m.has("tilt"_L1)) {
        camera.aim = Aim::Tilt;
        camera.tiltDeg = m.value("tilt"_L1, between(-90, 90));
        camera.targetHeightM =
            m.valueOr("target_height"_L1, camera.targetHeightM, upTo(Quantity::TargetHeight));
    } else if (m.has("target_height"_L1)) {
        camera.targetHeightM = m.value("target_height"_L1, upTo(Quantity::TargetHeight));
    } else {
        refuse(m.at("target_height"_L1),
               SiteFile::tr("missing: a camera is aimed at a target height or by a tilt"));
    }
    camera.distanceM = m.value("distance"_L1, upTo(Quantity::Distance));
    const auto [width, height] =
        m.value("sensor"_L1, both(upTo(Quantity::SensorWidth), upTo(Quantity::SensorHeight)));
    const auto [columns, rows] =
        m.value("resolution"_L1, both(wholeUpTo(Quantity::Columns), wholeUpTo(Quantity::Rows)));
    camera.camera = {{width, height}, {columns, rows}};
    camera.focalMm = m.value("focal"_L1, upTo(Quantity::Focal));
    camera.focalTeleMm = m.valueOr("focal_tele"_L1, std::optional<double>(), upTo(Quantity::Focal));
    camera.lens = m.valueOr("lens"_L1, QString(), asText);
    camera.level = m.valueOr("level"_L1, set.defaultLevel, levelOf(set));
    camera.lensModel.projection =
        m.valueOr("projection"_L1, camera.lensModel.projection, oneOf(ProjectionKeys));
    camera.lensModel.datasheetAngleHDeg =
        m.valueOr("datasheet_angle"_L1, std::optional<double>(), upTo(Quantity::DatasheetAngle));
    return camera;
}

BackgroundScale readScale(const QJsonValue& value, const QString& where) {
    const Members m(asObject(value, where), where);
    const BackgroundScale scale{m.value("from"_L1, point), m.value("to"_L1, point),
                                m.value("metres"_L1, [](const auto& metres, const auto& at) {
                                    return positive(metres, at, MaxPlanCoordinate);
                                })};
    if (scale.from == scale.to)
        refuse(m.at("to"_L1), SiteFile::tr("the same point as \"from\""));
    return scale;
}

SiteBackground readBackground(const Members& m) {
    SiteBackground background;
    background.file = m.value("file"_L1, asText);
    if (background.file.isEmpty())
        refuse(m.at("file"_L1), SiteFile::tr("empty"));
    background.scale = m.valueOr("scale"_L1, std::optional<BackgroundScale>(), readScale);
    background.offset = m.valueOr("offset"_L1, background.offset, point);
    background.opacity = m.valueOr("opacity"_L1, background.opacity, between(0, 1));
    background.locked = m.valueOr("locked"_L1, background.locked, asBool);
    background.visible = m.valueOr("visible"_L1, background.visible, asBool);
    const QJsonArray hidden = m.valueOr("hidden_layers"_L1, QJsonArray(), listOf(MaxHiddenLayers));
    for (qsizetype i = 0; i < hidden.size(); ++i)
        background.hiddenLayers.append(asText(hidden[i], element(m.at("hidden_layers"_L1), i)));
    background.page = m.valueOr("page"_L1, background.page, whole(between(1, MaxPdfPage)));
    background.dpi = m.valueOr("dpi"_L1, background.dpi, between(MinPdfDpi, MaxPdfDpi));
    return background;
}

// Each item of the list under `key`, an object read by `read` into `into`.
template <typename Item, typename Read>
void readList(const Members& root, QLatin1StringView key, qsizetype limit, std::vector<Item>& into,
              Read read) {
    const QJsonArray array = root.valueOr(key, QJsonArray(), listOf(limit));
    into.reserve(static_cast<std::size_t>(array.size()));
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QString where = element(root.at(key), i);
        into.push_back(read(Members(asObject(array[i], where), where)));
    }
}

Site readRoot(const Members& root) {
    const QString format =
        root.valueOr("format"_L1, QString(),
                     [](const QJsonValue& value, const QString&) { return value.toString(); });
    if (format != "vistaro-site"_L1)
        refuse("format"_L1, SiteFile::tr("not \"vistaro-site\": this is not a Vistaro site file"));
    const double version = root.value("version"_L1, asNumber);
    if (version > SiteFileVersion)
        refuse("version"_L1, SiteFile::tr("%1 is newer than this program reads (version %2)")
                                 .arg(numberText(version))
                                 .arg(SiteFileVersion));
    if (version != SiteFileVersion)
        refuse("version"_L1,
               SiteFile::tr("%1 is no version of the site file").arg(numberText(version)));
    Site site;
    site.units = root.valueOr("units"_L1, site.units, oneOf(UnitsKeys));
    site.background = root.valueOr(
        "background"_L1, std::optional<SiteBackground>(),
        [](const QJsonValue& value, const QString& where) -> std::optional<SiteBackground> {
            if (value.isNull())
                return std::nullopt;
            return readBackground(Members(asObject(value, where), where));
        });
    if (root.has("level_set"_L1)) {
        const LevelSetRead read = levelSetOf(root.value("level_set"_L1, asObject));
        if (!read.set)
            refuse(root.at("level_set"_L1) + u'.' + read.problem.section(u':', 0, 0),
                   read.problem.section(u':', 1).trimmed());
        site.levelSet = *read.set;
    }
    const LevelSet& set = site.levelSet;
    readList(root, "cameras"_L1, MaxSiteCameras, site.cameras,
             [&set](const Members& m) { return readCamera(m, set); });
    qsizetype wallPoints = 0;
    // Every wall takes two points or more, so this refuses a million walls before reading one.
    readList(root, "walls"_L1, MaxWallPoints / 2, site.walls, [&wallPoints](const Members& m) {
        return SiteWall{points(m, 2, wallPoints, MaxWallPoints)};
    });
    qsizetype areaPoints = 0;
    readList(root, "areas"_L1, MaxSiteAreas, site.areas, [&areaPoints, &set](const Members& m) {
        return SiteArea{m.valueOr("name"_L1, QString(), asText), m.value("level"_L1, levelOf(set)),
                        points(m, 3, areaPoints, MaxAreaPoints)};
    });
    return site;
}

} // namespace

QByteArray siteToJson(const Site& site) {
    QJsonObject root{{"format"_L1, "vistaro-site"_L1},
                     {"version"_L1, SiteFileVersion},
                     {"units"_L1, nameOf(UnitsKeys, site.units)}};
    // EN 62676-4 goes unsaid, so that a site of it reads in the versions before level sets.
    if (site.levelSet.key != enLevels().key)
        root.insert("level_set"_L1, levelSetObject(site.levelSet));
    if (site.background)
        root.insert("background"_L1, backgroundObject(*site.background));
    QJsonArray cameras;
    for (const SiteCamera& camera : site.cameras)
        cameras.append(cameraObject(camera, site.levelSet));
    QJsonArray walls;
    for (const SiteWall& wall : site.walls)
        walls.append(QJsonObject{{"points"_L1, pointsOf(wall.points)}});
    QJsonArray areas;
    for (const SiteArea& area : site.areas)
        areas.append(QJsonObject{{"name"_L1, area.name},
                                 {"level"_L1, levelKey(site.levelSet, area.level)},
                                 {"points"_L1, pointsOf(area.points)}});
    root.insert("cameras"_L1, cameras);
    root.insert("walls"_L1, walls);
    root.insert("areas"_L1, areas);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

SiteRead readSite(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        const qsizetype line =
            json.first(std::clamp<qsizetype>(error.offset, 0, json.size())).count('\n') + 1;
        return {std::nullopt,
                SiteFile::tr("not JSON: %1 on line %2").arg(error.errorString()).arg(line)};
    }
    if (!document.isObject())
        return {std::nullopt, SiteFile::tr("not a JSON object")};
    try {
        return {readRoot(Members(document.object(), {})), {}};
    } catch (const Refusal& refusal) {
        return {std::nullopt, refusal.problem};
    }
}

SiteRead SiteFile::read(const QString& path) {
    const auto failed = [&path](const QString& why) {
        return SiteRead{std::nullopt, tr("The site file \"%1\" could not be read: %2")
                                          .arg(QDir::toNativeSeparators(path), why)};
    };
    const BoundedFile file = readBoundedFile(path, MaxSiteFileBytes);
    if (file.tooLarge)
        return failed(tr("larger than %1 MiB, more than any site needs")
                          .arg(MaxSiteFileBytes / (1024 * 1024)));
    if (!file.bytes)
        return failed(file.error);
    const SiteRead read = readSite(*file.bytes);
    return read.site ? read : failed(read.problem);
}

std::optional<QString> SiteFile::save(const QString& path, const Site& site) {
    const QByteArray bytes = siteToJson(site);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return std::nullopt;
    return tr("The site could not be saved as \"%1\": %2. Nothing was written.")
        .arg(QDir::toNativeSeparators(path), file.errorString());
}

QString storedBackgroundPath(const QString& sitePath, const QString& picturePath) {
    const QString absolute = QDir::cleanPath(QFileInfo(picturePath).absoluteFilePath());
    const QString relative = QFileInfo(sitePath).absoluteDir().relativeFilePath(absolute);
    if (relative == ".."_L1 || relative.startsWith("../"_L1) || QDir::isAbsolutePath(relative))
        return absolute;
    return relative;
}

BackgroundKind backgroundKind(const QString& file) {
    const QString suffix = QFileInfo(file).suffix();
    if (suffix.compare("dxf"_L1, Qt::CaseInsensitive) == 0)
        return BackgroundKind::Dxf;
    if (suffix.compare("pdf"_L1, Qt::CaseInsensitive) == 0)
        return BackgroundKind::Pdf;
    return BackgroundKind::Picture;
}

QString resolvedBackgroundPath(const QString& sitePath, const QString& storedPath) {
    return QDir::cleanPath(QFileInfo(sitePath).absoluteDir().filePath(storedPath));
}

} // namespace vistaro
