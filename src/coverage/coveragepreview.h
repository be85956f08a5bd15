// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "camerareport/coveragereport.h"
#include "preview/previewsheet.h"
#include "report/reportdocument.h"

namespace vistaro {

// What the drawings show, as the preview takes it: each end with its distance and figures.
PreviewScene previewScene(const ViewModel& model);

// The report's page of what the camera shows: the preview drawn with `options`, its pictures
// in the report as on screen.
ReportDocument previewReportPage(const CoverageShown& shown, const PictureOptions& options);

} // namespace vistaro
