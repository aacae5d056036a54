#include "windows/frmGroupCard.h"

#include "reference/mainSubs.h"
#include "toolkit/Conversions.h"
#include "toolkit/Picture.h"

namespace {

constexpr toolkit::Twips clientWidth = 16200;
constexpr toolkit::Twips clientHeight = 9075;
constexpr toolkit::Rect picSystemPlace{0, 0, 15420, 3480};
constexpr toolkit::Rect picDetailCardPlace{0, 3480, 15345, 5580};

constexpr toolkit::Twips gapBetweenCards = 20;
constexpr toolkit::Twips widthMargin = 100;
constexpr toolkit::Twips heightMargin = 550;

} // namespace

frmGroupCard::frmGroupCard(const mainSubs &subs)
    : Form(QStringLiteral("Κάρτα Ομάδας  - Ardelvo"), clientWidth, clientHeight),
      picSystem(*this, picSystemPlace, 0),
      picDetailCard(*this, picDetailCardPlace, 1),
      subs_(subs)
{
}

void frmGroupCard::showCardsOfClass(int n)
{
    picSystem.setPicture(toolkit::loadPicture("CS_" + subs_.classSystem(n) + ".bmp"));
    picDetailCard.setPicture(toolkit::loadPicture("CG" + toolkit::format00(n) + ".bmp"));
    picSystem.setTop(0);
    picSystem.setLeft(0);
    picDetailCard.setTop(picSystem.height() + gapBetweenCards);
    picDetailCard.setLeft(0);
    setWidth(picSystem.width() + widthMargin);
    setHeight(picDetailCard.height() + picSystem.height() + heightMargin);
    show();
}

void frmGroupCard::hideGroupCard()
{
    hide();
}
