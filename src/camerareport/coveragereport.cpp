// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "camerareport/coveragereport.h"

#include "optics/coverageformat.h"
#include "optics/lensfields.h"
#include "platform/numberformat.h"

#include <QLocale>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>
#include <initializer_list>
#include <utility>

namespace vistaro {

namespace {

using Paint = void (*)(QPainter&, const QRectF&, const ViewModel&);

// The trade name of a sensor of this size, as the presets write it, or none.
QString presetName(SensorSize size) {
    for (const SensorPreset& preset : sensorPresets())
        if (sameSize(preset.size, size))
            return QLatin1String(preset.name);
    return {};
}

ReportSection cameraSection(const CoverageShown& shown) {
    ReportSection section{CoverageReport::tr("Camera"), {}, {}};
    if (!shown.camera) {
        section.rows.append({CoverageReport::tr("Sensor"), {QStringLiteral("-")}});
        return section;
    }
    const Camera& camera = *shown.camera;
    const QString name = presetName(camera.sensor);
    const QString size = CoverageText::millimetres(camera.sensor);
    section.rows.append({CoverageReport::tr("Sensor"),
                         {name.isEmpty() ? size : QStringLiteral("%1 (%2)").arg(name, size)}});
    if (shown.sensorSource == SensorSource::PixelSize)
        section.rows.append(
            {CoverageReport::tr("Pixel size"),
             {CoverageText::number(shown.pixelMicrometres, 3) + QStringLiteral(" \u00b5m")}});
    section.rows.append(
        {CoverageReport::tr("Resolution"),
         {QStringLiteral("%1 x %2").arg(camera.image.columns).arg(camera.image.rows)}});
    // A picture of another shape than the sensor's leaves part of it unused.
    const SensorSize imaged = imagedArea(camera.sensor, camera.image);
    if (!sameSize(imaged, camera.sensor))
        section.rows.append(
            {CoverageReport::tr("Picture area"), {CoverageText::millimetres(imaged)}});
    return section;
}

ReportSection siteSection(const CoverageShown& shown) {
    const Units units = shown.model.units;
    ReportSection section{
        CoverageReport::tr("Site"),
        {},
        {{CoverageReport::tr("Level set"), {CoverageText::levelSetName(shown.model.levelSet)}},
         {CoverageReport::tr("Level wanted"),
          {CoverageText::levelName(shown.model.levelSet, shown.level)}},
         {CoverageReport::tr("Mounting height"),
          {CoverageText::length(shown.model.mountHeightM, units)}},
         {CoverageReport::tr("Target height"),
          {CoverageText::length(shown.model.targetHeightM, units)}}}};
    if (shown.tiltDeg)
        section.rows.append(
            {CoverageReport::tr("Tilt angle"), {CoverageText::angle(shown.tiltDeg)}});
    return section;
}

// The words for a catalogue code, or the code itself when it is none of `names`.
QString nameOf(const QString& code, std::initializer_list<std::pair<const char*, QString>> names) {
    for (const auto& [known, name] : names)
        if (code == QLatin1String(known))
            return name;
    return code;
}

QString lensType(const QString& code) {
    return nameOf(code, {{"FF", CoverageReport::tr("Fixed focal length")},
                         {"HSP", CoverageReport::tr("Aspherical")},
                         {"VAR", CoverageReport::tr("Varifocal")},
                         {"ZOOM", CoverageReport::tr("Zoom")}});
}

QString irisName(const QString& code) {
    return nameOf(code, {{"MI", CoverageReport::tr("Manual")},
                         {"DD", CoverageReport::tr("Direct drive (DC)")},
                         {"VD", CoverageReport::tr("Video drive")},
                         {"M", CoverageReport::tr("Motorised")}});
}

// The catalogue's minimum focus in metres: in the units on show, "-" for none; as written, and
// said to be so, when it is no number.
QString minimumFocus(const QString& metres, Units units) {
    const std::optional<double> value = num::toDouble(metres);
    if (value)
        return CoverageText::length(*value > 0 ? value : std::nullopt, units);
    if (metres.trimmed().isEmpty())
        return QStringLiteral("-");
    return CoverageReport::tr("%1 m, as the catalogue writes it").arg(metres.trimmed());
}

QString fStop(const QString& catalogue) {
    const QString written = catalogue.trimmed();
    return written.isEmpty() ? QStringLiteral("-") : QStringLiteral("F") + written;
}

std::optional<double> focalOf(const QString& text) {
    return readNumber(text, Quantity::Focal).value;
}

// The projection, the datasheet's angle when typed, and what the depth of field takes.
QList<ReportRow> lensModelRows(const CoverageShown& shown) {
    const std::optional<double> angle = shown.lensModel.datasheetAngleHDeg;
    QList<ReportRow> rows{
        {CoverageReport::tr("Projection"), {LensText::projectionName(shown.lensModel.projection)}}};
    if (angle)
        rows.append({CoverageReport::tr("Datasheet angle"), {CoverageText::angle(angle)}});
    rows.append({CoverageReport::tr("F-number (depth of field)"),
                 {shown.fNumber ? CoverageText::number(*shown.fNumber, 2) : QStringLiteral("-")}});
    rows.append(
        {CoverageReport::tr("Circle of confusion"),
         {shown.confusionPixels
              ? CoverageReport::tr("%1 pixels").arg(CoverageText::number(*shown.confusionPixels, 3))
              : QStringLiteral("-")}});
    return rows;
}

ReportSection lensSection(const CoverageShown& shown) {
    const QString wide = CoverageText::focal(focalOf(shown.reading.focal1));
    ReportSection section{
        CoverageReport::tr("Lens"),
        {},
        {{CoverageReport::tr("Focal length"),
          {shown.reading.zoom ? QStringLiteral("%1 \u2013 %2")
                                    .arg(wide, CoverageText::focal(focalOf(shown.reading.focal2)))
                              : wide}}}};
    section.rows.append(lensModelRows(shown));
    if (!shown.lens)
        return section;
    const LensOnShow& lens = *shown.lens;
    const bool range = lens.typeCode == u"VAR" || lens.typeCode == u"ZOOM";
    section.rows.append({
        {CoverageReport::tr("Model"), {lens.name}},
        {CoverageReport::tr("Type"), {lensType(lens.typeCode)}},
        {CoverageReport::tr("Focal range"),
         {(range ? lens.focalMin + QStringLiteral(" \u2013 ") + lens.focalMax : lens.focalMin) +
          QStringLiteral(" mm")}},
        {CoverageReport::tr("Iris"), {irisName(lens.iris)}},
        {CoverageReport::tr("F-stop"), {fStop(lens.fStop)}},
        {CoverageReport::tr("Minimum focus"), {minimumFocus(lens.minFocus, shown.model.units)}},
        {CoverageReport::tr("Datasheet"),
         {lens.datasheet.isEmpty() ? CoverageReport::tr("None") : lens.datasheet}},
    });
    return section;
}

// One value column for each end: its focal length and distance, then the window's figures.
ReportSection resultsSection(const CoverageShown& shown) {
    ReportSection section{CoverageReport::tr("What the camera sees"), {}, {}};
    const std::vector<ViewEnd>& ends = shown.model.ends;
    if (ends.size() > 1)
        for (const ViewEnd& end : ends)
            section.columns.append(end.name);
    const QString focals[] = {shown.reading.focal1, shown.reading.focal2};
    ReportRow focal{CoverageReport::tr("Focal length"), {}};
    ReportRow distance{CoverageReport::tr("Distance"), {}};
    std::vector<std::vector<ShownFigure>> figures;
    for (std::size_t i = 0; i < ends.size(); ++i) {
        focal.values.append(CoverageText::focal(focalOf(focals[std::min<std::size_t>(i, 1)])));
        distance.values.append(CoverageText::length(ends[i].distanceM, shown.model.units));
        figures.push_back(
            shownFigures(ends[i].result, shown.model.levelSet, shown.level, shown.model.units));
    }
    section.rows = {focal, distance};
    for (std::size_t row = 0; !figures.empty() && row < figures.front().size(); ++row) {
        ReportRow line{figures.front()[row].caption, {}};
        for (const std::vector<ShownFigure>& end : figures)
            line.values.append(end[row].text);
        // A figure that no end has (the edge density of a rectilinear lens) is left out.
        if (std::any_of(line.values.begin(), line.values.end(),
                        [](const QString& text) { return !text.isEmpty(); }))
            section.rows.append(line);
    }
    if (!shown.problem.isEmpty())
        section.rows.append({CoverageReport::tr("Note"), {shown.problem}});
    return section;
}

ReportDrawing drawing(const QString& caption, QSizeF size, Paint paint,
                      const CoverageShown& shown) {
    return {caption, size,
            [paint, model = shown.model, font = shown.font](QPainter& painter, const QRectF& area) {
                painter.setFont(font);
                paint(painter, area, model);
            }};
}

} // namespace

ReportDocument CoverageReport::document(const CoverageShown& shown) {
    ReportDocument document;
    document.title = tr("Camera coverage");
    document.subtitle = QLocale().toString(shown.date, QLocale::LongFormat);
    document.sections = {cameraSection(shown), siteSection(shown), lensSection(shown),
                         resultsSection(shown)};
    document.drawings = {
        drawing(tr("Top view"), shown.topViewSize, &CoverageDrawing::paintTopView, shown),
        drawing(tr("Side view"), shown.sideViewSize, &CoverageDrawing::paintSideView, shown)};
    document.footer =
        tr("%1 %2, lens calculator for CCTV cameras")
            .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
    return document;
}

QString CoverageReport::fileName(const CoverageShown& shown) {
    QString name = tr("Coverage");
    if (shown.lens)
        name += u' ' + shown.lens->name;
    name += u' ' + shown.date.toString(Qt::ISODate);
    // Catalogue text may hold characters that no file name can.
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    return name.replace(unsafe, QStringLiteral("-"));
}

} // namespace vistaro
