#pragma once

#include "app/sharedstate.h"
#include "calc/obbiettivi.h"
#include "platform/settingspath.h"
#include "platform/textlines.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

namespace vistaro::test {

// What a whole-program test starts from: a working folder that holds copies of the sample
// catalogues and of two language files, with the settings file in the test-mode location.
class SampleWorkFolder {
public:
    // Makes the folder the working directory; false when something could not be set up.
    bool prepare() {
        QStandardPaths::setTestModeEnabled(true);
        if (!m_dir.isValid())
            return false;
        const QString data = QStringLiteral(VISTARO_SOURCE_DATA_DIR);
        for (const QString& name :
             {QStringLiteral("Obbiettivi1.txt"), QStringLiteral("Obbiettivi2.txt"),
              QStringLiteral("lang/English.lng"), QStringLiteral("lang/Italiano.lng")}) {
            if (!QFile::copy(data + u'/' + name, filePath(QFileInfo(name).fileName())))
                return false;
        }
        return QDir::setCurrent(m_dir.path());
    }

    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Lines of `name`, read as the program reads them.
    QStringList lines(const QString& name) const {
        return readTextLines(filePath(name)).value_or(QStringList());
    }

    static void removeSettings() { QFile::remove(settingsFilePath()); }

    static bool writeSettings(const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(settingsFilePath()).path());
        QFile file(settingsFilePath());
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    static QByteArray settingsBytes() {
        QFile file(settingsFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
};

// The program as main() starts it.
struct StartedProgram {
    ProgramState program;
    std::unique_ptr<Obbiettivi> window;

    StartedProgram() : window(std::make_unique<Obbiettivi>(program)) { window->Form_Load(); }
};

} // namespace vistaro::test
