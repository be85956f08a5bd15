#include "app/obbiettivi.h"
#include "state/sharedstate.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vistaro"));
    // Lets Wayland compositors match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VISTARO_APP_ID));
    vistaro::ProgramState program;
    vistaro::Obbiettivi window(program);
    window.Form_Load();
    return QApplication::exec();
}
