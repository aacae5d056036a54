#include "windows/frmMain.h"

#include "reference/mainSubs.h"
#include "toolkit/Application.h"
#include "toolkit/Conversions.h"
#include "toolkit/Dispatch.h"
#include "toolkit/MsgBox.h"
#include "toolkit/Picture.h"

#include <array>

namespace {

using toolkit::Font;
using toolkit::Rect;
using toolkit::Twips;

// The window's layout, in twips from the top-left corner of its client area.
constexpr Twips clientWidth = 4800;
constexpr Twips clientHeight = 10245;

// The fonts, by what they write.
constexpr Font creditFont{"Tahoma", 8.25, true};   // Label2, what the credit is for
constexpr Font nameFont{"Tahoma", 11.25, true};    // Label1, the name credited
constexpr Font buttonFont{"Tahoma", 12, true};     // "Αποδοχή" and "ΕΞΟΔΟΣ"
constexpr Font restartFont{"Tahoma", 11.25, true}; // "Επανεκκίνηση", the longest button caption
constexpr Font listFont{"Tahoma", 9.75, true};     // the model list
constexpr Font countFont{"Tahoma", 14.25, true};   // the sixteen count boxes

constexpr toolkit::Colour labelRed{128, 0, 0};
constexpr toolkit::Colour lineRed{192, 0, 0};
constexpr int lineWidthPixels = 3;

constexpr Rect label2Place{120, 0, 2895, 255};
constexpr Rect label1Place{120, 240, 2895, 255};
constexpr Rect cmdRestartPlace{2280, 600, 2415, 735};
constexpr Rect cmdAcceptPlace{2280, 1440, 2415, 855};
constexpr Rect lstModelPlace{2280, 2400, 2415, 6300};
constexpr Rect txtResultPlace{2280, 8880, 2415, 375};
constexpr Rect cmdEXITPlace{2280, 9360, 2415, 735};
constexpr Twips line1X = 2160;
constexpr Twips line1Top = 600;
constexpr Twips line1Bottom = 10080;

// Icon k and count box k stand in row k, 600 twips apart.
constexpr Twips rowTop(int k) { return 600.0f * static_cast<Twips>(k + 1); }
constexpr Twips iconLeft = 120;
constexpr Twips countBoxLeft = 1200;
constexpr Twips countBoxWidth = 855;
constexpr Twips countBoxHeight = 495;

constexpr int iconTabIndex(int k) { return k == 0 ? 0 : k + 1; }
constexpr int countBoxTabIndex(int k) { return k == 0 ? 1 : k + 16; }

struct Icon {
    const char16_t *toolTip;
    Twips width;
    Twips height;
};

// The sixteen element kinds, in pattern order. Icon 4 writes "ταξης" unaccented.
constexpr std::array<Icon, 16> icons{{
    {u"Κανένα στοιχείο συμμετρίας", 930, 540},
    {u"Κέντρο συμμετρίας", 945, 555},
    {u"Άξονας 2ης τάξης Πολικός", 945, 540},
    {u"Άξονας 2ης τάξης", 945, 540},
    {u"Άξονας 3ης ταξης - μη κανονικός", 945, 555},
    {u"Άξονας 3ης τάξης Πολικός", 930, 555},
    {u"Άξονας 3ης τάξης", 930, 555},
    {u"Άξονας 4ης τάξης - μη κανονικός", 930, 555},
    {u"Άξονας 4ης τάξης Πολικός", 945, 540},
    {u"Άξονας 4ης τάξης", 945, 540},
    {u"Άξονας 6ης τάξης - μη κανονικός", 945, 540},
    {u"Άξονας 6ης τάξης Πολικός", 930, 540},
    {u"Άξονας 6ης τάξης", 930, 540},
    {u"Επίπεδο Συμμετρίας", 930, 540},
    {u"Κύριο Επίπεδο Συμμετρίας", 945, 540},
    {u"Δευτερεύον Επίπεδο Συμμετρίας", 945, 555},
}};

QString iconResource(int k)
{
    return QStringLiteral(":/icons/element%1.bmp").arg(k, 2, 10, QLatin1Char('0'));
}

} // namespace

frmMain::frmMain(mainSubs &subs, toolkit::Instance<frmCrystalModel> &crystalModel,
                 toolkit::Instance<frmGroupCard> &groupCard)
    : Form(QStringLiteral("Vornath"), clientWidth, clientHeight),
      Label2(*this, label2Place, QStringLiteral("Προγραμματισμός - Σχεδίαση"), creditFont, labelRed),
      Label1(*this, label1Place, QStringLiteral("Ardelvo"), nameFont, labelRed),
      cmdRestart(*this, cmdRestartPlace, QStringLiteral("Επανεκκίνηση"), restartFont, 33),
      cmdAccept(*this, cmdAcceptPlace, QStringLiteral("Αποδοχή"), buttonFont, 36),
      lstModel(*this, lstModelPlace, listFont, 38),
      txtResult(*this, txtResultPlace, QString(), std::nullopt, 32),
      cmdEXIT(*this, cmdEXITPlace, QStringLiteral("ΕΞΟΔΟΣ"), buttonFont, 37),
      Line1(*this, line1X, line1Top, line1X, line1Bottom, lineRed, lineWidthPixels),
      subs_(subs),
      frmCrystalModel_(crystalModel),
      frmGroupCard_(groupCard)
{
    for (int k = 0; k <= 15; ++k) {
        const Icon &icon = icons[static_cast<std::size_t>(k)];
        toolkit::PictureBox &box =
            picSymetryElements.add(*this, Rect{iconLeft, rowTop(k), icon.width, icon.height}, iconTabIndex(k),
                                   QString::fromUtf16(icon.toolTip));
        box.setPicture(toolkit::loadPicture(iconResource(k)));
        toolkit::TextBox &count = txtSymetryElements.add(
            *this, Rect{countBoxLeft, rowTop(k), countBoxWidth, countBoxHeight}, QStringLiteral("0"), countFont,
            countBoxTabIndex(k));
        // A screen reader names each count box by its element kind, as the icon beside it does.
        count.setAccessibleName(QString::fromUtf16(icon.toolTip));
    }
    bindEvents();
}

// These events, and no others, reach the system's handlers.
void frmMain::bindEvents()
{
    cmdEXIT.clicked.bind([this] { cmdEXIT_Click(); });
    cmdRestart.clicked.bind([this] { cmdRestart_Click(); });
    cmdAccept.clicked.bind([this] { cmdAccept_Click(); });
    lstModel.clicked.bind([this] { lstModel_Click(); });
    for (std::int16_t k = 0; k <= 15; ++k) {
        txtSymetryElements[k].changed.bind([this, k] { txtSymetryElements_Change(k); });
        txtSymetryElements[k].doubleClicked.bind([this, k] { txtSymetryElements_DblClick(k); });
        txtSymetryElements[k].gotFocus.bind([this, k] { txtSymetryElements_GotFocus(k); });
    }
}

void frmMain::Form_Load()
{
    setTop(0);
    setLeft(0);
    subs_.initTables(lstModel);
}

void frmMain::cmdEXIT_Click()
{
    toolkit::endProgram();
}

// Keeps the result box holding the element pattern: an emptied count box
// becomes "0" (which runs this handler once more, nested), then the pattern is
// rebuilt from all sixteen boxes, the result box serving as the accumulator.
void frmMain::txtSymetryElements_Change(std::int16_t k)
{
    if (txtSymetryElements[k].text().isEmpty())
        txtSymetryElements[k].setText(QStringLiteral("0"));
    txtResult.setText(QString());
    for (int j = 0; j <= 15; ++j)
        txtResult.setText(txtResult.text() + toolkit::trim(txtSymetryElements[j].text()));
}

// Steps the count by one; a count above 6 wraps to 0.
void frmMain::txtSymetryElements_DblClick(std::int16_t k)
{
    double count = toolkit::textToNumber(txtSymetryElements[k].text()) + 1;
    if (count > 6)
        count = 0;
    txtSymetryElements[k].setText(toolkit::trim(toolkit::numberToText(count)));
}

// Selects the whole count, so that typing replaces it.
void frmMain::txtSymetryElements_GotFocus(std::int16_t k)
{
    txtSymetryElements[k].setSelStart(0);
    txtSymetryElements[k].setSelLength(toolkit::len(txtSymetryElements[k].text()));
}

// Starts a fresh attempt at the chosen model. A step that fails, above all a
// model picture that cannot be loaded, hides the viewer and forgets the choice,
// without a message.
void frmMain::lstModel_Click()
{
    toolkit::trap(
        [this] {
            for (int k = 0; k <= 15; ++k)
                txtSymetryElements[k].setText(QStringLiteral("0"));
            frmGroupCard_->hideGroupCard();
            const QString twoDigits = toolkit::format00(toolkit::add16(lstModel.currentEntry(), 1));
            frmCrystalModel_->picCrystalModel.setPicture(
                toolkit::loadPicture("CrystalModel_" + twoDigits + ".bmp"));
            frmCrystalModel_->setTop(0);
            frmCrystalModel_->setLeft(width() + left() + 10);
            frmCrystalModel_->show();
            subs_.selectedModel = toolkit::add16(lstModel.currentEntry(), 1);
        },
        [this] {
            frmCrystalModel_->hide();
            subs_.selectedModel = 0;
        });
}

// Judges the result box against the chosen model's answer; after a right
// answer, shows the group card of the first class with that pattern.
void frmMain::cmdAccept_Click()
{
    if (subs_.selectedModel < 1) {
        toolkit::msgBox(QStringLiteral("Παρακαλώ, επιλέξτε ένα μοντέλο κρυστάλλου εξάσκησης πρώτα!"),
                        toolkit::Buttons::Exclamation, QStringLiteral("Προσοχή !!!"));
        return;
    }
    const QString t = txtResult.text();
    if (subs_.modelAnswer(subs_.selectedModel) != t) {
        toolkit::msgBox(QStringLiteral("ΛΑΘΟΣ ΑΠΑΝΤΗΣΗ! ΠΡΟΣΠΑΘΗΣΕ ΞΑΝΑ."), toolkit::Buttons::OkOnly);
        return;
    }
    toolkit::msgBox(QStringLiteral("ΣΩΣΤΗ ΑΠΑΝΤΗΣΗ! ΜΠΡΑΒΟ!"), toolkit::Buttons::OkOnly);
    for (int i = 1; i <= 32; ++i) {
        if (txtResult.text() == subs_.classPattern(i)) {
            frmGroupCard_->showCardsOfClass(i);
            return;
        }
    }
}

// Wipes the counts and hides the group card; the chosen model stays chosen.
void frmMain::cmdRestart_Click()
{
    for (int k = 0; k <= 15; ++k)
        txtSymetryElements[k].setText(QStringLiteral("0"));
    frmGroupCard_->hideGroupCard();
}
