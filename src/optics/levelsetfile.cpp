// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/levelsetfile.h"

#include "optics/reading.h"
#include "optics/units.h"
#include "platform/savefile.h"
#include "platform/textlines.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSettings>
#include <cmath>

namespace vistaro {

namespace {

QString at(const QString& where, const QString& key) {
    return where.isEmpty() ? QString(key) : where + u'.' + key;
}

// A positive number no larger than `largest` under `key`, or why not.
std::optional<double> positiveOf(const QJsonObject& object, const QString& key, double largest,
                                 const QString& where, ReadProblem& problem) {
    const QJsonValue value = object.value(key);
    const double x = value.toDouble(-1);
    if (value.isUndefined())
        problem = {{}, at(where, key), LevelSetFile::tr("missing")};
    else if (!value.isDouble() || !(x > 0))
        problem = {{}, at(where, key), LevelSetFile::tr("not a positive number")};
    else if (!(x <= largest))
        problem = {{},
                   at(where, key),
                   LevelSetFile::tr("larger than %1").arg(QString::number(largest, 'g', 12))};
    else
        return x;
    return std::nullopt;
}

// A text of one to MaxLevelNameLength characters under `key`, or why not.
std::optional<QString> nameOf(const QJsonObject& object, const QString& key, const QString& where,
                              ReadProblem& problem) {
    const QString name = object.value(key).toString().trimmed();
    if (!object.value(key).isString() || name.isEmpty())
        problem = {{}, at(where, key), LevelSetFile::tr("a name is expected")};
    else if (name.size() > MaxLevelNameLength)
        problem = {{},
                   at(where, key),
                   LevelSetFile::tr("longer than %1 characters").arg(MaxLevelNameLength)};
    else
        return name;
    return std::nullopt;
}

LevelSetRead builtInOf(const QJsonObject& object, const QString& key) {
    PlateRule plate;
    for (const LevelSet& set : builtInLevelSets(plate)) {
        if (set.key != key)
            continue;
        if (set.measure != LevelMeasure::PlatePixels)
            return {set, {}};
        ReadProblem problem;
        const auto width =
            positiveOf(object, QStringLiteral("plate_width"), MaxPlateWidthMm, {}, problem);
        const auto pixels =
            positiveOf(object, QStringLiteral("plate_pixels"), MaxPlatePixels, {}, problem);
        if (!width || !pixels)
            return {std::nullopt, problem};
        return {plateLevels({*width, *pixels}), {}};
    }
    return {std::nullopt,
            {{},
             QStringLiteral("key"),
             LevelSetFile::tr("\"%1\" is no level set this program knows").arg(key)}};
}

LevelSetRead userSetOf(const QJsonObject& object) {
    ReadProblem problem;
    const std::optional<QString> name = nameOf(object, QStringLiteral("name"), {}, problem);
    if (!name)
        return {std::nullopt, problem};
    const QString unit = object.value(QStringLiteral("unit")).toString(QStringLiteral("px/m"));
    if (unit != QStringLiteral("px/m") && unit != QStringLiteral("px/ft"))
        return {std::nullopt,
                {{},
                 QStringLiteral("unit"),
                 LevelSetFile::tr("\"%1\" is neither \"px/m\" nor \"px/ft\"").arg(unit)}};
    const bool perFoot = unit == QStringLiteral("px/ft");
    const QJsonArray array = object.value(QStringLiteral("levels")).toArray();
    if (array.isEmpty() || array.size() > MaxLevelsInSet)
        return {std::nullopt,
                {{},
                 QStringLiteral("levels"),
                 LevelSetFile::tr("a list of 1 to %1 levels is expected").arg(MaxLevelsInSet)}};
    std::vector<LevelSpec> levels;
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QString where = QStringLiteral("levels[") + QString::number(i) + u']';
        const QJsonObject level = array[i].toObject();
        const std::optional<QString> levelName =
            nameOf(level, QStringLiteral("name"), where, problem);
        const double largest =
            densityToUnits(MaxLevelDensity, perFoot ? Units::Imperial : Units::Metric);
        const std::optional<double> density =
            levelName ? positiveOf(level, QStringLiteral("density"), largest, where, problem)
                      : std::nullopt;
        if (!density)
            return {std::nullopt, problem};
        QString key = level.value(QStringLiteral("key")).toString();
        if (key.isEmpty() || std::any_of(levels.begin(), levels.end(),
                                         [&](const LevelSpec& l) { return l.key == key; }))
            key = QStringLiteral("level-") + QString::number(i + 1);
        levels.push_back({key, *levelName, *density});
    }
    return {userLevelSet(*name, std::move(levels), perFoot), {}};
}

} // namespace

QJsonObject levelSetObject(const LevelSet& set) {
    if (set.builtIn()) {
        QJsonObject object{{QStringLiteral("key"), set.key}};
        if (set.measure == LevelMeasure::PlatePixels) {
            object.insert(QStringLiteral("plate_width"), set.plateWidthMm);
            object.insert(QStringLiteral("plate_pixels"), set.levels.front().value);
        }
        return object;
    }
    QJsonArray levels;
    for (const LevelSpec& level : set.levels)
        levels.append(QJsonObject{{QStringLiteral("key"), level.key},
                                  {QStringLiteral("name"), level.name},
                                  {QStringLiteral("density"), level.value}});
    return {{QStringLiteral("name"), set.name},
            {QStringLiteral("unit"),
             set.typedPerFoot ? QStringLiteral("px/ft") : QStringLiteral("px/m")},
            {QStringLiteral("levels"), levels}};
}

LevelSetRead levelSetOf(const QJsonObject& object) {
    if (object.contains(QStringLiteral("key")))
        return builtInOf(object, object.value(QStringLiteral("key")).toString());
    return userSetOf(object);
}

std::vector<LevelSet> loadUserLevelSets(QSettings& settings) {
    std::vector<LevelSet> sets;
    const int count = settings.beginReadArray(QStringLiteral("LevelSets"));
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        const QJsonDocument document =
            QJsonDocument::fromJson(settings.value(QStringLiteral("set")).toString().toUtf8());
        const LevelSetRead read = levelSetOf(document.object());
        if (read.set && !read.set->builtIn())
            sets.push_back(*read.set);
    }
    settings.endArray();
    return sets;
}

void saveUserLevelSets(QSettings& settings, const std::vector<LevelSet>& sets) {
    settings.beginWriteArray(QStringLiteral("LevelSets"), static_cast<int>(sets.size()));
    for (std::size_t i = 0; i < sets.size(); ++i) {
        settings.setArrayIndex(static_cast<int>(i));
        settings.setValue(
            QStringLiteral("set"),
            QString::fromUtf8(
                QJsonDocument(levelSetObject(sets[i])).toJson(QJsonDocument::Compact)));
    }
    settings.endArray();
}

LevelSetRead LevelSetFile::read(const QString& path) {
    const auto failed = [&path](const QString& why) {
        return LevelSetRead{std::nullopt, {path, {}, why}};
    };
    const BoundedFile file = readBoundedFile(path, MaxLevelSetFileBytes);
    if (file.tooLarge)
        return failed(tr("larger than %1 KiB, more than any level set needs")
                          .arg(MaxLevelSetFileBytes / 1024));
    if (!file.bytes)
        return failed(file.error);
    const QByteArray& bytes = *file.bytes;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return failed(tr("not a JSON object"));
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != QStringLiteral("vistaro-levels"))
        return failed(tr("not a Vistaro level set file"));
    if (root.value(QStringLiteral("version")).toDouble() != 1)
        return failed(tr("a version this program does not read"));
    const LevelSetRead read = userSetOf(root);
    return read.set ? read : LevelSetRead{std::nullopt, read.problem.inFile(path)};
}

std::optional<QString> LevelSetFile::save(const QString& path, const LevelSet& set) {
    QJsonObject root = levelSetObject(set);
    root.insert(QStringLiteral("format"), QStringLiteral("vistaro-levels"));
    root.insert(QStringLiteral("version"), 1);
    return failureMessage(saveWhole(path, QJsonDocument(root).toJson(QJsonDocument::Indented)));
}

} // namespace vistaro
