// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/site.h"
#include "siteplan/backgroundpicture.h"
#include "siteplan/dxflayersdialog.h"

#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

class QWidget;

namespace vistaro {

// Shows how far a long load has come.
class LoadProgress {
public:
    virtual ~LoadProgress() = default;
    // False when the user cancels the load.
    virtual bool step(qint64 done, qint64 total) = 0;

protected:
    LoadProgress() = default;
    LoadProgress(const LoadProgress&) = default;
    LoadProgress& operator=(const LoadProgress&) = default;
};

// The layers of a drawing as the layers dialog left them: those hidden (none when they are as
// before), and the walls and the obstacles (named after their layers) that the layers marked
// "use as walls" and "use as obstacles" make, on the plan, with the count of the open outlines
// that make no obstacle.
struct LayerEdit {
    std::optional<QStringList> hidden;
    std::vector<SiteWall> walls;
    std::vector<SiteObstacle> obstacles;
    int openOutlines = 0;
};

// The layers of `drawing` that `background` hides: those it names, or, when it names none, those
// that the drawing keeps switched off or frozen.
QStringList hiddenLayers(const SiteBackground& background, const DxfDrawing& drawing);

// Whether two backgrounds show the same, wherever they lie: the same file, page, resolution and
// hidden layers.
bool showsTheSame(const SiteBackground& one, const SiteBackground& other);

// A load the user cancelled: nothing changes, and nothing needs saying.
struct LoadCancelled {};

// A render of a PDF page larger than this, in pixels, is refused rather than tried.
inline constexpr double MaxPdfPixels = 100e6;

// The floor plans under the site plan: pictures, DXF drawings and PDF pages, read with a
// progress dialog that can cancel, and the questions a file leaves open (a drawing's units, a
// PDF's page and resolution, asked through the Dialogs in use; the layers of a drawing). The
// layers dialog and the progress dialog can be replaced, as tests do. The plan last read is kept,
// so that showing it again, with other layers hidden or after an undo, does not read it again.
class PlanImport : public QObject {
    Q_OBJECT

public:
    explicit PlanImport(QWidget* parent);

    using ProgressMaker =
        std::function<std::unique_ptr<LoadProgress>(QWidget* parent, const QString& file)>;
    using LayerAsker = std::function<std::optional<LayerChoice>(
        QWidget* parent, const DxfDrawing& drawing, const QStringList& hidden)>;
    void setProgressMaker(ProgressMaker maker) { m_progress = std::move(maker); }
    void setLayerAsker(LayerAsker asker) { m_layerAsker = std::move(asker); }

    // A new background from the file at `path`, asking what the file leaves open. A picture or
    // a PDF page is centred on `centre` until it is scaled; a drawing lies with its origin on
    // the plan's. A sentence saying what is wrong when it cannot be read.
    std::variant<SiteBackground, QString, LoadCancelled> choose(const QString& path,
                                                                PlanPoint centre);
    // What `background` shows, its file named by its full path; a sentence when it cannot be
    // read.
    std::variant<BackgroundPicture, QString, LoadCancelled>
    picture(const SiteBackground& background);
    // `background` with the units of a drawing that has no scale settled: those the drawing
    // states, else asked. False when the user cancels; a file that cannot be read is left as it
    // is, for showing it to say why.
    bool settleUnits(SiteBackground& background);
    // The lower left corner of the drawing `background` shows, on the plan; none when it shows
    // no drawing.
    std::optional<PlanPoint> lowerLeft(const SiteBackground& background);
    // Asks about the layers of the drawing `background` shows; none when it shows no drawing
    // or the user cancels.
    std::optional<LayerEdit> editLayers(const SiteBackground& background);

signals:
    // A drawing was read that holds entities the plan does not draw: `summary` says which.
    void notDrawn(const QString& summary);

private:
    std::variant<BackgroundPicture, QString, LoadCancelled> read(const SiteBackground& background);
    std::variant<BackgroundPicture, QString, LoadCancelled> readDxf(const QString& file);
    std::variant<BackgroundPicture, QString, LoadCancelled>
    readPdf(const SiteBackground& background);

    struct Kept {
        QString file;
        int page = 0;
        double dpi = 0;
        BackgroundPicture picture;
    };

    QWidget* m_parent;
    std::optional<Kept> m_kept;
    ProgressMaker m_progress;
    LayerAsker m_layerAsker;
};

} // namespace vistaro
