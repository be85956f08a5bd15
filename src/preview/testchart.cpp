// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "preview/testchart.h"

#include "optics/coverageformat.h"
#include "preview/targets.h"
#include "report/reportfiles.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

namespace vistaro {

namespace {

constexpr double MarginMm = 15;
constexpr double MetresPerInch = 0.0254;

// The painter's device in millimetres: lengths are given in mm, texts in points.
class Sheet {
public:
    Sheet(QPainter& painter, QPdfWriter& writer)
        : m_painter(painter), m_writer(writer), m_unit(writer.resolution() / 25.4) {}

    double width() const { return m_writer.width() / m_unit; }
    double height() const { return m_writer.height() / m_unit; }
    QRectF mm(double x, double y, double w, double h) const {
        return {x * m_unit, y * m_unit, w * m_unit, h * m_unit};
    }

    // `text` wrapped in `width` mm from (x, y); the height it takes in mm.
    double text(double x, double y, double width, const QString& text, double points,
                bool bold = false) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(points);
        font.setBold(bold);
        m_painter.setFont(font);
        m_painter.setPen(Qt::black);
        const QRectF box = mm(x, y, width, height());
        const QRectF used =
            m_painter.boundingRect(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
        m_painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
        return used.height() / m_unit;
    }

    void fill(const QRectF& mmRect) {
        m_painter.fillRect(mm(mmRect.x(), mmRect.y(), mmRect.width(), mmRect.height()), Qt::black);
    }

    // Draws `paint` (in metres from its origin) with its top left corner at (x, y) mm.
    template <typename Paint> void inMetres(double x, double y, Paint&& paint) {
        m_painter.save();
        m_painter.translate(x * m_unit, y * m_unit);
        m_painter.scale(1000 * m_unit, 1000 * m_unit);
        paint(m_painter);
        m_painter.restore();
    }

    // A title on top of the page and the check line at its foot.
    double frame(const QString& title) {
        const double lineY = height() - MarginMm - 14;
        fill({MarginMm, lineY, CheckLineM * 1000, 0.5});
        fill({MarginMm, lineY - 3, 0.3, 6.5});
        fill({MarginMm + CheckLineM * 1000 - 0.3, lineY - 3, 0.3, 6.5});
        text(MarginMm, lineY + 5, width() - 2 * MarginMm,
             TestChart::tr("Printed at 100 % this line is 100 mm long. If it is not, print again "
                           "at actual size (no fitting to the page)."),
             8);
        return MarginMm + text(MarginMm, MarginMm, width() - 2 * MarginMm, title, 16, true) + 4;
    }

private:
    QPainter& m_painter;
    QPdfWriter& m_writer;
    double m_unit; // device units a millimetre
};

QString pixels(double count) {
    return CoverageText::number(count, 1);
}

// The counting bar with a scale below it, a tick every centimetre; where it ends, in mm.
double countingBar(Sheet& sheet, double y) {
    const double length = CountingBarM * 1000;
    sheet.fill({MarginMm, y, length, 15});
    for (int cm = 0; cm <= int(length / 10); ++cm)
        sheet.fill({MarginMm + cm * 10.0 - (cm == int(length / 10) ? 0.3 : 0), y + 15, 0.3,
                    cm % 5 == 0 ? 5.0 : 3.0});
    sheet.text(MarginMm, y + 21, length, TestChart::tr("Counting bar, %1 mm").arg(length), 9);
    return y + 28;
}

} // namespace

QString TestChart::fileName(const QDate& date) {
    return tr("Test chart %1").arg(date.toString(Qt::ISODate));
}

QString TestChart::instructions(const TestChartInputs& inputs) {
    const Units units = inputs.units;
    const QString bar = units == Units::Imperial
                            ? tr("%1 mm (%2 in)")
                                  .arg(CountingBarM * 1000)
                                  .arg(CoverageText::number(CountingBarM / MetresPerInch, 2))
                            : tr("%1 mm").arg(CountingBarM * 1000);
    QString text = tr("Hold this sheet upright at the aim distance (%1), facing the camera. In "
                      "the live picture, count the pixels across the black counting bar (%2).")
                       .arg(CoverageText::length(inputs.distanceM, units), bar);
    if (inputs.pixelsPerMetre)
        text += u' ' + tr("The design gives %1 pixels across it there.")
                           .arg(pixels(*inputs.pixelsPerMetre * CountingBarM));
    QStringList needs;
    for (Level level = 0; level < inputs.levels.size() && level < inputs.densities.size(); ++level)
        needs << tr("%1: %2 pixels")
                     .arg(CoverageText::levelName(inputs.levels, level),
                          pixels(inputs.densities[level] * CountingBarM));
    text += u' ' + tr("Each level needs at least: %1.").arg(needs.join(QStringLiteral("; ")));
    text += u' ' + tr("Each pair of bars below is resolved when the picture shows the gap "
                      "between them: at detection the 40 mm pair, at observation 16 mm, at "
                      "recognition 8 mm, at identification 4 mm.");
    return text;
}

bool TestChart::paint(QPdfWriter& writer, const TestChartInputs& inputs) {
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    Sheet sheet(painter, writer);
    const double width = sheet.width() - 2 * MarginMm;

    double y = sheet.frame(tr("Test chart: what the camera resolves"));
    y += sheet.text(MarginMm, y, width, instructions(inputs), 10) + 6;
    y = countingBar(sheet, y) + 4;
    sheet.inMetres(MarginMm, y, [](QPainter& p) { paintTarget(p, Target::Bars); });

    if (!writer.newPage())
        return false;
    y = sheet.frame(tr("Number plate characters, %1 mm tall").arg(PlateCharacterM * 1000)) + 4;
    for (const QString& line : {QStringLiteral("AB 12"), QStringLiteral("CD 34")}) {
        const QPainterPath characters = plateCharacters(line, PlateCharacterM);
        sheet.inMetres(MarginMm, y, [&](QPainter& p) { p.fillPath(characters, Qt::black); });
        y += PlateCharacterM * 1000 + 15;
    }

    if (!writer.newPage())
        return false;
    y = sheet.frame(tr("A face at its size, the head %1 mm wide").arg(HeadWidthM * 1000)) + 4;
    // Centred, as the portrait is wider than the margins leave; the head's width above it, as
    // long as the head is wide on the sheet.
    const double left = (sheet.width() - targetSize(Target::Face).width() * 1000) / 2;
    const double head = left + (targetSize(Target::Face).width() - HeadWidthM) / 2 * 1000;
    sheet.fill({head, y, HeadWidthM * 1000, 0.5});
    sheet.fill({head, y - 2, 0.3, 4.5});
    sheet.fill({head + HeadWidthM * 1000 - 0.3, y - 2, 0.3, 4.5});
    sheet.inMetres(left, y + 4, [](QPainter& p) { paintTarget(p, Target::Face); });
    return painter.end();
}

std::optional<QString> TestChart::save(const QString& path, const TestChartInputs& inputs,
                                       const QPageSize& pageSize) {
    return savePdf(path, pageSize, [&](QPdfWriter& writer) {
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(600);
        writer.setTitle(tr("Test chart"));
        return paint(writer, inputs);
    });
}

} // namespace vistaro
