// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/levelsetfile.h"

#include "optics/reading.h"
#include "platform/textlines.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSettings>
#include <cmath>

namespace vistaro {

using namespace Qt::StringLiterals;

namespace {

QString at(const QString& where, QLatin1StringView key) {
    return where.isEmpty() ? QString(key) : where + u'.' + key;
}

// A positive number no larger than `largest` under `key`, or why not.
std::optional<double> positiveOf(const QJsonObject& object, QLatin1StringView key, double largest,
                                 const QString& where, QString& problem) {
    const QJsonValue value = object.value(key);
    const double x = value.toDouble(-1);
    if (value.isUndefined())
        problem = at(where, key) + ": "_L1 + LevelSetFile::tr("missing");
    else if (!value.isDouble() || !(x > 0))
        problem = at(where, key) + ": "_L1 + LevelSetFile::tr("not a positive number");
    else if (!(x <= largest))
        problem = at(where, key) + ": "_L1 +
                  LevelSetFile::tr("larger than %1").arg(QString::number(largest, 'g', 12));
    else
        return x;
    return std::nullopt;
}

// A text of one to MaxLevelNameLength characters under `key`, or why not.
std::optional<QString> nameOf(const QJsonObject& object, QLatin1StringView key,
                              const QString& where, QString& problem) {
    const QString name = object.value(key).toString().trimmed();
    if (!object.value(key).isString() || name.isEmpty())
        problem = at(where, key) + ": "_L1 + LevelSetFile::tr("a name is expected");
    else if (name.size() > MaxLevelNameLength)
        problem = at(where, key) + ": "_L1 +
                  LevelSetFile::tr("longer than %1 characters").arg(MaxLevelNameLength);
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
        QString problem;
        const auto width = positiveOf(object, "plate_width"_L1, MaxPlateWidthMm, {}, problem);
        const auto pixels = positiveOf(object, "plate_pixels"_L1, MaxPlatePixels, {}, problem);
        if (!width || !pixels)
            return {std::nullopt, problem};
        return {plateLevels({*width, *pixels}), {}};
    }
    return {std::nullopt,
            "key: "_L1 + LevelSetFile::tr("\"%1\" is no level set this program knows").arg(key)};
}

LevelSetRead userSetOf(const QJsonObject& object) {
    QString problem;
    const std::optional<QString> name = nameOf(object, "name"_L1, {}, problem);
    if (!name)
        return {std::nullopt, problem};
    const QString unit = object.value("unit"_L1).toString(u"px/m"_s);
    if (unit != "px/m"_L1 && unit != "px/ft"_L1)
        return {std::nullopt, "unit: "_L1 + LevelSetFile::tr("\"%1\" is neither \"px/m\" nor "
                                                             "\"px/ft\"")
                                                .arg(unit)};
    const bool perFoot = unit == "px/ft"_L1;
    const QJsonArray array = object.value("levels"_L1).toArray();
    if (array.isEmpty() || array.size() > MaxLevelsInSet)
        return {std::nullopt, "levels: "_L1 + LevelSetFile::tr("a list of 1 to %1 levels is "
                                                               "expected")
                                                  .arg(MaxLevelsInSet)};
    std::vector<LevelSpec> levels;
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QString where = u"levels["_s + QString::number(i) + u']';
        const QJsonObject level = array[i].toObject();
        const std::optional<QString> levelName = nameOf(level, "name"_L1, where, problem);
        const double largest = perFoot ? MaxLevelDensity * MetresPerFoot : MaxLevelDensity;
        const std::optional<double> density =
            levelName ? positiveOf(level, "density"_L1, largest, where, problem) : std::nullopt;
        if (!density)
            return {std::nullopt, problem};
        QString key = level.value("key"_L1).toString();
        if (key.isEmpty() || std::any_of(levels.begin(), levels.end(),
                                         [&](const LevelSpec& l) { return l.key == key; }))
            key = u"level-"_s + QString::number(i + 1);
        levels.push_back({key, *levelName, *density});
    }
    return {userLevelSet(*name, std::move(levels), perFoot), {}};
}

} // namespace

QJsonObject levelSetObject(const LevelSet& set) {
    if (set.builtIn()) {
        QJsonObject object{{"key"_L1, set.key}};
        if (set.measure == LevelMeasure::PlatePixels) {
            object.insert("plate_width"_L1, set.plateWidthMm);
            object.insert("plate_pixels"_L1, set.levels.front().value);
        }
        return object;
    }
    QJsonArray levels;
    for (const LevelSpec& level : set.levels)
        levels.append(QJsonObject{
            {"key"_L1, level.key}, {"name"_L1, level.name}, {"density"_L1, level.value}});
    return {{"name"_L1, set.name},
            {"unit"_L1, set.typedPerFoot ? "px/ft"_L1 : "px/m"_L1},
            {"levels"_L1, levels}};
}

LevelSetRead levelSetOf(const QJsonObject& object) {
    if (object.contains("key"_L1))
        return builtInOf(object, object.value("key"_L1).toString());
    return userSetOf(object);
}

std::vector<LevelSet> loadUserLevelSets(QSettings& settings) {
    std::vector<LevelSet> sets;
    const int count = settings.beginReadArray(u"LevelSets"_s);
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        const QJsonDocument document =
            QJsonDocument::fromJson(settings.value(u"set"_s).toString().toUtf8());
        const LevelSetRead read = levelSetOf(document.object());
        if (read.set && !read.set->builtIn())
            sets.push_back(*read.set);
    }
    settings.endArray();
    return sets;
}

void saveUserLevelSets(QSettings& settings, const std::vector<LevelSet>& sets) {
    settings.beginWriteArray(u"LevelSets"_s, static_cast<int>(sets.size()));
    for (std::size_t i = 0; i < sets.size(); ++i) {
        settings.setArrayIndex(static_cast<int>(i));
        settings.setValue(
            u"set"_s, QString::fromUtf8(
                          QJsonDocument(levelSetObject(sets[i])).toJson(QJsonDocument::Compact)));
    }
    settings.endArray();
}

LevelSetRead LevelSetFile::read(const QString& path) {
    const auto failed = [&path](const QString& why) {
        return LevelSetRead{std::nullopt, tr("The level set file \"%1\" could not be read: %2")
                                              .arg(QDir::toNativeSeparators(path), why)};
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
    if (root.value("format"_L1).toString() != "vistaro-levels"_L1)
        return failed(tr("not a Vistaro level set file"));
    if (root.value("version"_L1).toDouble() != 1)
        return failed(tr("a version this program does not read"));
    LevelSetRead read = userSetOf(root);
    if (!read.set)
        return failed(read.problem);
    return read;
}

std::optional<QString> LevelSetFile::save(const QString& path, const LevelSet& set) {
    QJsonObject root = levelSetObject(set);
    root.insert("format"_L1, "vistaro-levels"_L1);
    root.insert("version"_L1, 1);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QJsonDocument(root).toJson(QJsonDocument::Indented));
        if (file.commit())
            return std::nullopt;
    }
    return tr("The level set file \"%1\" could not be written: %2")
        .arg(QDir::toNativeSeparators(path), file.errorString());
}

} // namespace vistaro
