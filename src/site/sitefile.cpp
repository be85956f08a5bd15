// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/sitefile.h"

#include "optics/levelsetfile.h"
#include "optics/reading.h"
#include "platform/savefile.h"
#include "platform/textlines.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace vistaro {

namespace {

// Made on first use, which may come before main (a test's data).
const std::array<std::pair<Units, QString>, 2>& unitsKeys() {
    static const std::array<std::pair<Units, QString>, 2> keys{{
        {Units::Metric, QStringLiteral("metric")},
        {Units::Imperial, QStringLiteral("imperial")},
    }};
    return keys;
}

// By the names that the settings keep them by too.
const std::array<std::pair<Projection, QString>, AllProjections.size()>& projectionKeys() {
    static const auto keys = [] {
        std::array<std::pair<Projection, QString>, AllProjections.size()> made;
        std::transform(
            AllProjections.begin(), AllProjections.end(), made.begin(),
            [](Projection projection) { return std::pair(projection, projectionKey(projection)); });
        return made;
    }();
    return keys;
}

template <typename Key, std::size_t N>
QString nameOf(const std::array<std::pair<Key, QString>, N>& names, Key key) {
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

// The members of the properties, by their keys in the file.
constexpr std::pair<const char*, QString SiteProperties::*> PropertyKeys[] = {
    {"project", &SiteProperties::project}, {"client", &SiteProperties::client},
    {"address", &SiteProperties::address}, {"designer", &SiteProperties::designer},
    {"company", &SiteProperties::company}, {"revision", &SiteProperties::revision},
    {"notes", &SiteProperties::notes}};

// The properties given, the empty ones left out.
QJsonObject propertiesObject(const SiteProperties& properties) {
    QJsonObject object;
    for (const auto& [key, member] : PropertyKeys)
        if (!(properties.*member).isEmpty())
            object.insert(QString::fromLatin1(key), properties.*member);
    return object;
}

// A level as the file keeps it: by its key in the site's set.
QString levelKey(const LevelSet& set, Level level) {
    return set.levels.at(set.clamp(level)).key;
}

// An item on the first storey says nothing of it, as in the files before storeys.
void insertStorey(QJsonObject& object, int storey) {
    if (storey != 0)
        object.insert(QStringLiteral("storey"), storey);
}

QJsonObject cameraObject(const SiteCamera& camera, const LevelSet& set) {
    QJsonObject object{
        {QStringLiteral("name"), camera.name},
        {QStringLiteral("x"), camera.position.x},
        {QStringLiteral("y"), camera.position.y},
        {QStringLiteral("pan"), camera.panDeg},
        {QStringLiteral("height"), camera.mountHeightM},
        {QStringLiteral("target_height"), camera.targetHeightM},
        {QStringLiteral("distance"), camera.distanceM},
        {QStringLiteral("sensor"),
         pairOf(camera.camera.sensor.widthMm, camera.camera.sensor.heightMm)},
        {QStringLiteral("resolution"),
         pairOf(camera.camera.image.columns, camera.camera.image.rows)},
        {QStringLiteral("focal"), camera.focalMm},
        {QStringLiteral("lens"), camera.lens},
        {QStringLiteral("level"), levelKey(set, camera.level)},
    };
    if (camera.aim == Aim::Tilt)
        object.insert(QStringLiteral("tilt"), camera.tiltDeg);
    if (camera.focalTeleMm)
        object.insert(QStringLiteral("focal_tele"), *camera.focalTeleMm);
    // Only what differs from the pinhole, so that a file without it means what it always did.
    if (camera.lensModel.projection != Projection::Rectilinear)
        object.insert(QStringLiteral("projection"), projectionKey(camera.lensModel.projection));
    if (camera.lensModel.datasheetAngleHDeg)
        object.insert(QStringLiteral("datasheet_angle"), *camera.lensModel.datasheetAngleHDeg);
    insertStorey(object, camera.storey);
    return object;
}

QJsonObject backgroundObject(const SiteBackground& background) {
    QJsonObject object{
        {QStringLiteral("file"), background.file},
        {QStringLiteral("offset"), pairOf(background.offset.x, background.offset.y)},
        {QStringLiteral("opacity"), background.opacity},
        {QStringLiteral("locked"), background.locked},
        {QStringLiteral("visible"), background.visible},
    };
    if (const auto& scale = background.scale)
        object.insert(QStringLiteral("scale"),
                      QJsonObject{{QStringLiteral("from"), pairOf(scale->from.x, scale->from.y)},
                                  {QStringLiteral("to"), pairOf(scale->to.x, scale->to.y)},
                                  {QStringLiteral("metres"), scale->metres}});
    switch (backgroundKind(background.file)) {
    case BackgroundKind::Dxf:
        if (background.hiddenLayers)
            object.insert(QStringLiteral("hidden_layers"),
                          QJsonArray::fromStringList(*background.hiddenLayers));
        break;
    case BackgroundKind::Pdf:
        object.insert(QStringLiteral("page"), background.page);
        object.insert(QStringLiteral("dpi"), background.dpi);
        break;
    case BackgroundKind::Picture:
        break;
    }
    return object;
}

QJsonObject wallObject(const SiteWall& wall) {
    QJsonObject object{{QStringLiteral("points"), pointsOf(wall.points)}};
    // A full-height wall writes only its points, as in the files before heights.
    if (wall.bottomM != 0)
        object.insert(QStringLiteral("bottom"), wall.bottomM);
    if (wall.topM)
        object.insert(QStringLiteral("top"), *wall.topM);
    insertStorey(object, wall.storey);
    return object;
}

QJsonObject obstacleObject(const SiteObstacle& obstacle) {
    QJsonObject object{{QStringLiteral("name"), obstacle.name},
                       {QStringLiteral("points"), pointsOf(obstacle.points)},
                       {QStringLiteral("bottom"), obstacle.bottomM},
                       {QStringLiteral("top"), obstacle.topM}};
    insertStorey(object, obstacle.storey);
    return object;
}

// Whether the site needs the version with heights and storeys: a site without them is written as
// before.
bool usesHeights(const Site& site) {
    const SiteStorey& first = site.storeys.front();
    return site.storeys.size() > 1 || !first.name.isEmpty() || first.elevationM != 0 ||
           first.heightM != SiteStorey().heightM || !site.obstacles.empty() ||
           std::any_of(site.walls.begin(), site.walls.end(),
                       [](const SiteWall& wall) { return !wall.fullHeight(); }) ||
           std::any_of(site.areas.begin(), site.areas.end(),
                       [](const SiteArea& area) { return area.targetHeightM.has_value(); });
}

QJsonObject storeyObject(const SiteStorey& storey) {
    QJsonObject object{{QStringLiteral("name"), storey.name},
                       {QStringLiteral("elevation"), storey.elevationM},
                       {QStringLiteral("height"), storey.heightM}};
    if (storey.background)
        object.insert(QStringLiteral("background"), backgroundObject(*storey.background));
    return object;
}

// ---- Reading

// Thrown at the first fault, so that the reader reads like the format; readSite catches it.
[[noreturn]] void refuse(const QString& where, const QString& fault) {
    throw ReadProblem{{}, where, fault};
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
auto oneOf(const std::array<std::pair<Key, QString>, N>& names) {
    return [&names](const QJsonValue& value, const QString& where) {
        const QString name = asText(value, where);
        QStringList known;
        for (const auto& [key, keyName] : names) {
            if (name == keyName)
                return key;
            known << QStringLiteral("\"%1\"").arg(keyName);
        }
        refuse(where,
               SiteFile::tr("\"%1\" is none of %2").arg(name, known.join(QStringLiteral(", "))));
    };
}

// The members of one object of the file.
class Members {
public:
    Members(const QJsonObject& object, QString where) : object_(object), where_(std::move(where)) {}

    bool has(const QString& key) const { return object_.contains(key); }

    QString at(const QString& key) const {
        return where_.isEmpty() ? QString(key) : where_ + u'.' + key;
    }

    template <typename Read> auto value(const QString& key, Read read) const {
        const QJsonValue value = object_.value(key);
        if (value.isUndefined())
            refuse(at(key), SiteFile::tr("missing"));
        return read(value, at(key));
    }

    // `fallback` when the key is not there.
    template <typename T, typename Read>
    T valueOr(const QString& key, T fallback, Read read) const {
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
std::vector<PlanPoint> pointList(const QJsonValue& value, const QString& where, qsizetype fewest,
                                 qsizetype& used, qsizetype limit) {
    const QJsonArray array = asList(value, where);
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

// A height above the floor.
const auto height = between(0, MaxSiteHeight);

// A top, refused when below `bottom`.
auto topAbove(double bottom) {
    return [bottom](const QJsonValue& value, const QString& where) {
        const double top = height(value, where);
        if (top < bottom)
            refuse(where, SiteFile::tr("below the bottom, %1").arg(numberText(bottom)));
        return top;
    };
}

std::vector<PlanPoint> points(const Members& members, qsizetype fewest, qsizetype& used,
                              qsizetype limit) {
    return members.value(QStringLiteral("points"),
                         [&](const QJsonValue& value, const QString& where) {
                             return pointList(value, where, fewest, used, limit);
                         });
}

// Each member of the properties is a text, and may be left out.
SiteProperties readProperties(const Members& m) {
    SiteProperties properties;
    for (const auto& [key, member] : PropertyKeys)
        properties.*member = m.valueOr(QString::fromLatin1(key), QString(), asText);
    return properties;
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
        refuse(where,
               SiteFile::tr("\"%1\" is none of %2").arg(key, known.join(QStringLiteral(", "))));
    };
}

SiteCamera readCamera(const Members& m, const LevelSet& set) {
    SiteCamera camera;
    const auto coordinate = between(-MaxPlanCoordinate, MaxPlanCoordinate);
    camera.name = m.valueOr(QStringLiteral("name"), QString(), asText);
    camera.position = {m.value(QStringLiteral("x"), coordinate),
                       m.value(QStringLiteral("y"), coordinate)};
    camera.panDeg = m.valueOr(QStringLiteral("pan"), 0.0, between(-360, 360));
    camera.mountHeightM = m.value(QStringLiteral("height"), upTo(Quantity::MountHeight));
    if (m.has(QStringLiteral("tilt"))) {
        camera.aim = Aim::Tilt;
        camera.tiltDeg = m.value(QStringLiteral("tilt"), between(-90, 90));
        camera.targetHeightM = m.valueOr(QStringLiteral("target_height"), camera.targetHeightM,
                                         upTo(Quantity::TargetHeight));
    } else if (m.has(QStringLiteral("target_height"))) {
        camera.targetHeightM =
            m.value(QStringLiteral("target_height"), upTo(Quantity::TargetHeight));
    } else {
        refuse(m.at(QStringLiteral("target_height")),
               SiteFile::tr("missing: a camera is aimed at a target height or by a tilt"));
    }
    camera.distanceM = m.value(QStringLiteral("distance"), upTo(Quantity::Distance));
    const auto [width, height] = m.value(
        QStringLiteral("sensor"), both(upTo(Quantity::SensorWidth), upTo(Quantity::SensorHeight)));
    const auto [columns, rows] =
        m.value(QStringLiteral("resolution"),
                both(wholeUpTo(Quantity::Columns), wholeUpTo(Quantity::Rows)));
    camera.camera = {{width, height}, {columns, rows}};
    camera.focalMm = m.value(QStringLiteral("focal"), upTo(Quantity::Focal));
    camera.focalTeleMm =
        m.valueOr(QStringLiteral("focal_tele"), std::optional<double>(), upTo(Quantity::Focal));
    camera.lens = m.valueOr(QStringLiteral("lens"), QString(), asText);
    camera.level = m.valueOr(QStringLiteral("level"), set.defaultLevel, levelOf(set));
    camera.lensModel.projection = m.valueOr(QStringLiteral("projection"),
                                            camera.lensModel.projection, oneOf(projectionKeys()));
    camera.lensModel.datasheetAngleHDeg = m.valueOr(
        QStringLiteral("datasheet_angle"), std::optional<double>(), upTo(Quantity::DatasheetAngle));
    return camera;
}

BackgroundScale readScale(const QJsonValue& value, const QString& where) {
    const Members m(asObject(value, where), where);
    const BackgroundScale scale{
        m.value(QStringLiteral("from"), point), m.value(QStringLiteral("to"), point),
        m.value(QStringLiteral("metres"), [](const auto& metres, const auto& at) {
            return positive(metres, at, MaxPlanCoordinate);
        })};
    if (scale.from == scale.to)
        refuse(m.at(QStringLiteral("to")), SiteFile::tr("the same point as \"from\""));
    return scale;
}

SiteBackground readBackground(const Members& m) {
    SiteBackground background;
    background.file = m.value(QStringLiteral("file"), asText);
    if (background.file.isEmpty())
        refuse(m.at(QStringLiteral("file")), SiteFile::tr("empty"));
    background.scale =
        m.valueOr(QStringLiteral("scale"), std::optional<BackgroundScale>(), readScale);
    background.offset = m.valueOr(QStringLiteral("offset"), background.offset, point);
    background.opacity = m.valueOr(QStringLiteral("opacity"), background.opacity, between(0, 1));
    background.locked = m.valueOr(QStringLiteral("locked"), background.locked, asBool);
    background.visible = m.valueOr(QStringLiteral("visible"), background.visible, asBool);
    if (const std::optional<QJsonArray> hidden =
            m.valueOr(QStringLiteral("hidden_layers"), std::optional<QJsonArray>(),
                      listOf(MaxHiddenLayers))) {
        background.hiddenLayers.emplace();
        for (qsizetype i = 0; i < hidden->size(); ++i)
            background.hiddenLayers->append(
                asText((*hidden)[i], element(m.at(QStringLiteral("hidden_layers")), i)));
    }
    background.page =
        m.valueOr(QStringLiteral("page"), background.page, whole(between(1, MaxPdfPage)));
    background.dpi =
        m.valueOr(QStringLiteral("dpi"), background.dpi, between(MinPdfDpi, MaxPdfDpi));
    return background;
}

std::optional<SiteBackground> optionalBackground(const QJsonValue& value, const QString& where) {
    if (value.isNull())
        return std::nullopt;
    return readBackground(Members(asObject(value, where), where));
}

SiteStorey readStorey(const Members& m) {
    SiteStorey storey;
    storey.name = m.valueOr(QStringLiteral("name"), QString(), asText);
    storey.elevationM =
        m.valueOr(QStringLiteral("elevation"), 0.0, between(-MaxSiteHeight, MaxSiteHeight));
    storey.heightM = m.valueOr(QStringLiteral("height"), storey.heightM,
                               [](const QJsonValue& value, const QString& where) {
                                   return positive(value, where, MaxSiteHeight);
                               });
    storey.background = m.valueOr(QStringLiteral("background"), std::optional<SiteBackground>(),
                                  optionalBackground);
    return storey;
}

// Each item of the list under `key`, an object read by `read` into `into`.
template <typename Item, typename Read>
void readList(const Members& root, const QString& key, qsizetype limit, std::vector<Item>& into,
              Read read) {
    const QJsonArray array = root.valueOr(key, QJsonArray(), listOf(limit));
    into.reserve(static_cast<std::size_t>(array.size()));
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QString where = element(root.at(key), i);
        into.push_back(read(Members(asObject(array[i], where), where)));
    }
}

// Two storeys at one elevation are one floor typed twice, and neither is the other's below.
void refuseSharedElevations(const Members& root, const std::vector<SiteStorey>& storeys) {
    for (std::size_t i = 1; i < storeys.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (storeys[i].elevationM == storeys[j].elevationM)
                refuse(element(root.at(QStringLiteral("storeys")), static_cast<qsizetype>(i)),
                       SiteFile::tr("at the elevation of storeys[%1]").arg(j));
}

Site readRoot(const Members& root) {
    const QString format =
        root.valueOr(QStringLiteral("format"), QString(),
                     [](const QJsonValue& value, const QString&) { return value.toString(); });
    if (format != QStringLiteral("vistaro-site"))
        refuse(QStringLiteral("format"),
               SiteFile::tr("not \"vistaro-site\": this is not a Vistaro site file"));
    const double version = root.value(QStringLiteral("version"), asNumber);
    if (version > SiteFileVersion)
        refuse(QStringLiteral("version"),
               SiteFile::tr("%1 is newer than this program reads (version %2)")
                   .arg(numberText(version))
                   .arg(SiteFileVersion));
    if (version != SiteFileVersion && version != SiteFileVersionWithoutHeights)
        refuse(QStringLiteral("version"),
               SiteFile::tr("%1 is no version of the site file").arg(numberText(version)));
    Site site;
    site.units = root.valueOr(QStringLiteral("units"), site.units, oneOf(unitsKeys()));
    if (root.has(QStringLiteral("storeys"))) {
        site.storeys.clear();
        readList(root, QStringLiteral("storeys"), MaxSiteStoreys, site.storeys, readStorey);
        if (site.storeys.empty())
            refuse(root.at(QStringLiteral("storeys")),
                   SiteFile::tr("one storey or more is expected"));
        refuseSharedElevations(root, site.storeys);
    }
    // The background of the files before storeys is the first storey's.
    if (std::optional<SiteBackground> background = root.valueOr(
            QStringLiteral("background"), std::optional<SiteBackground>(), optionalBackground)) {
        if (site.storeys.front().background)
            refuse(QStringLiteral("background"),
                   SiteFile::tr("the first storey has a background of its own"));
        site.storeys.front().background = std::move(background);
    }
    const auto storey = whole(between(0, static_cast<double>(site.storeys.size() - 1)));
    if (root.has(QStringLiteral("level_set"))) {
        const LevelSetRead read = levelSetOf(root.value(QStringLiteral("level_set"), asObject));
        if (!read.set)
            throw read.problem.within(root.at(QStringLiteral("level_set")));
        site.levelSet = *read.set;
    }
    const LevelSet& set = site.levelSet;
    readList(root, QStringLiteral("cameras"), MaxSiteCameras, site.cameras,
             [&set, &storey](const Members& m) {
                 SiteCamera camera = readCamera(m, set);
                 camera.storey = m.valueOr(QStringLiteral("storey"), 0, storey);
                 return camera;
             });
    qsizetype wallPoints = 0;
    // Every wall takes two points or more, so this refuses a million walls before reading one.
    readList(root, QStringLiteral("walls"), MaxWallPoints / 2, site.walls,
             [&wallPoints, &storey](const Members& m) {
                 SiteWall wall{points(m, 2, wallPoints, MaxWallPoints)};
                 wall.bottomM = m.valueOr(QStringLiteral("bottom"), 0.0, height);
                 wall.topM = m.valueOr(QStringLiteral("top"), std::optional<double>(),
                                       topAbove(wall.bottomM));
                 wall.storey = m.valueOr(QStringLiteral("storey"), 0, storey);
                 return wall;
             });
    qsizetype obstaclePoints = 0;
    readList(root, QStringLiteral("obstacles"), MaxSiteObstacles, site.obstacles,
             [&obstaclePoints, &storey](const Members& m) {
                 SiteObstacle obstacle{m.valueOr(QStringLiteral("name"), QString(), asText),
                                       points(m, 3, obstaclePoints, MaxObstaclePoints)};
                 obstacle.bottomM = m.valueOr(QStringLiteral("bottom"), 0.0, height);
                 obstacle.topM = m.value(QStringLiteral("top"), topAbove(obstacle.bottomM));
                 obstacle.storey = m.valueOr(QStringLiteral("storey"), 0, storey);
                 return obstacle;
             });
    qsizetype areaPoints = 0;
    readList(root, QStringLiteral("areas"), MaxSiteAreas, site.areas,
             [&areaPoints, &set, &storey](const Members& m) {
                 SiteArea area{m.valueOr(QStringLiteral("name"), QString(), asText),
                               m.value(QStringLiteral("level"), levelOf(set)),
                               points(m, 3, areaPoints, MaxAreaPoints),
                               m.valueOr(QStringLiteral("required_share"), 1.0, between(0, 1)),
                               m.valueOr(QStringLiteral("target_height"), std::optional<double>(),
                                         upTo(Quantity::TargetHeight))};
                 area.storey = m.valueOr(QStringLiteral("storey"), 0, storey);
                 return area;
             });
    site.boundary = root.valueOr(QStringLiteral("boundary"), std::vector<PlanPoint>(),
                                 [&areaPoints](const QJsonValue& value, const QString& where) {
                                     return pointList(value, where, 3, areaPoints, MaxAreaPoints);
                                 });
    if (root.has(QStringLiteral("properties")))
        site.properties = readProperties(Members(root.value(QStringLiteral("properties"), asObject),
                                                 root.at(QStringLiteral("properties"))));
    site.properties.reference =
        root.valueOr(QStringLiteral("reference"), std::optional<PlanPoint>(), point);
    return site;
}

} // namespace

QByteArray siteToJson(const Site& site) {
    QJsonObject root{{QStringLiteral("format"), QStringLiteral("vistaro-site")},
                     {QStringLiteral("version"),
                      usesHeights(site) ? SiteFileVersion : SiteFileVersionWithoutHeights},
                     {QStringLiteral("units"), nameOf(unitsKeys(), site.units)}};
    // EN 62676-4 goes unsaid, so that a site of it reads in the versions before level sets.
    if (site.levelSet.key != enLevels().key)
        root.insert(QStringLiteral("level_set"), levelSetObject(site.levelSet));
    if (usesHeights(site)) {
        QJsonArray storeys;
        for (const SiteStorey& storey : site.storeys)
            storeys.append(storeyObject(storey));
        root.insert(QStringLiteral("storeys"), storeys);
    } else if (const std::optional<SiteBackground>& background = site.storeys.front().background) {
        root.insert(QStringLiteral("background"), backgroundObject(*background));
    }
    QJsonArray cameras;
    for (const SiteCamera& camera : site.cameras)
        cameras.append(cameraObject(camera, site.levelSet));
    QJsonArray walls;
    for (const SiteWall& wall : site.walls)
        walls.append(wallObject(wall));
    QJsonArray areas;
    for (const SiteArea& area : site.areas) {
        QJsonObject object{{QStringLiteral("name"), area.name},
                           {QStringLiteral("level"), levelKey(site.levelSet, area.level)},
                           {QStringLiteral("points"), pointsOf(area.points)}};
        // A whole area asked for goes unsaid, as in the files before the key.
        if (area.requiredShare != 1)
            object.insert(QStringLiteral("required_share"), area.requiredShare);
        if (area.targetHeightM)
            object.insert(QStringLiteral("target_height"), *area.targetHeightM);
        insertStorey(object, area.storey);
        areas.append(object);
    }
    root.insert(QStringLiteral("cameras"), cameras);
    root.insert(QStringLiteral("walls"), walls);
    root.insert(QStringLiteral("areas"), areas);
    if (!site.obstacles.empty()) {
        QJsonArray obstacles;
        for (const SiteObstacle& obstacle : site.obstacles)
            obstacles.append(obstacleObject(obstacle));
        root.insert(QStringLiteral("obstacles"), obstacles);
    }
    if (!site.boundary.empty())
        root.insert(QStringLiteral("boundary"), pointsOf(site.boundary));
    const QJsonObject properties = propertiesObject(site.properties);
    if (!properties.isEmpty())
        root.insert(QStringLiteral("properties"), properties);
    if (const std::optional<PlanPoint>& reference = site.properties.reference)
        root.insert(QStringLiteral("reference"), pairOf(reference->x, reference->y));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

SiteRead readSite(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        const qsizetype line =
            json.first(std::clamp<qsizetype>(error.offset, 0, json.size())).count('\n') + 1;
        return {
            std::nullopt,
            {{}, {}, SiteFile::tr("not JSON: %1 on line %2").arg(error.errorString()).arg(line)}};
    }
    if (!document.isObject())
        return {std::nullopt, {{}, {}, SiteFile::tr("not a JSON object")}};
    try {
        return {readRoot(Members(document.object(), {})), {}};
    } catch (const ReadProblem& refusal) {
        return {std::nullopt, refusal};
    }
}

SiteRead SiteFile::read(const QString& path) {
    const auto failed = [&path](const QString& why) {
        return SiteRead{std::nullopt, {path, {}, why}};
    };
    const BoundedFile file = readBoundedFile(path, MaxSiteFileBytes);
    if (file.tooLarge)
        return failed(tr("larger than %1 MiB, more than any site needs")
                          .arg(MaxSiteFileBytes / (1024 * 1024)));
    if (!file.bytes)
        return failed(file.error);
    const SiteRead read = readSite(*file.bytes);
    return read.site ? read : SiteRead{std::nullopt, read.problem.inFile(path)};
}

std::optional<QString> SiteFile::save(const QString& path, const Site& site) {
    return failureMessage(saveWhole(path, siteToJson(site)));
}

BackgroundKind backgroundKind(const QString& file) {
    const QString suffix = QFileInfo(file).suffix();
    if (suffix.compare(QStringLiteral("dxf"), Qt::CaseInsensitive) == 0)
        return BackgroundKind::Dxf;
    if (suffix.compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0)
        return BackgroundKind::Pdf;
    return BackgroundKind::Picture;
}

} // namespace vistaro
