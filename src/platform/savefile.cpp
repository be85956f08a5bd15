// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/savefile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace vistaro {

namespace {

// Hands every write on to the file and remembers one that did not go through whole: a full disk
// takes part of a write without an error, and a painter's device never looks at what a write
// returns, so QSaveFile alone would commit a file cut short.
class CheckedWrites : public QIODevice {
public:
    explicit CheckedWrites(QSaveFile& file) : m_file(file) {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    bool cutShort() const { return m_cutShort; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        const qint64 written = m_file.write(data, size);
        m_cutShort = m_cutShort || written != size;
        return written;
    }

private:
    QSaveFile& m_file;
    bool m_cutShort = false;
};

} // namespace

QString SaveFailure::message() const {
    return tr("Could not save \"%1\": %2. Nothing was written.")
        .arg(QDir::toNativeSeparators(path), reason);
}

std::optional<SaveFailure> saveWhole(const QString& path, const FileContent& content) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return SaveFailure{path, file.errorString()};
    CheckedWrites device(file);
    if (const std::optional<QString> reason = content(device)) {
        file.cancelWriting();
        return SaveFailure{path, *reason};
    }
    if (device.cutShort() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return SaveFailure{path, file.error() != QFileDevice::NoError
                                     ? file.errorString()
                                     : SaveFailure::tr("the disk took only part of it")};
    }
    if (!file.commit())
        return SaveFailure{path, file.errorString()};
    return std::nullopt;
}

std::optional<SaveFailure> saveWhole(const QString& path, const QByteArray& bytes) {
    return saveWhole(path, [&](QIODevice& device) {
        device.write(bytes);
        return std::optional<QString>();
    });
}

std::optional<QString> failureMessage(const std::optional<SaveFailure>& failure) {
    return failure ? std::optional(failure->message()) : std::nullopt;
}

QString withSuffix(const QString& path, const QString& suffix) {
    return QFileInfo(path).suffix().isEmpty() ? path + u'.' + suffix : path;
}

} // namespace vistaro
