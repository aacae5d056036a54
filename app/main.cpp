#include "toolkit/Application.h"
#include "windows/Vornath.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    toolkit::prepareApplication();
    Vornath vornath;
    if (!vornath.start())
        return 1;
    return application.exec();
}
