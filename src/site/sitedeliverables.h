// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/bestlevel.h"
#include "site/sitecoverage.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QRectF>
#include <QSize>
#include <map>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace vistaro {

// A table across a page or down a file: its heading, the column captions and a row of texts each.
struct ScheduleTable {
    QString heading;
    QStringList columns;
    QList<QStringList> rows;
};

// An entry of the plan's legend, in the order it reads: each level's band, then the dead zone,
// the covered part of an area, an area met and one not met, a wall and an obstacle.
struct LegendEntry {
    enum class Kind { Band, DeadZone, Covered, Met, NotMet, Wall, Obstacle };
    Kind kind = Kind::Band;
    Level level = 0; // of a band
    QString text;
};

// The scale bar below a plan: its length on the drawing and what it says.
struct ScaleBar {
    double pixels = 0;
    QString text;
};

// The texts of the report's own pages, as of a day.
struct ReportTexts {
    QString planTitle;
    QString scheduleTitle;
    QString day;
    QString footer;
};

// Where the coverage lies in an SVG drawn at a scale, its width and height in millimetres
// (SvgDotsPerMillimetre dots a millimetre of paper) and its viewBox in metres.
struct SvgFrame {
    QPointF origin; // the plan's point the drawing counts from, in metres
    QRectF box;     // the viewBox in metres, x to the east and y to the south of `origin`
    QSize size;     // in dots
    QString title;
    QString description;
};
inline constexpr double SvgDotsPerMillimetre = 10;
// The SVG's scale, 1 to this: a 20 m shop is 200 mm wide on the drawing.
inline constexpr int SvgScale = 100;

// What the designer hands over says, worked out from the site and what its cameras cover: the
// schedule, the texts of the report's pages and the figures of the drawings. The windows, the
// report and the files draw it.
class SiteDeliverables {
    Q_DECLARE_TR_FUNCTIONS(vistaro::SiteDeliverables)

public:
    // `coverage` holds the cameras and areas of `site`, in its order. Both must outlive this.
    // `background`: where the background picture lies on the plan (planExtent), when shown.
    SiteDeliverables(const Site& site, const SiteCoverage& coverage,
                     const std::optional<QRectF>& background = std::nullopt);

    const Site& site() const { return m_site; }
    const SiteCoverage& coverage() const { return m_coverage; }

    // The schedule: a row a camera (name, its storey on a site of several, position, mounting
    // height, pan, tilt, lens, focal length, the level wanted and the level reached at its aim)
    // and a row an area (name, its storey on a site of several, level, required share, covered
    // share, met), numbers as `locale` writes them, in the site's units.
    ScheduleTable cameraSchedule(const QLocale& locale) const;
    ScheduleTable areaSchedule(const QLocale& locale) const;
    // Both tables, the areas' after a blank line, with the rules of CsvFile and a decimal point.
    QByteArray scheduleCsv() const;

    static ReportTexts reportTexts(const QDate& date);
    // The cover's lines as label and value: the site's properties that are given, the date and
    // its count of cameras and areas; headed by the project's name.
    ScheduleTable cover(const QDate& date) const;
    // What passed, as label and value: the count of cameras, of areas met, and a line an area
    // (its storey after its name on a site of several).
    ScheduleTable summary(const QLocale& locale) const;
    // The level camera `camera` reaches at its aim distance, or says it reaches none.
    QString levelReached(int camera) const;
    // What a printed or exported plan frames, in metres (printedFrame of the extent), where its
    // bands are cut too; a square of 10 m round the origin for an empty site.
    QRectF planBounds() const;
    // The part of the plan round camera `camera`: the box of what it covers as drawn and of the
    // camera, with a margin.
    QRectF cameraWindow(int camera) const;
    // By level of the site's set: where it is the best level any camera of `storey` meets, cut
    // as drawn (BandCut). Worked out on first use and kept: every page of a report draws it.
    const std::vector<PlanShape>& bestLevels(int storey = 0) const;
    // The camera's footprint cut as drawn.
    const CameraFootprint& drawnFootprint(int camera) const {
        return m_drawn.at(static_cast<std::size_t>(camera));
    }
    // The legend of a plan of `levels`: it depends on nothing else, so the plan's dock asks it
    // without working out a drawing.
    static std::vector<LegendEntry> legend(const LevelSet& levels);
    // A bar of 1, 2 or 5 times a power of ten of the site's unit, at most `mostPixels` long on a
    // drawing of `pixelsPerMetre`.
    ScaleBar scaleBar(double pixelsPerMetre, double mostPixels) const;
    // The SVG's frame round planBounds() at 1:`scale`; the reason when the site is too large
    // for one.
    std::variant<SvgFrame, QString> svgFrame(int scale = SvgScale) const;

    // The figure "Scale 1:200 on A4" of a plan drawn at 1:`scale` on `paper` (if named).
    static QString scaleText(int scale, const QString& paper);

private:
    // A site of several storeys: `table` (a row an item of `items`) with a "Storey" column after
    // the name.
    template <typename Item>
    void withStoreys(ScheduleTable& table, const std::vector<Item>& items) const;

    const Site& m_site;
    const SiteCoverage& m_coverage;
    std::optional<QRectF> m_extent;
    std::vector<CameraFootprint> m_drawn;
    // Shared by the copies that the report's pages keep, so that it is worked out once.
    std::shared_ptr<std::map<int, std::vector<PlanShape>>> m_bestLevels =
        std::make_shared<std::map<int, std::vector<PlanShape>>>();
};

// The largest standard scale (1:50, 1:100, 1:200, 1:500, 1:1000, then 1, 2 and 5 times a power
// of ten) at which a plan `extentMetres` wide and high fits `paperMm`, as its denominator; 0 when
// none does (a paper of no size).
int planScale(const QSizeF& extentMetres, const QSizeF& paperMm);

} // namespace vistaro
