// The mobile number search of the consignment history window (panel fraMobile): runsheet lines
// whose mobile number begins with the typed digits, newest runsheet first, and the pick of a line
// that hands its consignment number to the window's own enquiry.

#include "consignment/frmConsignWiseGridQuery.h"

#include "consignment/GridRows.h"
#include "consignment/RunsheetStatements.h"

#include "core/ClosingRecordset.h"
#include "core/ModuleState.h"
#include "core/TextBoxFocus.h"

#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/Strings.h"
#include "platform/runtime/Val.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/MessageBox.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace consignment {

namespace {

constexpr int kShortestSearch = 5; // characters typed before the first search

// Enter in the mobile number box: a number goes on to the matches, anything else is refused.
void MobileNoKeyPress(frmConsignWiseGridQuery& w, int& KeyAscii)
{
    if ((KeyAscii >= 33 && KeyAscii <= 47) || (KeyAscii >= 58 && KeyAscii <= 126)) {
        KeyAscii = 0;
    } else if (KeyAscii == ui::vbKeyReturn) {
        const QString text = w.txtMobileNo->text();
        if (runtime::Val(text).toDouble() == 0 || runtime::Trim(text).isEmpty()) {
            ui::MsgBox(QStringLiteral("Enter Mobile No"), ui::vbInformation, core::gstrCompanyName);
            w.txtMobileNo->clear();
            w.txtMobileNo->setFocus();
        } else {
            w.msgMobile->setFocus();
        }
    }
}

void MobileNoKeyDown(frmConsignWiseGridQuery& w, int& KeyCode)
{
    if (KeyCode == ui::vbKeyDown)
        w.msgMobile->setFocus();
    else if (KeyCode == ui::vbKeyEscape)
        w.cmdMobile_Cancel->setFocus(); // the panel stays open until the button is pressed
}

// A filled row of the matches hands its consignment number to the number Enter and the origin
// Enter, as if the user had pressed Enter in each; the empty last row does nothing.
void PickMobileMatch(frmConsignWiseGridQuery& w)
{
    const int row = w.msgMobile->row();
    if (w.msgMobile->textMatrix(row, 0).isEmpty())
        return;
    w.txtConsignMentNo->setText(w.msgMobile->textMatrix(row, 3));
    w.fraMobile->hide();
    int KeyAscii = ui::vbKeyReturn;
    w.txtConsignMentNo_KeyPress(KeyAscii);
    int KeyCode = ui::vbKeyReturn;
    w.cboOrigin_KeyDown(KeyCode, 0);
}

// Every runsheet line of the month whose mobile number begins with the typed text, numbered in
// the order of the listing; each value as text without its line breaks, one empty row below.
void SearchMobileNumber(frmConsignWiseGridQuery& w)
{
    db::Recordset& rs = w.mRecordset;
    rs.open(mobileMatchesStatement(w.txtMobileNo->text()), core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    const auto closeSearch = core::closingAtEnd(rs);
    w.FormatMobileGrid();
    if (!rs.eof())
        WriteWithFieldHeadings(w.msgMobile, rs);
    rs.close();
}

} // namespace

// The panel's box: its character filter, Enter, Down arrow, Esc, the search on key release and
// the focus colours.
void frmConsignWiseGridQuery::ConnectMobileSearchKeys()
{
    ui::attachHandlers(txtMobileNo, {.keyDown = [this](int& KeyCode, int) { MobileNoKeyDown(*this, KeyCode); },
                                     .keyPress = [this](int& KeyAscii) { MobileNoKeyPress(*this, KeyAscii); },
                                     .keyUp = [this](int& KeyCode, int Shift) { txtMobileNo_KeyUp(KeyCode, Shift); },
                                     .gotFocus = [this] { core::SelectAllText(txtMobileNo); },
                                     .lostFocus = [this] { core::ResetColors(txtMobileNo); }});
}

void frmConsignWiseGridQuery::cmdMobile_Click()
{
    fraMobile->show();
    FormatMobileGrid();
    txtMobileNo->clear();
    txtMobileNo->setFocus();
}

void frmConsignWiseGridQuery::cmdMobile_Cancel_Click()
{
    fraMobile->hide();
    txtConsignMentNo->setFocus();
}

void frmConsignWiseGridQuery::txtMobileNo_KeyUp(int&, int)
{
    const QString text = txtMobileNo->text();
    if (!runtime::Trim(text).isEmpty() && text.length() >= kShortestSearch)
        SearchMobileNumber(*this);
}

void frmConsignWiseGridQuery::msgMobile_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyReturn)
        PickMobileMatch(*this);
    else if (KeyCode == ui::vbKeyEscape)
        txtMobileNo->setFocus();
}

void frmConsignWiseGridQuery::msgMobile_Click() { PickMobileMatch(*this); }

} // namespace consignment
