#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vistaro"));
    QWidget window;
    window.setObjectName(QStringLiteral("Obbiettivi"));
    window.setWindowTitle(QStringLiteral("Vistaro"));
    window.show();
    return QApplication::exec();
}
