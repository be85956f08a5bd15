// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/planimport.h"

#include "dxf/dxfimport.h"
#include "dxf/dxfsummary.h"
#include "platform/dialogs.h"
#include "site/plancoordinates.h"
#include "site/sitefile.h"
#include "siteplan/dxfplan.h"

#include <QFileInfo>
#include <QPdfDocument>
#include <QProgressDialog>
#include <array>
#include <cmath>

namespace vistaro {

namespace {

// How long a load runs before its progress dialog shows, in milliseconds.
constexpr int ProgressDelayMs = 500;
constexpr int ProgressSteps = 1000;
constexpr double PointsPerInch = 72;

class DialogProgress : public LoadProgress {
public:
    DialogProgress(QWidget* parent, const QString& file)
        : m_dialog(PlanImport::tr("Reading %1...").arg(QFileInfo(file).fileName()),
                   PlanImport::tr("Cancel"), 0, ProgressSteps, parent) {
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(ProgressDelayMs);
        m_dialog.setValue(0);
    }

    bool step(qint64 done, qint64 total) override {
        // A modal progress dialog handles the events, the cancel button's too, as it moves.
        if (total > 0)
            m_dialog.setValue(static_cast<int>(done * ProgressSteps / total));
        return !m_dialog.wasCanceled();
    }

private:
    QProgressDialog m_dialog;
};

// A PDF opened, or why it cannot be.
std::optional<QString> openPdf(QPdfDocument& document, const QString& file) {
    switch (document.load(file)) {
    case QPdfDocument::Error::None:
        return std::nullopt;
    case QPdfDocument::Error::FileNotFound:
        return PlanImport::tr("The file does not exist.");
    case QPdfDocument::Error::IncorrectPassword:
    case QPdfDocument::Error::UnsupportedSecurityScheme:
        return PlanImport::tr("The PDF is protected by a password.");
    default:
        return PlanImport::tr("It is not a PDF that can be read.");
    }
}

// The page of a PDF to show and the resolution to render it at.
struct PdfChoice {
    int page = 1;
    double dpi = 150;
};

std::optional<PdfChoice> askPdf(QWidget* parent, int pages) {
    PdfChoice choice;
    Dialogs& dialogs = Dialogs::current();
    if (pages > 1) {
        const std::optional<int> page = dialogs.wholeNumber(
            parent, PlanImport::tr("PDF plan"),
            PlanImport::tr("Page to show (1 to %1):").arg(pages), 1, 1, pages, 1);
        if (!page)
            return std::nullopt;
        choice.page = *page;
    }
    const std::optional<int> dpi =
        dialogs.wholeNumber(parent, PlanImport::tr("PDF plan"),
                            PlanImport::tr("Resolution to render the page at (dpi):"),
                            static_cast<int>(choice.dpi), int(MinPdfDpi), int(MaxPdfDpi), 10);
    if (!dpi)
        return std::nullopt;
    choice.dpi = *dpi;
    return choice;
}

// Metres a unit of `drawing`: as it states them, else asked; none when cancelled.
std::optional<double> unitOf(QWidget* parent, const DxfDrawing& drawing, const QString& file) {
    if (const std::optional<double> stated = metresPerInsUnit(drawing.insUnits))
        return stated;
    // The $INSUNITS codes a floor plan is drawn in: millimetres first, as most are, inches first
    // for a drawing made with imperial defaults.
    std::array<std::pair<int, QString>, 5> units{{{4, PlanImport::tr("millimetres")},
                                                  {5, PlanImport::tr("centimetres")},
                                                  {6, PlanImport::tr("metres")},
                                                  {1, PlanImport::tr("inches")},
                                                  {2, PlanImport::tr("feet")}}};
    if (drawing.measurement == 0)
        std::rotate(units.begin(), units.begin() + 3, units.end());
    QStringList names;
    for (const auto& unit : units)
        names.append(unit.second);
    const std::optional<QString> picked = Dialogs::current().choice(
        parent, PlanImport::tr("Drawing units"),
        PlanImport::tr("The drawing %1 does not say in which units it is drawn. Its units are:")
            .arg(QFileInfo(file).fileName()),
        names, 0);
    if (!picked)
        return std::nullopt;
    return metresPerInsUnit(units.at(static_cast<std::size_t>(names.indexOf(*picked))).first);
}

} // namespace

QStringList hiddenLayers(const SiteBackground& background, const DxfDrawing& drawing) {
    if (background.hiddenLayers)
        return *background.hiddenLayers;
    QStringList off;
    for (const DxfLayer& layer : drawing.layers)
        if (!layer.on || layer.frozen)
            off.append(layer.name);
    return off;
}

bool showsTheSame(const SiteBackground& one, const SiteBackground& other) {
    return one.file == other.file && one.page == other.page && one.dpi == other.dpi &&
           one.hiddenLayers == other.hiddenLayers;
}

PlanImport::PlanImport(QWidget* parent)
    : QObject(parent), m_parent(parent), m_progress([](QWidget* parent, const QString& file) {
          return std::make_unique<DialogProgress>(parent, file);
      }),
      m_layerAsker([](QWidget* parent, const DxfDrawing& drawing,
                      const QStringList& hidden) -> std::optional<LayerChoice> {
          DxfLayersDialog dialog(drawing, hidden, parent);
          return dialog.exec() == QDialog::Accepted ? std::optional(dialog.choice()) : std::nullopt;
      }) {}

std::variant<SiteBackground, QString, LoadCancelled> PlanImport::choose(const QString& path,
                                                                        PlanPoint centre) {
    // A file chosen again is read again: it may have changed since.
    m_kept.reset();
    SiteBackground background;
    background.file = QFileInfo(path).absoluteFilePath();
    const BackgroundKind kind = backgroundKind(path);
    if (kind == BackgroundKind::Pdf) {
        QPdfDocument document;
        if (const std::optional<QString> problem = openPdf(document, background.file))
            return *problem;
        const std::optional<PdfChoice> choice = askPdf(m_parent, document.pageCount());
        if (!choice)
            return LoadCancelled{};
        background.page = choice->page;
        background.dpi = choice->dpi;
    }
    auto read = picture(background);
    if (const auto* problem = std::get_if<QString>(&read))
        return *problem;
    if (std::holds_alternative<LoadCancelled>(read))
        return LoadCancelled{};
    const BackgroundPicture& shown = std::get<BackgroundPicture>(read);
    if (kind == BackgroundKind::Dxf) {
        if (!settleUnits(background))
            return LoadCancelled{};
        return background;
    }
    // Centred, one pixel two centimetres until its scale is set.
    const QSizeF size = shown.size();
    background.offset = {centre.x - size.width() * UnscaledMetresPerPixel / 2,
                         centre.y + size.height() * UnscaledMetresPerPixel / 2};
    return background;
}

std::variant<BackgroundPicture, QString, LoadCancelled>
PlanImport::picture(const SiteBackground& background) {
    if (!m_kept || m_kept->file != background.file || m_kept->page != background.page ||
        m_kept->dpi != background.dpi) {
        auto read = this->read(background);
        const auto* picture = std::get_if<BackgroundPicture>(&read);
        if (!picture)
            return read;
        m_kept = Kept{background.file, background.page, background.dpi, *picture};
    }
    if (const auto& plan = m_kept->picture.dxf())
        return BackgroundPicture(plan, hiddenLayers(background, plan->drawing()));
    return m_kept->picture;
}

bool PlanImport::settleUnits(SiteBackground& background) {
    if (background.scale || backgroundKind(background.file) != BackgroundKind::Dxf)
        return true;
    const auto read = picture(background);
    if (std::holds_alternative<LoadCancelled>(read))
        return false;
    const auto* shown = std::get_if<BackgroundPicture>(&read);
    if (!shown || !shown->dxf())
        return true;
    const std::optional<double> unit = unitOf(m_parent, shown->dxf()->drawing(), background.file);
    if (!unit)
        return false;
    // A drawing unit from (0, 0) to (1, 0): the drawing's own coordinates on the plan.
    background.scale = BackgroundScale{{0, 0}, {1, 0}, *unit};
    return true;
}

std::optional<PlanPoint> PlanImport::lowerLeft(const SiteBackground& background) {
    const auto shown = picture(background);
    const auto* read = std::get_if<BackgroundPicture>(&shown);
    if (!read || !read->dxf() || read->dxf()->drawing().bounds.isEmpty())
        return std::nullopt;
    // A drawing's pixels run down from its y: its lowest y is its lowest pixel row.
    const DxfBounds& bounds = read->dxf()->drawing().bounds;
    return planOfPixel(background, {bounds.minX, -bounds.minY});
}

std::optional<LayerEdit> PlanImport::editLayers(const SiteBackground& background) {
    if (backgroundKind(background.file) != BackgroundKind::Dxf)
        return std::nullopt;
    const auto shown = picture(background);
    const auto* read = std::get_if<BackgroundPicture>(&shown);
    if (!read || !read->dxf())
        return std::nullopt;
    const DxfDrawing& drawing = read->dxf()->drawing();
    const QStringList hidden = hiddenLayers(background, drawing);
    const std::optional<LayerChoice> choice = m_layerAsker(m_parent, drawing, hidden);
    if (!choice)
        return std::nullopt;
    // A drawing unit is a pixel of the background, its y turned over: (x, y) lies at
    // offset + (x, y) x metres a pixel.
    const double metres = metresPerPixel(background);
    LayerEdit edit;
    if (choice->hidden != hidden)
        edit.hidden = choice->hidden;
    edit.walls = wallsFromLayers(drawing, choice->walls, metres, background.offset);
    for (const LayerObstacles& layer : choice->obstacles) {
        DxfOutlines outlines = outlinesFromLayers(drawing, {layer.name}, metres, background.offset);
        for (std::vector<PlanPoint>& outline : outlines.closed)
            edit.obstacles.push_back({layer.name, std::move(outline), layer.bottomM, layer.topM});
        edit.openOutlines += outlines.open;
    }
    return edit;
}

std::variant<BackgroundPicture, QString, LoadCancelled>
PlanImport::read(const SiteBackground& background) {
    switch (backgroundKind(background.file)) {
    case BackgroundKind::Dxf:
        return readDxf(background.file);
    case BackgroundKind::Pdf:
        return readPdf(background);
    case BackgroundKind::Picture:
        break;
    }
    auto picture = loadBackgroundPicture(background.file);
    if (auto* problem = std::get_if<QString>(&picture))
        return *problem;
    return std::get<BackgroundPicture>(picture);
}

std::variant<BackgroundPicture, QString, LoadCancelled> PlanImport::readDxf(const QString& file) {
    if (!QFileInfo(file).isFile())
        return tr("The file does not exist.");
    const std::unique_ptr<LoadProgress> progress = m_progress(m_parent, file);
    DxfReadResult read = readDxfFile(
        file, [&progress](qint64 done, qint64 total) { return progress->step(done, total); });
    switch (read.outcome) {
    case DxfReadResult::Outcome::Cancelled:
        return LoadCancelled{};
    case DxfReadResult::Outcome::Failed:
        return read.error;
    case DxfReadResult::Outcome::Read:
        break;
    }
    const QString summary = DxfSummary::notDrawn(read.drawing.notDrawn);
    BackgroundPicture picture(std::make_shared<const DxfPlan>(std::move(read.drawing)), {});
    if (picture.isNull())
        return summary.isEmpty() ? tr("The drawing holds nothing to draw.")
                                 : tr("The drawing holds nothing to draw: %1.").arg(summary);
    if (!summary.isEmpty())
        emit notDrawn(summary);
    return picture;
}

std::variant<BackgroundPicture, QString, LoadCancelled>
PlanImport::readPdf(const SiteBackground& background) {
    QPdfDocument document;
    if (const std::optional<QString> problem = openPdf(document, background.file))
        return *problem;
    if (background.page > document.pageCount())
        return tr("The PDF has no page %1.").arg(background.page);
    const QSizeF pixels =
        document.pagePointSize(background.page - 1) * background.dpi / PointsPerInch;
    if (!(pixels.width() * pixels.height() <= MaxPdfPixels))
        return tr("At %1 dpi page %2 would take %3 megapixels, more than the %4 a plan may take. "
                  "Choose a lower resolution.")
            .arg(background.dpi)
            .arg(background.page)
            .arg(std::round(pixels.width() * pixels.height() / 1e6))
            .arg(MaxPdfPixels / 1e6);
    const std::unique_ptr<LoadProgress> progress = m_progress(m_parent, background.file);
    if (!progress->step(0, 1))
        return LoadCancelled{};
    const QImage page = document.render(background.page - 1, pixels.toSize());
    if (!progress->step(1, 1))
        return LoadCancelled{};
    if (page.isNull())
        return tr("Page %1 cannot be rendered.").arg(background.page);
    return BackgroundPicture(page);
}

} // namespace vistaro
