// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <functional>
#include <optional>

namespace vistaro {

// The four fields of one calculator row.
enum class CalcField { Focale, L, H, V };

// The texts the row's four text boxes show. A handler reads them and writes back the ones it
// changes; the window copies them into its text boxes afterwards.
struct RowTexts {
    QString Focale;
    QString L;
    QString H;
    QString V;

    friend bool operator==(const RowTexts&, const RowTexts&) = default;
};

// One row of the calculator: its stored values at full precision and which field drives it.
class CalcRow {
public:
    // Stored values copied from the texts the fields show; the focal length drives.
    explicit CalcRow(const RowTexts& shown = {});

    // The click handler of `field` (Focale1_Click, L1_Click, ... for this row): `field` becomes
    // the driver, then its text is tested, cleaned, stored and the dependent fields
    // recalculated, each step on its own. `showValNum` is called where a size field holds no
    // number, before that field is reset.
    void click(CalcField field, RowTexts& texts, double sensorHeight, QStringView otherSeparator,
               const std::function<void()>& showValNum);

    // What a CalcoloFocale tick does for this row: the driver's handler again. A tick that
    // finds the row exactly as the previous tick left it, with nothing changed by that tick,
    // would do nothing again and is skipped, so an idle window costs almost no work.
    void tick(RowTexts& texts, double sensorHeight, QStringView otherSeparator,
              const std::function<void()>& showValNum);

    // `field` becomes the driver without its handler running now: the next tick runs it, as it
    // does for the text typed after a click.
    void drive(CalcField field) { m_driver = field; }

    CalcField driver() const { return m_driver; }
    const QString& ValFocale() const { return m_valFocale; }
    const QString& ValL() const { return m_valL; }
    const QString& ValH() const { return m_valH; }
    const QString& ValV() const { return m_valV; }

private:
    // The handlers, named after the field whose click runs them.
    void focaleClick(RowTexts& texts, double sensorHeight, QStringView otherSeparator);
    void lClick(RowTexts& texts, double sensorHeight, QStringView otherSeparator);
    void hClick(RowTexts& texts, double sensorHeight, QStringView otherSeparator,
                const std::function<void()>& showValNum);
    void vClick(RowTexts& texts, double sensorHeight, QStringView otherSeparator,
                const std::function<void()>& showValNum);

    // The first steps every handler shares: `field` becomes the driver; a text that passes the
    // numeric test is cleaned of the group mark in its field, unless it is the text `written`
    // there last, and stored. False for no number.
    bool takeTyped(CalcField field, QString& text, QString& stored, QString& written,
                   QStringView otherSeparator);

    // The relations on the stored values as they read at the moment of the call.
    std::optional<double> vFromFocale(double sensorHeight) const;
    std::optional<double> focaleFromV(double sensorHeight) const;
    std::optional<double> hFromV() const;
    std::optional<double> vFromH() const;

    // Everything a handler's result depends on.
    struct Inputs {
        RowTexts texts;
        QString valFocale;
        QString valL;
        QString valH;
        QString valV;
        RowTexts written;
        CalcField driver;
        double sensorHeight;
        QString otherSeparator;
        QString decimalPoint;

        friend bool operator==(const Inputs&, const Inputs&) = default;
    };
    Inputs inputs(const RowTexts& texts, double sensorHeight, QStringView otherSeparator) const;

    QString m_valFocale;
    QString m_valL;
    QString m_valH;
    QString m_valV;
    // The text each field holds as the row last wrote it there or took it from there: only a
    // text typed since is cleaned of the group mark.
    RowTexts m_written;
    CalcField m_driver = CalcField::Focale;
    std::optional<Inputs> m_settled; // the inputs of a tick that changed nothing
};

} // namespace vistaro
