// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/coverageinputs.h"

#include "optics/levelsetfile.h"
#include "optics/reading.h"

#include <QSettings>
#include <algorithm>
#include <array>
#include <cmath>

namespace vistaro {

namespace {

constexpr std::array<const char*, 4> SourceKeys{"calculator", "preset", "custom", "pixel"};
constexpr std::array<const char*, 2> UnitKeys{"metric", "imperial"};
constexpr std::array<const char*, 2> AimKeys{"target", "tilt"};

// The enumerator stored under `key` by its name in `names`; `fallback` for anything else.
template <typename Enum, std::size_t N>
Enum readChoice(const QSettings& settings, const char* key, const std::array<const char*, N>& names,
                Enum fallback) {
    const QString stored = settings.value(QLatin1String(key)).toString();
    const auto found = std::find_if(names.begin(), names.end(), [&](const char* name) {
        return stored == QLatin1String(name);
    });
    return found == names.end() ? fallback : static_cast<Enum>(found - names.begin());
}

template <typename Enum, std::size_t N>
void writeChoice(QSettings& settings, const char* key, const std::array<const char*, N>& names,
                 Enum value) {
    settings.setValue(QLatin1String(key), QLatin1String(names.at(static_cast<std::size_t>(value))));
}

// A number stored under `key` that the window would take for `quantity` (lengths in metres);
// `fallback` for anything else.
double readStored(const QSettings& settings, const char* key, Quantity quantity, double fallback) {
    bool ok = false;
    const double value = settings.value(QLatin1String(key)).toDouble(&ok);
    return ok ? checked(value, quantity).value.value_or(fallback) : fallback;
}

// A positive number up to `largest` stored under `key`; `fallback` for anything else.
double readBelow(const QSettings& settings, const char* key, double largest, double fallback) {
    bool ok = false;
    const double value = settings.value(QLatin1String(key)).toDouble(&ok);
    return ok && value > 0 && value <= largest ? value : fallback;
}

int readCount(const QSettings& settings, const char* key, int fallback) {
    bool ok = false;
    const int value = settings.value(QLatin1String(key)).toInt(&ok);
    return ok && value > 0 ? value : fallback;
}

bool isPreset(const QString& name) {
    const auto presets = sensorPresets();
    return std::any_of(presets.begin(), presets.end(), [&](const SensorPreset& preset) {
        return name == QLatin1String(preset.name);
    });
}

bool positiveSize(SensorSize size) {
    return size.widthMm > 0 && size.heightMm > 0 && std::isfinite(size.widthMm) &&
           std::isfinite(size.heightMm);
}

} // namespace

CoverageInputs loadCoverageInputs(QSettings& settings) {
    const CoverageInputs defaults;
    CoverageInputs inputs;
    settings.beginGroup(QStringLiteral("Coverage"));
    inputs.sensorSource = readChoice(settings, "sensor", SourceKeys, defaults.sensorSource);
    const QString preset = settings.value(QStringLiteral("sensorPreset")).toString();
    if (isPreset(preset))
        inputs.sensorPreset = preset;
    inputs.customSensor = {
        readStored(settings, "sensorWidth", Quantity::SensorWidth, defaults.customSensor.widthMm),
        readStored(settings, "sensorHeight", Quantity::SensorHeight,
                   defaults.customSensor.heightMm)};
    inputs.pixelMicrometres =
        readStored(settings, "pixelSize", Quantity::PixelSize, defaults.pixelMicrometres);
    inputs.image = {readCount(settings, "columns", defaults.image.columns),
                    readCount(settings, "rows", defaults.image.rows)};
    inputs.plate = {
        readBelow(settings, "plateWidth", MaxPlateWidthMm, defaults.plate.widthMm),
        readBelow(settings, "platePixels", MaxPlatePixels, defaults.plate.minimumPixels)};
    inputs.mountHeightM =
        readStored(settings, "mountHeight", Quantity::MountHeight, defaults.mountHeightM);
    inputs.targetHeightM =
        readStored(settings, "targetHeight", Quantity::TargetHeight, defaults.targetHeightM);
    inputs.units = readChoice(settings, "units", UnitKeys, defaults.units);
    inputs.aim = readChoice(settings, "aim", AimKeys, defaults.aim);
    inputs.tiltDeg = readStored(settings, "tilt", Quantity::Tilt, defaults.tiltDeg);
    inputs.lens.projection =
        projectionOfKey(settings.value(QStringLiteral("projection")).toString())
            .value_or(defaults.lens.projection);
    // None stored, or none that reads: the field follows the focal length.
    bool angleRead = false;
    const double angle = settings.value(QStringLiteral("datasheetAngle")).toDouble(&angleRead);
    if (angleRead)
        inputs.lens.datasheetAngleHDeg = checked(angle, Quantity::DatasheetAngle).value;
    inputs.fNumber = readStored(settings, "fNumber", Quantity::FNumber, defaults.fNumber);
    inputs.confusionPixels =
        readStored(settings, "confusionPixels", Quantity::Confusion, defaults.confusionPixels);
    const QString setKey = settings.value(QStringLiteral("levelSet")).toString();
    const QString levelKey = settings.value(QStringLiteral("level")).toString();
    settings.endGroup();
    inputs.levelSet =
        levelSetByKey(offeredLevelSets(inputs.plate, loadUserLevelSets(settings)), setKey);
    inputs.level = inputs.levelSet.find(levelKey).value_or(inputs.levelSet.defaultLevel);
    return inputs;
}

void saveCoverageInputs(QSettings& settings, const CoverageInputs& inputs) {
    settings.beginGroup(QStringLiteral("Coverage"));
    writeChoice(settings, "sensor", SourceKeys, inputs.sensorSource);
    settings.setValue(QStringLiteral("sensorPreset"), inputs.sensorPreset);
    settings.setValue(QStringLiteral("sensorWidth"), inputs.customSensor.widthMm);
    settings.setValue(QStringLiteral("sensorHeight"), inputs.customSensor.heightMm);
    settings.setValue(QStringLiteral("pixelSize"), inputs.pixelMicrometres);
    settings.setValue(QStringLiteral("columns"), inputs.image.columns);
    settings.setValue(QStringLiteral("rows"), inputs.image.rows);
    settings.setValue(QStringLiteral("levelSet"), inputs.levelSet.key);
    settings.setValue(QStringLiteral("level"),
                      inputs.levelSet.levels.at(inputs.levelSet.clamp(inputs.level)).key);
    settings.setValue(QStringLiteral("plateWidth"), inputs.plate.widthMm);
    settings.setValue(QStringLiteral("platePixels"), inputs.plate.minimumPixels);
    settings.setValue(QStringLiteral("mountHeight"), inputs.mountHeightM);
    settings.setValue(QStringLiteral("targetHeight"), inputs.targetHeightM);
    writeChoice(settings, "units", UnitKeys, inputs.units);
    writeChoice(settings, "aim", AimKeys, inputs.aim);
    settings.setValue(QStringLiteral("tilt"), inputs.tiltDeg);
    settings.setValue(QStringLiteral("projection"), QString(projectionKey(inputs.lens.projection)));
    if (inputs.lens.datasheetAngleHDeg)
        settings.setValue(QStringLiteral("datasheetAngle"), *inputs.lens.datasheetAngleHDeg);
    else
        settings.remove(QStringLiteral("datasheetAngle"));
    settings.setValue(QStringLiteral("fNumber"), inputs.fNumber);
    settings.setValue(QStringLiteral("confusionPixels"), inputs.confusionPixels);
    settings.endGroup();
}

const SensorPreset* sensorPresetOf(const CoverageInputs& inputs, SensorFormat calculatorFormat) {
    switch (inputs.sensorSource) {
    case SensorSource::Calculator:
        return &formatPreset(calculatorFormat);
    case SensorSource::Preset:
        for (const SensorPreset& preset : sensorPresets())
            if (inputs.sensorPreset == QLatin1String(preset.name))
                return &preset;
        return nullptr;
    case SensorSource::Custom:
    case SensorSource::PixelSize:
        break;
    }
    return nullptr;
}

std::optional<Camera> cameraOf(const CoverageInputs& inputs, SensorFormat calculatorFormat) {
    if (inputs.image.columns <= 0 || inputs.image.rows <= 0)
        return std::nullopt;
    std::optional<SensorSize> sensor;
    if (const SensorPreset* preset = sensorPresetOf(inputs, calculatorFormat))
        sensor = preset->size;
    else if (inputs.sensorSource == SensorSource::Custom)
        sensor = inputs.customSensor;
    else if (inputs.sensorSource == SensorSource::PixelSize)
        sensor = sensorOfPixels(inputs.pixelMicrometres, inputs.image);
    if (!sensor || !positiveSize(*sensor))
        return std::nullopt;
    return Camera{*sensor, inputs.image};
}

} // namespace vistaro
