// The yardstick for the program's start-up: a bare Qt program that shows one
// empty window and quits once the window is exposed.

#include "bench/QuitWhenExposed.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    bench::useOffscreenPlatform();
    QApplication application(argc, argv);
    QWidget window;
    window.resize(320, 683);
    (void)window.winId(); // the platform window, to watch for its exposure
    bench::QuitWhenExposed quit(window.windowHandle());
    window.show();
    return application.exec();
}
