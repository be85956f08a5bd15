// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/calcrow.h"

#include "calc/geometry.h"
#include "platform/numberformat.h"

#include <QLocale>
#include <type_traits>

namespace vistaro {

namespace {

// A stored value and the text its field shows, each from its own evaluation of `relation`; a
// step without a result leaves its target as it was and the next step still runs. `written`
// keeps the text shown.
template <typename Relation>
void derive(QString& stored, QString& shown, QString& written, const Relation& relation) {
    if (const auto value = relation())
        stored = geometry::storedText(*value);
    if (const auto value = relation()) {
        if (const auto text = geometry::shownText(*value)) {
            shown = *text;
            written = *text;
        }
    }
}

// A size field without a number: the user is told first, then the field and its stored value
// fall back to the size of the design-time row.
void resetSize(QString& text, QString& stored, QString& written, const QString& size,
               const std::function<void()>& showValNum) {
    if (showValNum)
        showValNum();
    text = size;
    stored = size;
    written = size;
}

// `relation` on operands read from text; one that does not convert leaves no result.
template <typename... Operands>
std::optional<double> evaluate(std::optional<double> (*relation)(Operands...),
                               const std::optional<std::type_identity_t<Operands>>&... operands) {
    if (!(operands && ...))
        return std::nullopt;
    return relation(*operands...);
}

} // namespace

CalcRow::CalcRow(const RowTexts& shown)
    : m_valFocale(shown.Focale), m_valL(shown.L), m_valH(shown.H), m_valV(shown.V),
      m_written(shown) {}

void CalcRow::click(CalcField field, RowTexts& texts, double sensorHeight,
                    QStringView otherSeparator, const std::function<void()>& showValNum) {
    switch (field) {
    case CalcField::Focale:
        focaleClick(texts, sensorHeight, otherSeparator);
        return;
    case CalcField::L:
        lClick(texts, sensorHeight, otherSeparator);
        return;
    case CalcField::H:
        hClick(texts, sensorHeight, otherSeparator, showValNum);
        return;
    case CalcField::V:
        vClick(texts, sensorHeight, otherSeparator, showValNum);
        return;
    }
}

void CalcRow::tick(RowTexts& texts, double sensorHeight, QStringView otherSeparator,
                   const std::function<void()>& showValNum) {
    const Inputs before = inputs(texts, sensorHeight, otherSeparator);
    if (m_settled == before)
        return;
    click(m_driver, texts, sensorHeight, otherSeparator, showValNum);
    const Inputs after = inputs(texts, sensorHeight, otherSeparator);
    m_settled = after == before ? std::optional(after) : std::nullopt;
}

CalcRow::Inputs CalcRow::inputs(const RowTexts& texts, double sensorHeight,
                                QStringView otherSeparator) const {
    return {texts,
            m_valFocale,
            m_valL,
            m_valH,
            m_valV,
            m_written,
            m_driver,
            sensorHeight,
            otherSeparator.toString(),
            QLocale().decimalPoint()};
}

void CalcRow::focaleClick(RowTexts& texts, double sensorHeight, QStringView otherSeparator) {
    if (!takeTyped(CalcField::Focale, texts.Focale, m_valFocale, m_written.Focale, otherSeparator))
        return;
    derive(m_valV, texts.V, m_written.V, [&] { return vFromFocale(sensorHeight); });
    derive(m_valH, texts.H, m_written.H, [&] { return hFromV(); });
}

// The distance is only ever typed: a new one keeps the scene and moves the focal length.
void CalcRow::lClick(RowTexts& texts, double sensorHeight, QStringView otherSeparator) {
    if (!takeTyped(CalcField::L, texts.L, m_valL, m_written.L, otherSeparator))
        return;
    derive(m_valFocale, texts.Focale, m_written.Focale, [&] { return focaleFromV(sensorHeight); });
}

void CalcRow::hClick(RowTexts& texts, double sensorHeight, QStringView otherSeparator,
                     const std::function<void()>& showValNum) {
    if (!takeTyped(CalcField::H, texts.H, m_valH, m_written.H, otherSeparator))
        resetSize(texts.H, m_valH, m_written.H, QStringLiteral("4"), showValNum);
    derive(m_valV, texts.V, m_written.V, [&] { return vFromH(); });
    derive(m_valFocale, texts.Focale, m_written.Focale, [&] { return focaleFromV(sensorHeight); });
}

void CalcRow::vClick(RowTexts& texts, double sensorHeight, QStringView otherSeparator,
                     const std::function<void()>& showValNum) {
    if (!takeTyped(CalcField::V, texts.V, m_valV, m_written.V, otherSeparator))
        resetSize(texts.V, m_valV, m_written.V, QStringLiteral("3"), showValNum);
    derive(m_valH, texts.H, m_written.H, [&] { return hFromV(); });
    derive(m_valFocale, texts.Focale, m_written.Focale, [&] { return focaleFromV(sensorHeight); });
}

bool CalcRow::takeTyped(CalcField field, QString& text, QString& stored, QString& written,
                        QStringView otherSeparator) {
    drive(field);
    if (!num::isNumeric(text, otherSeparator))
        return false;
    // A number the row wrote or took already was read in the format of its time: a separator
    // declared since then must not change its value.
    if (text != written)
        text = num::removeSeparator(text, otherSeparator);
    stored = text;
    written = text;
    return true;
}

std::optional<double> CalcRow::vFromFocale(double sensorHeight) const {
    return evaluate(geometry::sceneHeightFromFocal, num::toDouble(m_valL), sensorHeight,
                    num::toDouble(m_valFocale));
}

std::optional<double> CalcRow::focaleFromV(double sensorHeight) const {
    return evaluate(geometry::focalFromSceneHeight, num::toDouble(m_valL), sensorHeight,
                    num::toDouble(m_valV));
}

std::optional<double> CalcRow::hFromV() const {
    return evaluate(geometry::widthFromHeight, num::toDouble(m_valV));
}

std::optional<double> CalcRow::vFromH() const {
    return evaluate(geometry::heightFromWidth, num::toDouble(m_valH));
}

} // namespace vistaro
