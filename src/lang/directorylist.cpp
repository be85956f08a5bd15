// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/directorylist.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QStyle>

namespace vistaro {

namespace {

constexpr int PathRole = Qt::UserRole;

QTreeWidgetItem* folderItem(const QString& path, const QString& name, const QIcon& icon) {
    auto* item = new QTreeWidgetItem({name});
    item->setData(0, PathRole, path);
    item->setIcon(0, icon);
    item->setToolTip(0, QDir::toNativeSeparators(path));
    return item;
}

// The folders from the root down to `path`, each one's absolute path.
QStringList chainTo(const QString& path) {
    QStringList chain;
    QDir dir(path);
    do
        chain.prepend(dir.absolutePath());
    while (dir.cdUp());
    return chain;
}

} // namespace

DirectoryList::DirectoryList(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(8);
    setUniformRowHeights(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    // The list is rebuilt when a folder opens, so the item that was clicked must outlive the
    // signal that reports it: the folder opens once control is back in the event loop.
    connect(this, &QTreeWidget::itemClicked, this, &DirectoryList::openLater);
    connect(this, &QTreeWidget::itemActivated, this, &DirectoryList::openLater);
}

bool DirectoryList::setPath(const QString& dir) {
    const QFileInfo info(dir);
    if (!info.isDir() || !info.isReadable())
        return false;
    const QString path = QDir::toNativeSeparators(QDir::cleanPath(info.absoluteFilePath()));
    if (path == m_path)
        return true;
    m_path = path;
    showPath();
    emit changed();
    return true;
}

void DirectoryList::openLater(const QTreeWidgetItem* item) {
    const QString path = item->data(0, PathRole).toString();
    QMetaObject::invokeMethod(
        this, [this, path] { setPath(path); }, Qt::QueuedConnection);
}

void DirectoryList::showPath() {
    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirIcon);

    QTreeWidgetItem* current = nullptr;
    for (const QString& folder : chainTo(m_path)) {
        const QString name = QFileInfo(folder).fileName();
        QTreeWidgetItem* item =
            folderItem(folder, name.isEmpty() ? QDir::toNativeSeparators(folder) : name, openIcon);
        if (current)
            current->addChild(item);
        else
            addTopLevelItem(item);
        item->setExpanded(true);
        current = item;
    }
    const QDir dir(m_path);
    const QStringList subfolders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                 QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QString& name : subfolders)
        current->addChild(folderItem(dir.filePath(name), name, closedIcon));
    current->setExpanded(true);
    setCurrentItem(current);
    scrollToItem(current);
}

} // namespace vistaro
