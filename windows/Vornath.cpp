#include "windows/Vornath.h"

#include "toolkit/Application.h"

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
