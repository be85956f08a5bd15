// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTreeWidget>

namespace vistaro {

// A directory list: the folders from the drive's root down to the current one, and the
// current one's subfolders beneath it. Clicking a folder makes it the current one.
class DirectoryList : public QTreeWidget {
    Q_OBJECT

public:
    explicit DirectoryList(QWidget* parent = nullptr);

    // The current folder, with the platform's separators.
    QString path() const { return m_path; }

    // Moves to `dir` and raises changed() when that is another folder. Returns false, and
    // nothing changes, when `dir` is no folder that can be read (a drive not ready).
    bool setPath(const QString& dir);

signals:
    void changed();

protected:
    // Every folder shown is open, so there is nothing to expand or collapse.
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}

private:
    void showPath();
    void openLater(const QTreeWidgetItem* item);

    QString m_path;
};

} // namespace vistaro
