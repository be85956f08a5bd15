// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>
#include <QString>

namespace vistaro {

// A file list: the names in one folder that match a pattern, sorted.
class FileList : public QListWidget {
    Q_OBJECT

public:
    explicit FileList(const QString& pattern, QWidget* parent = nullptr);

    // The folder listed, with the platform's separators.
    QString path() const { return m_path; }
    void setPath(const QString& dir);

    // The selected name, empty when none is.
    QString fileName() const;

private:
    QString m_pattern;
    QString m_path;
};

} // namespace vistaro
