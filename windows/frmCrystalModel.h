#pragma once

#include "toolkit/Form.h"
#include "toolkit/PictureBox.h"

// The model viewer: the chosen model's picture in one self-sizing box, with the
// window fitted around it. Loading, placing, showing and hiding belong to the
// model choice of the main window.
class frmCrystalModel : public toolkit::Form {
public:
    frmCrystalModel();

    toolkit::PictureBox picCrystalModel;

    void picCrystalModel_Resize();
};
