// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/reportfiles.h"

#include "platform/savefile.h"
#include "platform/settingspath.h"
#include "report/reportpage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSettings>
#include <QStandardPaths>

namespace vistaro {

namespace {

// Every window's saves share it: a report, its picture and a test chart usually go together.
const QString FolderKey = QStringLiteral("Coverage/reportFolder");

} // namespace

QString askSavePath(const std::function<QString(const QString& proposed)>& ask, const QString& name,
                    const QString& suffix) {
    const std::unique_ptr<QSettings> settings = windowSettings();
    QString folder = settings->value(FolderKey).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString picked = ask(QDir(folder).filePath(name + u'.' + suffix));
    if (picked.isEmpty())
        return {};
    const QString path = withSuffix(picked, suffix);
    settings->setValue(FolderKey, QFileInfo(path).absolutePath());
    return path;
}

std::optional<QString> saveReportPdf(const QString& path, const ReportDocument& document,
                                     const QPageSize& pageSize) {
    return saveReportPdf(path, QList<ReportDocument>{document}, pageSize);
}

std::optional<QString> saveReportPdf(const QString& path, const QList<ReportDocument>& documents,
                                     const QPageSize& pageSize, const PageProgress& progress) {
    return savePdf(path, pageSize, [&](QPdfWriter& writer) {
        // Screen resolution: the drawings' fonts are sized for it (see paintReport).
        writer.setResolution(96);
        writer.setPageMargins(ReportMargins, QPageLayout::Millimeter);
        if (!documents.isEmpty())
            writer.setTitle(documents.front().title);
        return paintReport(writer, documents, progress);
    });
}

std::optional<QString> savePdf(const QString& path, const QPageSize& pageSize,
                               const std::function<bool(QPdfWriter&)>& paint) {
    return failureMessage(saveWhole(path, [&](QIODevice& file) -> std::optional<QString> {
        QPdfWriter writer(&file);
        writer.setPageSize(pageSize);
        writer.setCreator(QCoreApplication::applicationName());
        if (!paint(writer))
            return QCoreApplication::translate("Report", "the page could not be drawn");
        return std::nullopt;
    }));
}

std::optional<QString> saveImage(const QString& path, const QImage& image) {
    if (image.isNull())
        return SaveFailure{path,
                           QCoreApplication::translate("Report", "there is no picture to save")}
            .message();
    return failureMessage(saveWhole(path, [&](QIODevice& file) -> std::optional<QString> {
        if (!image.save(&file, "PNG"))
            return QCoreApplication::translate("Report", "the picture could not be written as PNG");
        return std::nullopt;
    }));
}

} // namespace vistaro
