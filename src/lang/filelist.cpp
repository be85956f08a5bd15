// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/filelist.h"

#include <QDir>

namespace vistaro {

FileList::FileList(const QString& pattern, QWidget* parent)
    : QListWidget(parent), m_pattern(pattern) {}

void FileList::setPath(const QString& dir) {
    m_path = QDir::toNativeSeparators(dir);
    clear();
    addItems(QDir(dir).entryList({m_pattern}, QDir::Files,
                                 QDir::Name | QDir::IgnoreCase | QDir::LocaleAware));
}

QString FileList::fileName() const {
    const QListWidgetItem* item = currentItem();
    return item ? item->text() : QString();
}

} // namespace vistaro
