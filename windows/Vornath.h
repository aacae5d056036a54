#pragma once

#include "reference/mainSubs.h"
#include "toolkit/Instance.h"
#include "windows/frmCrystalModel.h"
#include "windows/frmGroupCard.h"
#include "windows/frmMain.h"

#include <memory>

// The whole program: the reference tables and the three windows, each one
// instance. main() owns one; every test makes its own.
class Vornath {
public:
    Vornath();

    // Creates the main window, runs its load event and shows it. False when the
    // program could not start (the learner has been told why).
    bool start();

    mainSubs subs;
    toolkit::Instance<frmCrystalModel> crystalModel;
    toolkit::Instance<frmGroupCard> groupCard;
    std::unique_ptr<frmMain> mainWindow;
};
