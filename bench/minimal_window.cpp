// The reference of the start-up benchmark: the smallest Qt Widgets program that shows a
// window, built with the same compiler, options and Qt as the program.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    window.show();
    return app.exec();
}
