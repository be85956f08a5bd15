// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "match/cconsiglia.h"

#include "match/browse.h"
#include "match/catalogueentry.h"
#include "match/datasheet.h"
#include "match/datasheetopener.h"
#include "match/presentation.h"
#include "platform/accessibility.h"
#include "platform/forms.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vistaro {

namespace {

struct Place {
    int left;
    int top;
    int width;
    int height;
};

template <typename Control>
Control* captioned(QWidget* window, const char* name, const QString& caption, Place at) {
    auto* control = place<Control>(window, name, at.left, at.top, at.width, at.height);
    control->setText(caption);
    return control;
}

QLabel* label(QWidget* window, const char* name, const QString& caption, Place at,
              const QFont& font) {
    auto* control = captioned<QLabel>(window, name, caption, at);
    // Catalogue and language-file texts are shown as written, never as markup.
    control->setTextFormat(Qt::PlainText);
    control->setFont(font);
    control->setWordWrap(true);
    control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return control;
}

void setCaption(QLabel* label, const std::optional<QString>& caption) {
    if (caption)
        setTextIfChanged(label, *caption);
}

} // namespace

CConsiglia::CConsiglia(RecommendationHost& host, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_host(host) {
    setObjectName(QStringLiteral("CConsiglia"));
    setWindowTitle(QStringLiteral("marvanto"));
    setWindowIconIfPresent(this);
    setFont(arial(8.25));
    setFixedSize(twipsToPixels(5745, this), twipsToPixels(4425, this));
    setModal(false);
    createControls();
}

void CConsiglia::createControls() {
    const QFont large = arial(9.75);

    // The Index panel lies below the client area, out of sight and disabled.
    m_command3 =
        captioned<QPushButton>(this, "Command3", QStringLiteral(">"), {2280, 5040, 615, 375});
    m_command3->setEnabled(false);
    m_text1 = captioned<QLineEdit>(this, "Text1", QString(), {1560, 5040, 615, 375});
    m_text1->setEnabled(false);
    // The datasheet button sits beside ">" so that the datasheet can be reached.
    m_command2 =
        captioned<QPushButton>(this, "Command2", QStringLiteral("PDF 2"), {4200, 3600, 1335, 375});
    m_command1 =
        captioned<QPushButton>(this, "Command1", QStringLiteral("azzera"), {240, 5040, 1215, 375});
    m_command1->setEnabled(false);
    m_avanti = captioned<QPushButton>(this, "Avanti", QStringLiteral(">"), {3240, 3600, 735, 375});
    m_avanti->setFont(large);
    m_indietro =
        captioned<QPushButton>(this, "Indietro", QStringLiteral("<"), {1560, 3600, 735, 375});
    m_indietro->setFont(large);

    m_label2 =
        label(this, "Label2", QStringLiteral("updated at 22/01/2003"), {0, 4080, 5655, 375}, large);
    m_label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_minFuoco = label(this, "MinFuoco", QStringLiteral("Minima distanza di messa a fuoco:"),
                       {120, 1560, 4575, 375}, large);
    m_label1 = label(this, "Label1", QString(), {120, 2040, 5535, 1455}, large);
    m_iride = label(this, "Iride", QStringLiteral("iride"), {2160, 600, 3495, 375}, large);
    m_fstop = label(this, "Fstop", QStringLiteral("Fstop"), {120, 1080, 5535, 375}, large);
    m_f = label(this, "f", QStringLiteral("f"), {120, 600, 1935, 375}, large);
    m_nome = label(this, "Nome", QStringLiteral("Nome"), {120, 0, 5535, 495}, arial(9.75, true));

    setTabOrder(m_indietro, m_avanti);
    setTabOrder(m_avanti, m_command1);
    setTabOrder(m_command1, m_command2);
    setTabOrder(m_command2, m_text1);
    setTabOrder(m_text1, m_command3);

    connect(m_avanti, &QPushButton::clicked, this, &CConsiglia::Avanti_Click);
    connect(m_indietro, &QPushButton::clicked, this, &CConsiglia::Indietro_Click);
    connect(m_command1, &QPushButton::clicked, this, &CConsiglia::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &CConsiglia::Command2_Click);
    connect(m_command3, &QPushButton::clicked, this, &CConsiglia::Command3_Click);
    nameControls();
}

// The captions on show stay as the language file and the catalogue make them; the names say
// what each one is, the figures' texts being read as their descriptions.
void CConsiglia::nameControls() {
    m_indietro->setAccessibleName(tr("Previous lens"));
    m_avanti->setAccessibleName(tr("Next lens"));
    m_command2->setAccessibleName(tr("Datasheet"));
    m_command1->setAccessibleName(tr("Reset the index"));
    m_text1->setAccessibleName(tr("Index"));
    m_command3->setAccessibleName(tr("Next index"));
    nameFigure(m_nome, tr("Lens model"));
    nameFigure(m_f, tr("Focal length"));
    nameFigure(m_fstop, tr("Aperture"));
    nameFigure(m_iride, tr("Iris control"));
    nameFigure(m_minFuoco, tr("Minimum focus distance"));
    nameFigure(m_label1, tr("Remark and scenes at the distances typed"));
}

void CConsiglia::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        nameControls();
    QDialog::changeEvent(event);
}

void CConsiglia::Visualizza(std::int16_t dato) {
    bringToFront(*this);
    Attuale = dato;

    const LensPresentation shown = presentLens(entryAt(m_reading.program.LensCatalogue, dato),
                                               m_reading.main, m_reading.selection);
    setCaption(m_nome, shown.Nome);
    setCaption(m_f, shown.f);
    setCaption(m_fstop, shown.Fstop);
    setCaption(m_iride, shown.Iride);
    // A label breaks lines at "\n"; the presentation ends each line with a CR.
    if (shown.Label1)
        setTextIfChanged(m_label1, QString(*shown.Label1).replace(LineBreak, u'\n'));
    setCaption(m_minFuoco, shown.MinFuoco);
    setMinFuocoRed(shown.MinFuocoRed);

    setPDFattuale(QString::number(dato));
}

void CConsiglia::setPDFattuale(const QString& index) {
    m_reading.main.PDFattuale = index;
    m_host.setPDFattuale(index);
}

void CConsiglia::setMinFuocoRed(bool red) {
    QPalette colours = m_minFuoco->palette();
    colours.setColor(QPalette::WindowText,
                     red ? QColor(255, 0, 0) : palette().color(QPalette::WindowText));
    m_minFuoco->setPalette(colours);
    // The colour alone says nothing to a screen reader.
    m_minFuoco->setAccessibleDescription(
        red && !m_minFuoco->text().isEmpty()
            ? m_minFuoco->text() + QStringLiteral(" ") +
                  tr("(the lens may not focus at the distance typed)")
            : m_minFuoco->text());
}

void CConsiglia::Avanti_Click() {
    if (const auto next = Avanti(Attuale, m_reading.program, m_reading.main, m_reading.selection))
        Visualizza(*next);
}

void CConsiglia::Indietro_Click() {
    if (const auto previous =
            Indietro(Attuale, m_reading.program, m_reading.main, m_reading.selection))
        Visualizza(*previous);
}

void CConsiglia::Command1_Click() {
    setPDFattuale(QStringLiteral("0"));
    m_text1->setText(m_reading.main.PDFattuale);
}

void CConsiglia::Command2_Click() {
    openDatasheet(this, checkDatasheet(m_reading.program.LensCatalogue, m_reading.main));
}

void CConsiglia::Command3_Click() {
    if (const auto next = nextIndexText(m_reading.main.PDFattuale))
        setPDFattuale(*next);
    m_text1->setText(m_reading.main.PDFattuale);
}

} // namespace vistaro
