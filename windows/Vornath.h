#pragma once

#include "reference/mainSubs.h"
#include "toolkit/Instance.h"
#include "windows/frmCrystalModel.h"
#include "windows/frmGroupCard.h"
#include "windows/frmMain.h"

#include <functional>
#include <memory>

// The whole program: the reference tables and the three windows, each one
// instance. run() owns one; every test makes its own.
class Vornath {
public:
    Vornath();

    // The whole run of the program, which main() returns: the application,
    // the toolkit's settings, the start, then the event loop until the program
    // ends. `started`, when given, is called once the main window is shown
    // (the start-up benchmark stops the loop from there).
    static int run(int &argc, char **argv, const std::function<void(Vornath &)> &started = {});

    // Creates the main window, runs its load event and shows it. False when the
    // program could not start (the learner has been told why).
    bool start();

    mainSubs subs;
    toolkit::Instance<frmCrystalModel> crystalModel;
    toolkit::Instance<frmGroupCard> groupCard;
    std::unique_ptr<frmMain> mainWindow;
};
