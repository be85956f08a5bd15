// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coverage/coveragepreview.h"

#include <QLocale>
#include <QPainter>

namespace vistaro {

namespace {

// The sheet's size on paper follows from its proportions only: a row a target, a column a
// density.
const QSizeF SheetSize(1000, 760);

} // namespace

PreviewScene previewScene(const ViewModel& model) {
    PreviewScene scene;
    scene.units = model.units;
    scene.levels = model.levelSet;
    for (const ViewEnd& end : model.ends)
        scene.ends.push_back({end.name, end.result.slantM, end.result});
    return scene;
}

ReportDocument previewReportPage(const CoverageShown& shown, const PictureOptions& options) {
    PreviewSheet sheet;
    sheet.show(previewScene(shown.model), options);
    ReportDocument page = CoverageReport::document(shown);
    page.title = CoverageReport::tr("What the camera shows");
    page.sections.clear();
    page.drawings = {{CoverageReport::tr("A face, a person, a number plate and bars as the "
                                         "camera's pixels show them"),
                      SheetSize, [sheet, font = shown.font](QPainter& painter, const QRectF& area) {
                          painter.setFont(font);
                          sheet.paint(painter, area);
                      }}};
    return page;
}

} // namespace vistaro
