// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "report/reportdocument.h"

#include <QImage>
#include <QLocale>
#include <QPageSize>
#include <functional>
#include <memory>
#include <optional>

class QFontMetricsF;
class QPagedPaintDevice;
class QPrinter;

namespace vistaro {

// `text` with a line break wherever it must wrap to fit `width`: between words only, and never
// between a number and its unit ("240 px/m" stays on one line, and "px/m" is never cut at its
// slash). A word wider than `width` keeps a line of its own.
QString wrappedBetweenWords(const QString& text, const QFontMetricsF& metrics, qreal width);

// Letter where the locale's country prints on it, A4 everywhere else.
QPageSize preferredPageSize(const QLocale& locale = QLocale());

// Told before each document is painted (counted from 0) and once all are (their count): false
// stops the painting, which then fails.
using PageProgress = std::function<bool(int done)>;

// Lays the page out on `device` (a PDF writer or a printer), which must work at screen
// resolution (96 dots an inch) so that the drawings' text keeps its size to their lines. False
// when the device could not be painted on or finished (a printer's output file that cannot be
// written).
[[nodiscard]] bool paintReport(QPagedPaintDevice& device, const ReportDocument& document);
// The documents one after the other, each from a new page. A printer stopped by `progress`
// drops the pages it was given.
[[nodiscard]] bool paintReport(QPagedPaintDevice& device, const QList<ReportDocument>& documents,
                               const PageProgress& progress = {});

// A printer ready for the report: screen resolution, the locale's paper, portrait, the same
// margins as the PDF. The print dialog may still change paper and printer.
std::unique_ptr<QPrinter> reportPrinter();

// Prints the documents on `printer`; the message naming the printer (or its output file) when
// they could not be printed.
std::optional<QString> printReport(QPrinter& printer, const QList<ReportDocument>& documents,
                                   const PageProgress& progress = {});

// The drawings side by side at their on-screen sizes, on white, for a PNG or the clipboard.
QImage drawingsImage(const ReportDocument& document, qreal devicePixelRatio = 1);

} // namespace vistaro
