// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "report/reportdocument.h"
#include "report/reportpage.h"

#include <QImage>
#include <QPageSize>
#include <QString>
#include <functional>
#include <optional>

class QPdfWriter;

namespace vistaro {

// Each writes the whole file or nothing: the file is written beside the target and renamed over
// it only once complete, so a full disk or a folder without write permission leaves any earlier
// file as it was. On failure the result is a message naming the file.
std::optional<QString> saveReportPdf(const QString& path, const ReportDocument& document,
                                     const QPageSize& pageSize);
// The documents one after the other in one file, each from a new page; stopped by `progress`,
// no file.
std::optional<QString> saveReportPdf(const QString& path, const QList<ReportDocument>& documents,
                                     const QPageSize& pageSize, const PageProgress& progress = {});
std::optional<QString> saveImage(const QString& path, const QImage& image);
// A PDF of that page size, which `paint` sets up (resolution, margins, title) and draws; false
// from it leaves no file.
std::optional<QString> savePdf(const QString& path, const QPageSize& pageSize,
                               const std::function<bool(QPdfWriter&)>& paint);

// Where to save a file named `name`: `ask` gets the path to propose, `name` and `suffix` in the
// folder saved to last (the documents folder until then), and returns the path picked or empty.
// The path picked gets `suffix` when its name has none, and its folder is remembered.
QString askSavePath(const std::function<QString(const QString& proposed)>& ask, const QString& name,
                    const QString& suffix);

} // namespace vistaro
