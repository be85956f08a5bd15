// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QPdfDocument;
class QPdfView;

namespace vistaro {

// A datasheet window of our own, captioned "PDF: " and the path: all pages in one scrolling
// column, zoomed with the buttons, Ctrl and the mouse wheel, or Ctrl +, Ctrl - and Ctrl 0 (fit
// to the width). Modeless; it deletes itself when closed.
class PdfViewer : public QWidget {
    Q_OBJECT

public:
    explicit PdfViewer(const QString& path, QWidget* parent = nullptr);

    bool isLoaded() const;
    int pageCount() const;
    double zoomFactor() const;

public slots:
    void zoomIn();
    void zoomOut();
    void fitWidth();
    void fitPage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setZoom(double factor);

    QPdfDocument* m_document = nullptr;
    QPdfView* m_view = nullptr;
    QLabel* m_status = nullptr;
};

} // namespace vistaro
