#pragma once

#include "toolkit/Button.h"
#include "toolkit/ControlArray.h"
#include "toolkit/Form.h"
#include "toolkit/Instance.h"
#include "toolkit/Label.h"
#include "toolkit/Line.h"
#include "toolkit/ListBox.h"
#include "toolkit/PictureBox.h"
#include "toolkit/TextBox.h"
#include "windows/frmCrystalModel.h"
#include "windows/frmGroupCard.h"

#include <cstdint>

struct mainSubs;

// The main window, the learner's whole working surface: sixteen element-kind
// icons with their count boxes, the model list, the result box that holds the
// element pattern, and the buttons to restart, to have the answer checked and
// to end the program.
class frmMain : public toolkit::Form {
public:
    frmMain(mainSubs &subs, toolkit::Instance<frmCrystalModel> &crystalModel,
            toolkit::Instance<frmGroupCard> &groupCard);

    toolkit::Label Label2;
    toolkit::Label Label1;
    toolkit::ControlArray<toolkit::PictureBox> picSymetryElements;
    toolkit::ControlArray<toolkit::TextBox> txtSymetryElements;
    toolkit::Button cmdRestart;
    toolkit::Button cmdAccept;
    toolkit::ListBox lstModel;
    toolkit::TextBox txtResult;
    toolkit::Button cmdEXIT;
    toolkit::Line Line1;

    void Form_Load();
    void cmdEXIT_Click();
    void cmdRestart_Click();
    void cmdAccept_Click();
    void lstModel_Click();
    void txtSymetryElements_Change(std::int16_t k);
    void txtSymetryElements_DblClick(std::int16_t k);
    void txtSymetryElements_GotFocus(std::int16_t k);

private:
    void bindEvents();

    mainSubs &subs_;
    toolkit::Instance<frmCrystalModel> &frmCrystalModel_;
    toolkit::Instance<frmGroupCard> &frmGroupCard_;
};
