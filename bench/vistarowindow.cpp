// The program's start-up exactly as src/app/main.cpp does it, with the probe that reports the
// first paint attached before the window shows.
#include "app/obbiettivi.h"
#include "state/sharedstate.h"
#include "windowprobe.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vistaro"));
    vistaro::ProgramState program;
    vistaro::Obbiettivi window(program);
    vistaro::bench::WindowProbe probe(window, vistaro::bench::probeModeFromArguments());
    window.Form_Load();
    return QApplication::exec();
}
