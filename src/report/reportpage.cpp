// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/reportpage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <optional>

namespace vistaro {

namespace {

const QColor Grey(0x55, 0x55, 0x55);
const QColor Rule(0xbb, 0xbb, 0xbb);

// Lengths in points, turned into the device's units.
class Page {
public:
    Page(QPainter& painter, QPagedPaintDevice& device)
        : m_painter(painter), m_device(device), m_unit(device.logicalDpiY() / 72.0) {}

    qreal pt(qreal points) const { return points * m_unit; }

    QFont font(qreal points, bool bold = false) const {
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(points);
        font.setBold(bold);
        return font;
    }

    // Draws `text` wrapped into the width of `box` from its top, or only measures it when
    // `draw` is false; returns the height it takes. Lines break between words, and inside a
    // word (a path) only where the word is wider than the box.
    qreal text(const QRectF& box, const QString& text, const QFont& font, bool draw,
               int flags = Qt::AlignLeft | Qt::TextWordWrap, const QColor& colour = Qt::black) {
        const QFontMetricsF metrics(font, &m_device);
        const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
        QString lines = text;
        if (std::any_of(words.begin(), words.end(), [&](const QString& word) {
                return metrics.horizontalAdvance(word) > box.width();
            })) {
            flags = (flags & ~Qt::TextWordWrap) | Qt::TextWrapAnywhere;
        } else if (flags & Qt::TextWordWrap) {
            lines = wrappedBetweenWords(text, metrics, box.width());
            flags &= ~Qt::TextWordWrap;
        }
        const QRectF needed =
            metrics.boundingRect(QRectF(box.left(), box.top(), box.width(), 1e6), flags, lines);
        if (draw) {
            m_painter.setFont(font);
            m_painter.setPen(colour);
            m_painter.drawText(QRectF(box.left(), box.top(), box.width(), needed.height()), flags,
                               lines);
        }
        return text.isEmpty() ? 0 : needed.height();
    }

    // A headed table in `width` from `origin`; the height it takes.
    qreal section(QPointF origin, qreal width, const ReportSection& section, qreal size,
                  bool draw) {
        qreal y = origin.y();
        y += text({origin.x(), y, width, 0}, section.heading, font(size + 1.5, true), draw);
        if (draw) {
            m_painter.setPen(QPen(Rule, pt(0.5)));
            m_painter.drawLine(QPointF(origin.x(), y + pt(1)),
                               QPointF(origin.x() + width, y + pt(1)));
        }
        y += pt(3);
        const int valueColumns = std::max<int>(1, int(section.columns.size()));
        const qreal labelWidth = width * (valueColumns > 1 ? 0.4 : 0.5);
        const qreal valueWidth = (width - labelWidth) / valueColumns;
        const auto row = [&](const QString& label, const QStringList& values, bool bold) {
            const QFont rowFont = font(size, bold);
            qreal height = text({origin.x(), y, labelWidth - pt(4), 0}, label, rowFont, draw);
            for (int i = 0; i < valueColumns; ++i) {
                const QRectF box(origin.x() + labelWidth + i * valueWidth, y, valueWidth - pt(4),
                                 0);
                height = std::max(height, text(box, values.value(i), rowFont, draw));
            }
            y += height + pt(1.5);
        };
        if (section.columns.size() > 1)
            row(QString(), section.columns, true);
        for (const ReportRow& r : section.rows)
            row(r.label, r.values, false);
        return y - origin.y();
    }

    // The sections in two columns, each placed under the shorter one; the height they take.
    qreal sections(const QRectF& area, const QList<ReportSection>& sections, qreal size,
                   bool draw) {
        const qreal gap = pt(14);
        const qreal width = (area.width() - gap) / 2;
        qreal heights[2] = {0, 0};
        for (const ReportSection& s : sections) {
            const int column = heights[1] < heights[0] ? 1 : 0;
            const QPointF origin(area.left() + column * (width + gap),
                                 area.top() + heights[column]);
            heights[column] += section(origin, width, s, size, draw) + pt(8);
        }
        return std::max(heights[0], heights[1]);
    }

    // The drawings side by side or one above the other, whichever draws them larger; each is
    // scaled to its cell with its own proportions, below its caption.
    void drawings(const QRectF& area, const QList<ReportDrawing>& drawings) {
        if (drawings.isEmpty())
            return;
        const qreal gap = pt(10);
        const qreal caption = text(area, QStringLiteral("X"), font(9, true), false) + pt(3);
        const auto n = qreal(drawings.size());
        const QSizeF beside((area.width() - gap * (n - 1)) / n, area.height());
        const QSizeF above(area.width(), (area.height() - gap * (n - 1)) / n);
        const auto smallestScale = [&](QSizeF cell) {
            qreal scale = 1e9;
            for (const ReportDrawing& drawing : drawings)
                if (!drawing.size.isEmpty())
                    scale = std::min({scale, cell.width() / drawing.size.width(),
                                      (cell.height() - caption) / drawing.size.height()});
            return scale;
        };
        const bool stacked = smallestScale(above) > smallestScale(beside);
        const QSizeF cell = stacked ? above : beside;
        for (qsizetype i = 0; i < drawings.size(); ++i) {
            const QPointF corner =
                stacked ? QPointF(area.left(), area.top() + i * (cell.height() + gap))
                        : QPointF(area.left() + i * (cell.width() + gap), area.top());
            drawing(QRectF(corner, cell), drawings[i]);
        }
    }

    void drawing(const QRectF& cell, const ReportDrawing& drawing) {
        const qreal caption = text(cell, drawing.caption, font(9, true), true);
        const QRectF room = cell.adjusted(0, caption + pt(3), 0, 0);
        if (drawing.size.isEmpty() || room.height() <= 0 || !drawing.paint)
            return;
        const qreal scale =
            std::min(room.width() / drawing.size.width(), room.height() / drawing.size.height());
        m_painter.save();
        m_painter.translate(room.left() + (room.width() - drawing.size.width() * scale) / 2,
                            room.top());
        m_painter.scale(scale, scale);
        m_painter.setClipRect(QRectF(QPointF(0, 0), drawing.size));
        drawing.paint(m_painter, QRectF(QPointF(0, 0), drawing.size));
        m_painter.restore();
    }

    // The document from the top of a page: its title and subtitle, sections, tables (over more
    // pages when they need them, each with the title again), drawings and the footer.
    bool document(const ReportDocument& document) {
        const QRectF area(0, 0, m_device.width(), m_device.height());
        const QFont footerFont = font(8);
        const qreal footerHeight = text(area, document.footer, footerFont, false);
        const qreal footerTop = area.bottom() - footerHeight;
        const auto footer = [&] {
            text({area.left(), footerTop, area.width(), footerHeight}, document.footer, footerFont,
                 true, Qt::AlignLeft | Qt::TextWordWrap, Grey);
        };
        qreal y = heading(area, document);

        // The tables shrink when they would leave the drawings less than two fifths of the page.
        const QRectF tables(area.left(), y, area.width(), footerTop - y);
        qreal size = 9;
        while (size > 6 && sections(tables, document.sections, size, false) > tables.height() * 0.6)
            size -= 0.5;
        if (sections(tables, document.sections, size, false) <= tables.height()) {
            y += sections(tables, document.sections, size, true);
        } else {
            // Too long for the page even small: each across the page, going on over the next.
            for (const ReportSection& section : document.sections) {
                const std::optional<qreal> end =
                    flow(area, footerTop, y, sectionTable(section), document, footer);
                if (!end)
                    return false;
                y = *end + pt(8);
            }
        }

        for (const ReportTable& table : document.tables) {
            const std::optional<qreal> end = flow(area, footerTop, y, table, document, footer);
            if (!end)
                return false;
            y = *end + pt(8);
        }

        drawings(QRectF(area.left(), y, area.width(), footerTop - pt(10) - y), document.drawings);
        footer();
        return true;
    }

private:
    // The title and subtitle at the top of `area`; where the page goes on below them.
    qreal heading(const QRectF& area, const ReportDocument& document) {
        qreal y = area.top();
        y += text({area.left(), y, area.width(), 0}, document.title, font(16, true), true);
        y += pt(2);
        y += text({area.left(), y, area.width(), 0}, document.subtitle, font(9), true,
                  Qt::AlignLeft | Qt::TextWordWrap, Grey);
        return y + pt(12);
    }

    // A section as a table: its labels the first column, its values the others; a header line
    // only when it names its value columns.
    static ReportTable sectionTable(const ReportSection& section) {
        ReportTable table{section.heading, {}, {}};
        if (section.columns.size() > 1)
            table.columns = QStringList{QString()} + section.columns;
        for (const ReportRow& row : section.rows)
            table.rows.append(QStringList{row.label} + row.values);
        return table;
    }

    // Each column as wide as its widest cell wants (a cell's widest line, at most the page's
    // width), all scaled together to `width`.
    QList<qreal> columnWidths(const ReportTable& table, const QFont& rowFont, const QFont& headFont,
                              qreal width) const {
        const QFontMetricsF rows(rowFont, &m_device);
        const QFontMetricsF head(headFont, &m_device);
        qsizetype columns = table.columns.size();
        for (const QStringList& row : table.rows)
            columns = std::max(columns, row.size());
        QList<qreal> widths;
        for (qsizetype c = 0; c < columns; ++c) {
            // A long header may wrap; a cell keeps to one line where it can.
            qreal wanted = std::min(head.horizontalAdvance(table.columns.value(c)), pt(60));
            for (const QStringList& row : table.rows)
                for (const QString& line : row.value(c).split(u'\n'))
                    wanted = std::max(wanted, std::min(rows.horizontalAdvance(line), width));
            widths << wanted + pt(6);
        }
        qreal sum = 0;
        for (const qreal w : widths)
            sum += w;
        for (qreal& w : widths)
            w *= sum > 0 ? width / sum : 0;
        return widths;
    }

    // One line of a table from `y`, or only measured; the height it takes.
    qreal tableRow(qreal left, qreal y, const QList<qreal>& widths, const QStringList& cells,
                   const QFont& rowFont, bool draw) {
        qreal height = 0;
        qreal x = left;
        for (qsizetype c = 0; c < widths.size(); ++c) {
            height =
                std::max(height, text({x, y, widths[c] - pt(4), 0}, cells.value(c), rowFont, draw));
            x += widths[c];
        }
        return height + pt(1.5);
    }

    // The table from `y`, going on to a new page, under the document's title again, where a row
    // does not fit above `footerTop`; where it ends, or none when no new page could be begun.
    template <typename Footer>
    std::optional<qreal> flow(const QRectF& area, qreal footerTop, qreal y,
                              const ReportTable& table, const ReportDocument& document,
                              const Footer& footer) {
        const QFont rowFont = font(8);
        const QFont headFont = font(8, true);
        const QList<qreal> widths = columnWidths(table, rowFont, headFont, area.width());
        const auto top = [&](qreal from) {
            from +=
                text({area.left(), from, area.width(), 0}, table.heading, font(10.5, true), true);
            m_painter.setPen(QPen(Rule, pt(0.5)));
            m_painter.drawLine(QPointF(area.left(), from + pt(1)),
                               QPointF(area.right(), from + pt(1)));
            from += pt(3);
            return table.columns.isEmpty()
                       ? from
                       : from + tableRow(area.left(), from, widths, table.columns, headFont, true);
        };
        const qreal headHeight =
            text(area, table.heading, font(10.5, true), false) + pt(3) +
            (table.columns.isEmpty()
                 ? 0
                 : tableRow(area.left(), 0, widths, table.columns, headFont, false));
        const auto newPage = [&] {
            footer();
            if (!m_device.newPage())
                return false;
            y = heading(area, document);
            return true;
        };
        // A heading never stands alone at the foot of a page.
        const qreal firstRow = table.rows.isEmpty() ? 0
                                                    : tableRow(area.left(), 0, widths,
                                                               table.rows.front(), rowFont, false);
        if (y + headHeight + firstRow > footerTop && !newPage())
            return std::nullopt;
        y = top(y);
        for (const QStringList& row : table.rows) {
            const qreal height = tableRow(area.left(), y, widths, row, rowFont, false);
            if (y + height > footerTop) {
                if (!newPage())
                    return std::nullopt;
                y = top(y);
            }
            y += tableRow(area.left(), y, widths, row, rowFont, true);
        }
        return y;
    }

    QPainter& m_painter;
    QPagedPaintDevice& m_device;
    qreal m_unit;
};

} // namespace

QString wrappedBetweenWords(const QString& text, const QFontMetricsF& metrics, qreal width) {
    QStringList lines;
    for (const QString& paragraph : text.split(u'\n')) {
        // A word after a number is its unit, or goes with it as "2 cameras" does.
        QStringList words;
        for (const QString& word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            if (!words.isEmpty() && words.constLast().back().isDigit())
                words.last() += u' ' + word;
            else
                words << word;
        }
        QString line;
        for (const QString& word : words) {
            const QString longer = line.isEmpty() ? word : line + u' ' + word;
            if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
                lines << line;
                line = word;
            } else {
                line = longer;
            }
        }
        lines << line;
    }
    return lines.join(u'\n');
}

QPageSize preferredPageSize(const QLocale& locale) {
    // The countries that print on Letter; the rest of the world uses A4.
    static const QLocale::Territory letter[] = {
        QLocale::UnitedStates, QLocale::Canada,   QLocale::Mexico,    QLocale::Philippines,
        QLocale::Chile,        QLocale::Colombia, QLocale::Venezuela, QLocale::PuertoRico,
    };
    const bool usesLetter =
        std::find(std::begin(letter), std::end(letter), locale.territory()) != std::end(letter);
    return QPageSize(usesLetter ? QPageSize::Letter : QPageSize::A4);
}

bool paintReport(QPagedPaintDevice& device, const ReportDocument& document) {
    return paintReport(device, QList<ReportDocument>{document});
}

bool paintReport(QPagedPaintDevice& device, const QList<ReportDocument>& documents,
                 const PageProgress& progress) {
    // Set before a page begins, a page's orientation is its own.
    const QPageLayout::Orientation given = device.pageLayout().orientation();
    const auto turn = [&](qsizetype i) {
        device.setPageOrientation(documents[i].landscape ? QPageLayout::Landscape : given);
    };
    if (!documents.isEmpty())
        turn(0);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    Page page(painter, device);
    const auto going = [&](qsizetype done) {
        if (!progress || progress(int(done)))
            return true;
        if (auto* printer = dynamic_cast<QPrinter*>(&device))
            printer->abort();
        return false;
    };
    for (qsizetype i = 0; i < documents.size(); ++i) {
        if (!going(i))
            return false;
        if (i > 0) {
            turn(i);
            if (!device.newPage())
                return false;
        }
        if (!page.document(documents[i]))
            return false;
    }
    return going(documents.size()) && painter.end();
}

std::unique_ptr<QPrinter> reportPrinter() {
    auto printer = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
    printer->setPageSize(preferredPageSize());
    printer->setPageOrientation(QPageLayout::Portrait);
    printer->setPageMargins(ReportMargins, QPageLayout::Millimeter);
    return printer;
}

std::optional<QString> printReport(QPrinter& printer, const QList<ReportDocument>& documents,
                                   const PageProgress& progress) {
    if (paintReport(printer, documents, progress))
        return std::nullopt;
    return QCoreApplication::translate("Report", "The report could not be printed on \"%1\".")
        .arg(printer.outputFileName().isEmpty()
                 ? printer.printerName()
                 : QDir::toNativeSeparators(printer.outputFileName()));
}

QImage drawingsImage(const ReportDocument& document, qreal devicePixelRatio) {
    qreal width = 0;
    qreal height = 0;
    for (const ReportDrawing& drawing : document.drawings) {
        width += drawing.size.width();
        height = std::max(height, drawing.size.height());
    }
    if (width <= 0 || height <= 0)
        return {};
    QImage image(QSizeF(width * devicePixelRatio, height * devicePixelRatio).toSize(),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    qreal x = 0;
    for (const ReportDrawing& drawing : document.drawings) {
        if (drawing.paint) {
            painter.save();
            painter.translate(x, 0);
            painter.setClipRect(QRectF(QPointF(0, 0), drawing.size));
            drawing.paint(painter, QRectF(QPointF(0, 0), drawing.size));
            painter.restore();
        }
        x += drawing.size.width();
    }
    return image;
}

} // namespace vistaro
