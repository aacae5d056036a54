// The program's own start-up, as app/main.cpp runs it, ended once the main
// window is exposed.

#include "bench/QuitWhenExposed.h"
#include "windows/Vornath.h"

int main(int argc, char *argv[])
{
    bench::useOffscreenPlatform();
    return Vornath::run(argc, argv, [](Vornath &vornath) {
        new bench::QuitWhenExposed(vornath.mainWindow->widget()->windowHandle()); // the window owns it
    });
}
