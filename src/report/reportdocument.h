// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QMarginsF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>

class QPainter;
class QRectF;

namespace vistaro {

// One line of a table: a label and one value per value column (a zoom has two: wide and tele).
struct ReportRow {
    QString label;
    QStringList values;
};

// A headed table. `columns` names the value columns when there is more than one.
struct ReportSection {
    QString heading;
    QStringList columns;
    QList<ReportRow> rows;
};

// A table across the page, a line per row and a column per header; as long as it needs, over
// as many pages as it takes, with its heading and header again on each.
struct ReportTable {
    QString heading;
    QStringList columns;
    QList<QStringList> rows;
};

// A drawing as the window shows it: `size` is its size on screen in pixels, and `paint` draws it
// into a rectangle of that size. On paper the painter is scaled, so the same code draws
// vectors at any size.
struct ReportDrawing {
    QString caption;
    QSizeF size;
    std::function<void(QPainter&, const QRectF&)> paint;
};

// One page: a title and a line below it, tables, drawings side by side and a footer; more pages
// only when its long tables need them. The caller fills every text in the language on show; the
// report adds no words of its own.
struct ReportDocument {
    QString title;
    QString subtitle;
    QList<ReportSection> sections;
    QList<ReportDrawing> drawings;
    QString footer;
    // Below the sections, before the drawings; a page without any need not name them.
    QList<ReportTable> tables = {};
    // Across the paper, whatever way the rest of the report is turned.
    bool landscape = false;
};

// The page's margins in millimetres, on paper and in the PDF.
inline const QMarginsF ReportMargins(15, 15, 15, 15);

} // namespace vistaro
