// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "match/recommendationhost.h"

#include <QDialog>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vistaro {

// The recommendation window: one catalogue entry at a time, "<" and ">" to step through the
// suitable ones and "PDF 2" for its datasheet. Created once and kept; what it reads of the main
// window is pushed to it.
class CConsiglia : public QDialog {
    Q_OBJECT

public:
    explicit CConsiglia(RecommendationHost& host, QWidget* parent = nullptr);

    // Catalogue index of the entry on show: the one place that says which lens is on show.
    std::int16_t Attuale = 0;

    // What the main window holds now, read by the next presentation and click.
    void follow(const RecommendationReading& reading) { m_reading = reading; }

    // Brings the window up and shows entry `dato`; PDFattuale follows it.
    void Visualizza(std::int16_t dato);

public slots:
    void Avanti_Click();
    void Indietro_Click();
    void Command1_Click(); // Index panel "azzera"
    void Command2_Click(); // datasheet
    void Command3_Click(); // Index panel ">"

protected:
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    // What a screen reader says for each control, in the interface language.
    void nameControls();
    void setMinFuocoRed(bool red);
    // PDFattuale, here and in the main window.
    void setPDFattuale(const QString& index);

    RecommendationHost& m_host;
    RecommendationReading m_reading;
    QPushButton* m_command3 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QPushButton* m_command2 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_avanti = nullptr;
    QPushButton* m_indietro = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_minFuoco = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_iride = nullptr;
    QLabel* m_fstop = nullptr;
    QLabel* m_f = nullptr;
    QLabel* m_nome = nullptr;
};

} // namespace vistaro
