// The yardstick for the program's start-up: a Qt Widgets program that opens
// one window and ends.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(610, 638);
    window.show();
    QCoreApplication::processEvents();
    return 0;
}
