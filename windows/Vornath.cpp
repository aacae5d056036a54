#include "windows/Vornath.h"

#include "toolkit/Application.h"

#include <QApplication>

Vornath::Vornath()
    : crystalModel([] { return std::make_unique<frmCrystalModel>(); }),
      groupCard([this] { return std::make_unique<frmGroupCard>(subs); })
{
}

bool Vornath::start()
{
    // The main window is created inside the start-up, so that a failure while
    // building it is told to the learner like a failure of its load event.
    return toolkit::startUp(
        [this]() -> toolkit::Form & {
            mainWindow = std::make_unique<frmMain>(subs, crystalModel, groupCard);
            return *mainWindow;
        },
        [this] { mainWindow->Form_Load(); });
}

int Vornath::run(int &argc, char **argv, const std::function<void(Vornath &)> &started)
{
    toolkit::preferX11();
    QApplication application(argc, argv);
    toolkit::prepareApplication();
    Vornath vornath;
    if (!vornath.start())
        return 1;
    if (started)
        started(vornath);
    return application.exec();
}
