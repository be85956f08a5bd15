// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "match/presentation.h"

#include "platform/numberformat.h"

namespace vistaro {

namespace {

// "<At><D><T> W X  H (m X m)" and a line break; W and H in metres, rounded to two decimals
// each on its own, evaluated left to right as the scene sizes always were.
std::optional<QString> sceneLine(const QString& distance, const QString& label,
                                 const QString& focal, const MainPublic& texts, double sensor) {
    const auto d = num::toDouble(distance);
    const auto fl = num::toDouble(focal);
    if (!d || !fl || *fl == 0)
        return std::nullopt;
    const auto width = num::roundHalfEven(*d * sensor / *fl * 100 / 3 * 4);
    const auto height = num::roundHalfEven(*d * sensor * 100 / *fl);
    if (!width || !height)
        return std::nullopt;
    return texts.At + distance + label + num::toSceneText(*width / 100.0) + QStringLiteral(" X ") +
           num::toSceneText(*height / 100.0) + QStringLiteral(" (m X m)") + LineBreak;
}

QString sceneLines(const LensRecord& lens, const MainPublic& texts,
                   const MainSelection& selection) {
    QString text;
    const auto add = [&](const QString& distance, const QString& label, const QString& focal) {
        if (const auto line = sceneLine(distance, label, focal, texts, selection.SensorHeight))
            text += *line;
    };
    if (selection.zoom) {
        add(selection.L1, texts.InquadraMin, lens.FocalMin);
        add(selection.L1, texts.InquadraMax, lens.FocalMax);
        add(selection.L2, texts.InquadraMin, lens.FocalMin);
        add(selection.L2, texts.InquadraMax, lens.FocalMax);
    } else if (selection.var) {
        add(selection.L1, texts.InquadraMin, lens.FocalMin);
        add(selection.L1, texts.InquadraMax, lens.FocalMax);
    } else {
        add(selection.L1, texts.Inquadra, lens.FocalMin);
    }
    return text;
}

} // namespace

bool hasFocalRange(const QString& typeCode) {
    return typeCode == QStringLiteral("ZOOM") || typeCode == QStringLiteral("VAR");
}

QString focalText(const LensRecord& lens) {
    return lens.FocalMin +
           (hasFocalRange(lens.TypeCode) ? QStringLiteral("-") + lens.FocalMax : QString());
}

std::optional<QString> remarkOf(const LensRecord& lens) {
    if (lens.Note == QStringLiteral("no"))
        return std::nullopt;
    return lens.Note;
}

std::optional<bool> focusesAt(std::optional<double> minFocus, std::optional<double> distance1,
                              std::optional<double> distance2) {
    if (!minFocus || !distance1 || !distance2)
        return std::nullopt;
    return *minFocus == 0 || (*minFocus <= *distance1 && *minFocus <= *distance2);
}

LensPresentation presentLens(const LensRecord* lens, const MainPublic& texts,
                             const MainSelection& selection) {
    LensPresentation shown;
    if (!lens)
        return shown;

    shown.Nome = lens->Name;
    shown.f = QStringLiteral("f:") + focalText(*lens) + QStringLiteral("mm");
    shown.Fstop = QStringLiteral("F:") + lens->FStop;
    shown.Iride = texts.IRISCont + lens->Iris;
    const std::optional<QString> remark = remarkOf(*lens);
    shown.Label1 = (remark ? *remark + LineBreak : QString()) + sceneLines(*lens, texts, selection);

    // A minimum focus that cannot be read is shown as written, and counts as a warning.
    const auto m = num::toDouble(lens->MinFocus);
    shown.MinFuoco =
        !m || *m != 0 ? texts.MinimoFuoco + lens->MinFocus + QStringLiteral("m") : QString();
    shown.MinFuocoRed =
        !focusesAt(m, num::toDouble(selection.L1), num::toDouble(selection.L2)).value_or(false);
    return shown;
}

} // namespace vistaro
