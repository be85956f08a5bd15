// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "match/pdfviewer.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPdfDocument>
#include <QPdfView>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

namespace vistaro {

namespace {

constexpr double ZoomStep = 1.25;
constexpr double SmallestZoom = 0.1;
constexpr double LargestZoom = 8.0;

QToolButton* toolButton(PdfViewer* viewer, const QString& text, const QString& tip,
                        const QKeySequence& keys, void (PdfViewer::*action)()) {
    auto* button = new QToolButton(viewer);
    button->setText(text);
    // "+" and "-" say little when read out.
    button->setAccessibleName(tip);
    button->setToolTip(keys.isEmpty()
                           ? tip
                           : tip + QStringLiteral(" (") + keys.toString(QKeySequence::NativeText) +
                                 QStringLiteral(")"));
    if (!keys.isEmpty())
        button->setShortcut(keys);
    QObject::connect(button, &QToolButton::clicked, viewer, action);
    return button;
}

} // namespace

PdfViewer::PdfViewer(const QString& path, QWidget* parent)
    : QWidget(parent, Qt::Window), m_document(new QPdfDocument(this)), m_view(new QPdfView(this)),
      m_status(new QLabel(this)) {
    setObjectName(QStringLiteral("PdfViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("PDF: ") + path);

    m_view->setObjectName(QStringLiteral("PdfView"));
    m_view->setAccessibleName(tr("Datasheet pages"));
    m_view->setDocument(m_document);
    m_view->setPageMode(QPdfView::PageMode::MultiPage);
    m_view->viewport()->installEventFilter(this);

    auto* tools = new QHBoxLayout;
    tools->addWidget(toolButton(this, QStringLiteral("\u2212"), tr("Zoom out"),
                                QKeySequence::ZoomOut, &PdfViewer::zoomOut));
    tools->addWidget(toolButton(this, QStringLiteral("+"), tr("Zoom in"), QKeySequence::ZoomIn,
                                &PdfViewer::zoomIn));
    tools->addWidget(toolButton(this, tr("Fit width"), tr("Fit to the width"),
                                QKeySequence(Qt::CTRL | Qt::Key_0), &PdfViewer::fitWidth));
    tools->addWidget(toolButton(this, tr("Fit page"), tr("Show a whole page"), QKeySequence(),
                                &PdfViewer::fitPage));
    tools->addStretch();
    tools->addWidget(m_status);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(tools);
    layout->addWidget(m_view, 1);

    // The window shows what went wrong instead of staying blank; nothing else reports it.
    m_document->load(path);
    if (!isLoaded())
        m_status->setText(tr("This datasheet cannot be displayed."));
    else
        m_status->setText(pageCount() == 1 ? tr("1 page") : tr("%1 pages").arg(pageCount()));
    fitWidth();

    const QRect screen = QGuiApplication::primaryScreen()
                             ? QGuiApplication::primaryScreen()->availableGeometry()
                             : QRect(0, 0, 1024, 768);
    resize(std::min(800, screen.width()), std::min(1000, screen.height() * 9 / 10));
}

bool PdfViewer::isLoaded() const {
    return m_document->status() == QPdfDocument::Status::Ready;
}

int PdfViewer::pageCount() const {
    return m_document->pageCount();
}

double PdfViewer::zoomFactor() const {
    return m_view->zoomFactor();
}

void PdfViewer::zoomIn() {
    setZoom(m_view->zoomFactor() * ZoomStep);
}

void PdfViewer::zoomOut() {
    setZoom(m_view->zoomFactor() / ZoomStep);
}

void PdfViewer::fitWidth() {
    m_view->setZoomMode(QPdfView::ZoomMode::FitToWidth);
}

void PdfViewer::fitPage() {
    m_view->setZoomMode(QPdfView::ZoomMode::FitInView);
}

void PdfViewer::setZoom(double factor) {
    m_view->setZoomMode(QPdfView::ZoomMode::Custom);
    m_view->setZoomFactor(std::clamp(factor, SmallestZoom, LargestZoom));
}

bool PdfViewer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view->viewport() && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const int steps = wheel->angleDelta().y();
            if (steps > 0)
                zoomIn();
            else if (steps < 0)
                zoomOut();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vistaro
