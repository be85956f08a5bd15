#pragma once

#include "app/obbiettivi.h"
#include "match/cconsiglia.h"
#include "platform/settingspath.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace vistaro::test {

// Answers each modal message box with `button` as it opens and records what it said. While
// none is alive, a message box fails the running test at once, naming its text, and is closed,
// so that a test never waits on a box that nobody answers.
class MessageBoxAnswer {
public:
    explicit MessageBoxAnswer(QMessageBox::StandardButton button = QMessageBox::Ok) {
        ++alive();
        m_timer.callOnTimeout([this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box == m_last)
                return;
            m_last = box;
            if (onOpen)
                onOpen();
            texts.append(box->text());
            title = box->windowTitle();
            if (QAbstractButton* pressed = box->button(button))
                pressed->click();
            else
                box->reject();
        });
        m_timer.start(5);
    }
    ~MessageBoxAnswer() { --alive(); }
    MessageBoxAnswer(const MessageBoxAnswer&) = delete;
    MessageBoxAnswer& operator=(const MessageBoxAnswer&) = delete;

    std::function<void()> onOpen; // looks at the program while the box is open
    QStringList texts;
    QString title;

    // Starts the watch for boxes that no MessageBoxAnswer expects; once, after the application.
    static void failOnUnexpectedBoxes() {
        auto* watch = new QTimer(QCoreApplication::instance());
        watch->callOnTimeout([] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || alive() > 0)
                return;
            const QString text = box->text();
            box->reject();
            QTest::qFail(qPrintable(QStringLiteral("unexpected message box: ") + text), __FILE__,
                         __LINE__);
        });
        watch->start(5);
    }

private:
    static int& alive() {
        static int count = 0;
        return count;
    }

    QPointer<QMessageBox> m_last;
    QTimer m_timer;
};

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
        for (const char* name :
             {"Obbiettivi1.txt", "Obbiettivi2.txt", "lang/English.lng", "lang/Italiano.lng"})
            if (!QFile::copy(data + name, filePath(QFileInfo(name).fileName())))
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
