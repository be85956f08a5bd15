// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A Qt generic plugin that plays the user of an installed program from outside (QT_PLUGIN_PATH
// naming its folder, QT_QPA_GENERIC_PLUGINS=vistarostartprobe); the program knows nothing of it.
// It asks for a lens and its datasheet as a user would, prints what the windows show, one
// "what: text" line each, and ends the program: 0 when every step showed something, 1 at the
// first that did not (a message box instead, or nothing within the time).

#include <QApplication>
#include <QGenericPlugin>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

namespace {

void report(const char* what, const QString& text) {
    std::printf("%s: %s\n", what, qPrintable(text));
    std::fflush(stdout);
}

// Reports, then ends at once: a modal message box may be running an event loop of its own.
[[noreturn]] void end(int status, const char* what, const QString& text) {
    report(what, text);
    _exit(status);
}

// The visible top-level `T` named `name`, of any name when none is given.
template <typename T = QWidget> T* window(const char* name = nullptr) {
    for (QWidget* shown : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<T*>(shown);
            found && found->isVisible() && (!name || shown->objectName() == QLatin1String(name)))
            return found;
    return nullptr;
}

// Waits for the window `name`; a message box instead ends the probe, naming its text.
QWidget* await(const char* name) {
    QWidget* found = nullptr;
    const bool shown =
        QTest::qWaitFor([&] { return (found = window(name)) || window<QMessageBox>(); }, 10000);
    if (QMessageBox* box = window<QMessageBox>())
        end(1, "message", box->text());
    if (!shown)
        end(1, "missing", QLatin1String(name));
    return found;
}

template <typename T> T* child(QWidget* in, const char* name) {
    T* found = in->findChild<T*>(QLatin1String(name));
    if (!found)
        end(1, "missing", QLatin1String(name));
    return found;
}

void retype(QWidget* main, const char* name, const QString& text) {
    auto* field = child<QLineEdit>(main, name);
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    QTest::qWait(300); // the calculator's timer takes the typed value up
}

// 10 m from a 1/3" camera with a scene 8 m wide: a 6 mm lens, whose datasheet is then opened.
void play() {
    QWidget* main = await("Obbiettivi");
    report("window", main->windowTitle());
    QTest::qWait(800); // the language file is applied half a second after the start
    report("sensor frame", child<QGroupBox>(main, "Sensore")->title());
    retype(main, "L1", QStringLiteral("10"));
    retype(main, "H1", QStringLiteral("8"));
    QTest::mouseClick(child<QPushButton>(main, "MarvantoCons"), Qt::LeftButton);
    QWidget* recommendation = await("CConsiglia");
    report("lens", child<QLabel>(recommendation, "Nome")->text());
    QTest::mouseClick(child<QPushButton>(recommendation, "Command2"), Qt::LeftButton);
    end(0, "datasheet", await("PdfViewer")->windowTitle());
}

class StartProbe : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "startprobe.json")

public:
    // Called while the application object is made: the probe starts with its event loop. The
    // object returned holds the timers; Qt keeps it for the program's life.
    QObject* create(const QString&, const QString&) override {
        auto* probe = new QObject;
        QTimer::singleShot(0, probe, play);
        QTimer::singleShot(30000, probe, [] { end(1, "timeout", QStringLiteral("30 s")); });
        return probe;
    }
};

} // namespace

#include "startprobe.moc"
