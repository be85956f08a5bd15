// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/units.h"

#include <QObject>
#include <optional>

class QCheckBox;
class QDoubleSpinBox;
class QFormLayout;
class QWidget;

namespace vistaro {

// A new obstacle: a shelf, from the floor up to 1.8 m.
inline constexpr double NewObstacleTopM = 1.8;

// Between which heights above the floor something blocks sight: a bottom and a top in metres,
// or, with `ceiling`, a top that may be the ceiling itself (none).
struct HeightSpan {
    double bottomM = 0;
    std::optional<double> topM;

    bool operator==(const HeightSpan&) const = default;
};

// A bottom and a top, as rows of a form: spin boxes in the site's units that take no negative
// height and no bottom above the top, and for a wall a box that takes the top up to the ceiling.
// The controls' names start with `prefix` ("WallBottom", "WallTop", "WallToCeiling").
class HeightFields : public QObject {
    Q_OBJECT

public:
    HeightFields(QFormLayout& form, const QString& prefix, bool ceiling, QWidget* parent);

    // Shows `span` in `units`; none empties and disables the fields.
    void present(const std::optional<HeightSpan>& span, Units units);
    void retranslate();
    // The heights as the fields show them, in metres.
    HeightSpan span() const;

signals:
    void edited(const vistaro::HeightSpan& span);

private:
    // Each box keeps the other's value as its limit.
    void limit();
    void hand();
    // The height `box` shows, in metres: the one of `known` it shows, when it shows one, so
    // that a height shown rounded (to 0.01 ft) is not taken rounded.
    double metresOf(const QDoubleSpinBox& box, std::initializer_list<double> known) const;

    QFormLayout& m_form;
    QDoubleSpinBox* m_bottom;
    QDoubleSpinBox* m_top;
    QCheckBox* m_ceiling = nullptr;
    Units m_units = Units::Metric;
    // As last shown or handed on, in metres.
    HeightSpan m_span;
    bool m_presenting = false;
};

} // namespace vistaro
