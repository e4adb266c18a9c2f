// coltstracker-bare: a Qt program that shows one empty window titled "Bare Window", the
// yardstick the program's start-up is measured against.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    window.resize(400, 300);
    window.show();
    return app.exec();
}
