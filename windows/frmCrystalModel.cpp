#include "windows/frmCrystalModel.h"

namespace {

constexpr toolkit::Twips clientWidth = 4560;
constexpr toolkit::Twips clientHeight = 3060;
constexpr toolkit::Rect picCrystalModelPlace{0, 0, 3135, 2295};

// Fixed margins around the picture, not computed from the frame.
constexpr toolkit::Twips widthMargin = 100;
constexpr toolkit::Twips heightMargin = 500;

} // namespace

frmCrystalModel::frmCrystalModel()
    : Form(QStringLiteral("Μοντέλο κρυστάλλου εξάσκησης"), clientWidth, clientHeight),
      picCrystalModel(*this, picCrystalModelPlace, 0)
{
    picCrystalModel.resized.bind([this] { picCrystalModel_Resize(); });
}

void frmCrystalModel::picCrystalModel_Resize()
{
    setWidth(picCrystalModel.innerWidth() + widthMargin);
    setHeight(picCrystalModel.innerHeight() + heightMargin);
}
