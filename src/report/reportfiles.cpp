// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/reportfiles.h"

#include "platform/settingspath.h"
#include "report/reportpage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

namespace vistaro {

namespace {

QString failure(const QString& path, const QString& reason) {
    return QCoreApplication::translate("Report", "Could not save \"%1\": %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

// Every window's saves share it: a report, its picture and a test chart usually go together.
const QString FolderKey = QStringLiteral("Coverage/reportFolder");

} // namespace

QString askSavePath(const std::function<QString(const QString& proposed)>& ask, const QString& name,
                    const QString& suffix) {
    const std::unique_ptr<QSettings> settings = windowSettings();
    QString folder = settings->value(FolderKey).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = ask(QDir(folder).filePath(name + u'.' + suffix));
    if (path.isEmpty())
        return {};
    if (QFileInfo(path).suffix().isEmpty())
        path += u'.' + suffix;
    settings->setValue(FolderKey, QFileInfo(path).absolutePath());
    return path;
}

std::optional<QString> saveReportPdf(const QString& path, const ReportDocument& document,
                                     const QPageSize& pageSize) {
    return saveReportPdf(path, QList<ReportDocument>{document}, pageSize);
}

std::optional<QString> saveReportPdf(const QString& path, const QList<ReportDocument>& documents,
                                     const QPageSize& pageSize) {
    return savePdf(path, pageSize, [&](QPdfWriter& writer) {
        // Screen resolution: the drawings' fonts are sized for it (see paintReport).
        writer.setResolution(96);
        writer.setPageMargins(ReportMargins, QPageLayout::Millimeter);
        if (!documents.isEmpty())
            writer.setTitle(documents.front().title);
        return paintReport(writer, documents);
    });
}

std::optional<QString> savePdf(const QString& path, const QPageSize& pageSize,
                               const std::function<bool(QPdfWriter&)>& paint) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setPageSize(pageSize);
        writer.setCreator(QCoreApplication::applicationName());
        if (!paint(writer)) {
            file.cancelWriting();
            return failure(path, QCoreApplication::translate("Report", "the page could not be "
                                                                       "drawn"));
        }
    }
    if (!file.commit())
        return failure(path, file.errorString());
    return std::nullopt;
}

std::optional<QString> saveImage(const QString& path, const QImage& image) {
    if (image.isNull())
        return failure(path, QCoreApplication::translate("Report", "there is no picture to save"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file.errorString());
    if (!image.save(&file, "PNG")) {
        file.cancelWriting();
        return failure(path, file.errorString());
    }
    if (!file.commit())
        return failure(path, file.errorString());
    return std::nullopt;
}

} // namespace vistaro
