// coltstracker-bare [--empty]: a Qt program that shows one window titled "Bare Window" with a
// line of text, the yardstick the program's start-up is measured against. With --empty the
// window shows nothing, so no font is ever loaded.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool empty = app.arguments().contains(QStringLiteral("--empty"));
    QLabel window(empty ? QString() : QStringLiteral("A bare Qt program with one window."));
    window.setWindowTitle(QStringLiteral("Bare Window"));
    window.resize(400, 300);
    window.show();
    return app.exec();
}
