// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/obbiettivi.h"
#include "match/cconsiglia.h"
#include "platform/settingspath.h"
#include "support/messageboxanswer.h"

#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

namespace vistaro::test {

// The program as main() starts it, in a folder with the sample catalogues and two languages.
class SampleWorkFolder {
public:
    bool prepare() {
        // The offscreen platform's complaints about size hints and raise() stay out of the log.
        static QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (!message.startsWith(u"This plugin does not support "))
                    previous(type, context, message);
            });
        MessageBoxAnswer::failOnUnexpectedBoxes();
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QString data = QStringLiteral(VISTARO_SOURCE_DATA_DIR "/");
        for (const char* name : {"Obbiettivi1.txt", "Obbiettivi2.txt", "lang/English.lng",
                                 "lang/Italiano.lng", "lang/Deutsch.lng"})
            if (!QFile::copy(data + QLatin1StringView(name),
                             filePath(QFileInfo(QLatin1StringView(name)).fileName())))
                return false;
        return QDir::setCurrent(m_dir.path());
    }

    // Starts the program afresh on a settings file that holds `settings`, none when empty.
    void start(const QByteArray& settings = {}) {
        m_started.reset();
        QFile::remove(settingsFilePath());
        QDir().mkpath(QFileInfo(settingsFilePath()).path());
        QFile file(settingsFilePath());
        QVERIFY(settings.isEmpty() ||
                (file.open(QIODevice::WriteOnly) && file.write(settings) == settings.size()));
        file.close();
        m_started = std::make_unique<Started>();
        m_started->window.Form_Load();
    }
    void stop() { m_started.reset(); }

    ProgramState& program() const { return m_started->program; }
    Obbiettivi& window() const { return m_started->window; }
    WindowHub& hub() const { return m_started->window.hub(); }
    template <typename T = QWidget> T* find(const QString& name, QWidget* in = nullptr) const {
        return (in ? in : &window())->findChild<T*>(name);
    }
    QLineEdit* edit(const QString& name) const { return find<QLineEdit>(name); }

    // Clicks `name` of `in` (default: main window); an option button on its circle.
    void click(const QString& name, QWidget* in = nullptr) const {
        QWidget* widget = find(name, in);
        const QPoint point = qobject_cast<QRadioButton*>(widget) ? QPoint(6, widget->height() / 2)
                                                                 : widget->rect().center();
        QTest::mouseClick(widget, Qt::LeftButton, {}, point);
    }

    // Clicks into the field, selects its text and types over it, as a user does.
    void retype(const QString& name, const QString& typed) const {
        click(name);
        QTest::keyClick(edit(name), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit(name), Qt::Key_Backspace);
        QTest::keyClicks(edit(name), typed);
    }

    // Enough CalcoloFocale ticks for any pending recalculation to land.
    static void waitTicks(int ticks = 4) { QTest::qWait(ticks * 50 + 20); }

    // The recommendation window, made on first use as a window of its own.
    static CConsiglia* consiglia() {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<CConsiglia*>(window))
                return found;
        return nullptr;
    }

    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    static QByteArray settingsBytes() {
        QFile file(settingsFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    struct Started {
        ProgramState program;
        Obbiettivi window{program};
    };
    QTemporaryDir m_dir;
    std::unique_ptr<Started> m_started;
};

} // namespace vistaro::test
