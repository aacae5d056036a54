// The program's own start-up, as app/main.cpp runs it, ended once the main
// window is exposed.

#include "bench/QuitWhenExposed.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "windows/Vornath.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    bench::useOffscreenPlatform();
    QApplication application(argc, argv);
    toolkit::prepareApplication();
    Vornath vornath;
    if (!vornath.start())
        return 1;
    bench::QuitWhenExposed quit(vornath.mainWindow->widget()->windowHandle());
    return application.exec();
}
