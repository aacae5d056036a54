#pragma once

#include "toolkit/Form.h"
#include "toolkit/PictureBox.h"

#include <cstdint>

struct mainSubs;

// The group card: the card of a crystal system above the card of one of its
// classes, both read from picture files at every showing. It has no handlers
// of its own; other windows show and hide it.
class frmGroupCard : public toolkit::Form {
public:
    explicit frmGroupCard(const mainSubs &subs);

    toolkit::PictureBox picSystem;
    toolkit::PictureBox picDetailCard;

    // Loads the cards of class n (1 to 32), lays them out, sizes the window to
    // them and shows it where it stands. A card that cannot be loaded stops the
    // showing at that load.
    void showCardsOfClass(int n);

    void hideGroupCard();

private:
    const mainSubs &subs_;
};
