// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/siterecovery.h"

#include "platform/savefile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace vistaro {

namespace {

constexpr std::chrono::milliseconds DefaultInterval{2000};
const QString CopyName = QStringLiteral("recovery.vistaro");
const QString NoteName = QStringLiteral("recovery-of.txt");
const QString LockName = QStringLiteral("recovery.lock");
// The note holds one path; anything longer is not ours.
constexpr qint64 MaxNoteBytes = 64 * 1024;

// The lock of the copy in `folder`. Held for as long as there are unsaved changes, which may
// be hours: only its owner's end makes it stale.
std::unique_ptr<QLockFile> lockIn(const QString& folder) {
    auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(LockName));
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

SiteRecovery::SiteRecovery(std::function<UnsavedSite()> unsaved, QObject* parent)
    : QObject(parent), m_unsaved(std::move(unsaved)), m_folder(defaultFolder()) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(DefaultInterval);
    m_timer.callOnTimeout(this, &SiteRecovery::writeNow);
}

QString SiteRecovery::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString SiteRecovery::filePath() const {
    return QDir(m_folder).filePath(CopyName);
}

QString SiteRecovery::notePath() const {
    return QDir(m_folder).filePath(NoteName);
}

void SiteRecovery::changed() {
    m_timer.start();
}

void SiteRecovery::writeNow() {
    m_timer.stop();
    // A folder that cannot be made fails the lock, whose message names the copy.
    QDir().mkpath(m_folder);
    if (!m_lock) {
        std::unique_ptr<QLockFile> lock = lockIn(m_folder);
        if (!lock->tryLock(0)) {
            emit failed(lock->error() == QLockFile::LockFailedError
                            ? tr("Unsaved changes are not copied for recovery: another Vistaro "
                                 "keeps its copy in %1.")
                                  .arg(QDir::toNativeSeparators(m_folder))
                            : tr("The recovery copy %1 cannot be written.")
                                  .arg(QDir::toNativeSeparators(filePath())));
            return;
        }
        m_lock = std::move(lock);
    }
    const UnsavedSite unsaved = m_unsaved();
    if (const std::optional<QString> problem = SiteFile::save(filePath(), unsaved.site)) {
        emit failed(*problem);
        return;
    }
    // Without its note the copy is still restored, only as a site without a file.
    saveWhole(notePath(), unsaved.file.toUtf8());
}

void SiteRecovery::clean() {
    m_timer.stop();
    if (m_lock)
        discard();
}

bool SiteRecovery::leftIn(const QString& folder) {
    return QFile::exists(QDir(folder).filePath(CopyName)) && lockIn(folder)->tryLock(0);
}

std::optional<LeftBehind> SiteRecovery::leftBehind() const {
    if (!leftIn(m_folder))
        return std::nullopt;
    LeftBehind left{SiteFile::read(filePath()), {}};
    QFile note(notePath());
    if (note.open(QIODevice::ReadOnly))
        left.file = QString::fromUtf8(note.read(MaxNoteBytes));
    return left;
}

void SiteRecovery::discard() {
    m_timer.stop();
    std::unique_ptr<QLockFile> lock = std::move(m_lock);
    if (!lock) {
        lock = lockIn(m_folder);
        if (!lock->tryLock(0))
            return;
    }
    QFile::remove(filePath());
    QFile::remove(notePath());
}

} // namespace vistaro
