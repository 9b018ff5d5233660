// The POD query window's search by booking date, mode, party and consignee name: the panel fraFind,
// opened by chkSelect, lists the date's bookings whose first consignee line starts with the typed
// text; taking a row looks its number up as Enter in the number box does.

#include "podquery/frmPODQueryGrid.h"

#include "podquery/FindStatements.h"

#include "core/ClosingRecordset.h"
#include "core/ModuleState.h"
#include "core/TextBoxFocus.h"

#include "platform/db/Recordset.h"
#include "platform/flexgrid/ColumnLayouts.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Strings.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <array>

namespace podquery {

void frmPODQueryGrid::ConnectFindPanel()
{
    ui::attachHandlers(chkSelect, {.keyDown = [this](int& KeyCode, int Shift) { chkSelect_KeyDown(KeyCode, Shift); },
                                   .click = [this] { chkSelect_Click(); }});
    ui::attachHandlers(dtpBookingDate,
                       {.keyDown = [this](int& KeyCode, int Shift) { dtpBookingDate_KeyDown(KeyCode, Shift); }});
    ui::attachHandlers(cboBMode, {.keyPress = [this](int& KeyAscii) { cboBMode_KeyPress(KeyAscii); }});
    ui::attachHandlers(cboPCode, {.keyPress = [this](int& KeyAscii) { cboPCode_KeyPress(KeyAscii); }});
    ui::attachHandlers(txtTAdds, {.keyDown = [this](int& KeyCode, int Shift) { txtTAdds_KeyDown(KeyCode, Shift); },
                                  .keyPress = [this](int& KeyAscii) { txtTAdds_KeyPress(KeyAscii); },
                                  .keyUp = [this](int& KeyCode, int Shift) { txtTAdds_KeyUp(KeyCode, Shift); },
                                  .gotFocus = [this] { txtTAdds_GotFocus(); },
                                  .lostFocus = [this] { txtTAdds_LostFocus(); }});
    ui::attachHandlers(msgFind, {.keyPress = [this](int& KeyAscii) { msgFind_KeyPress(KeyAscii); },
                                 .gotFocus = [this] { msgFind_GotFocus(); },
                                 .lostFocus = [this] { msgFind_LostFocus(); }});
    connect(msgFind, &ui::FlexGrid::dblClick, this, [this] { ui::guarded([this] { msgFind_DblClick(); }); });
}

void frmPODQueryGrid::chkSelect_Click()
{
    if (!chkSelect->isChecked()) {
        fraFind->setVisible(false);
        return;
    }
    lblFindStatus->setVisible(false);
    fraFind->setVisible(true);
    FormatFindGrid();
    cboBMode->setEnabled(true);
    txtTAdds->clear();
    dtpBookingDate->setFocus();
}

void frmPODQueryGrid::chkSelect_KeyDown(int& KeyCode, int /*Shift*/)
{
    if (KeyCode == ui::vbKeyEscape)
        txtConsignNo->setFocus();
}

void frmPODQueryGrid::dtpBookingDate_KeyDown(int& KeyCode, int /*Shift*/)
{
    if (KeyCode == ui::vbKeyReturn)
        cboBMode->setFocus();
    else if (KeyCode == ui::vbKeyEscape)
        txtConsignNo->setFocus();
}

void frmPODQueryGrid::cboBMode_KeyPress(int& KeyAscii)
{
    if (KeyAscii == ui::vbKeyEscape) {
        txtConsignNo->setFocus();
        return;
    }
    if (KeyAscii != ui::vbKeyReturn)
        return;
    switch (findModeOf(cboBMode->currentText())) {
    case FindMode::Any: // the list's other item is the blank one
        ui::MsgBox(QStringLiteral("Select Booking Mode"), ui::vbInformation);
        cboBMode->setFocus();
        break;
    case FindMode::Cash:
        cboPCode->setEnabled(false);
        txtTAdds->clear();
        txtTAdds->setFocus();
        break;
    case FindMode::Credit:
        FillPartyCodes();
        cboPCode->setEnabled(true);
        // an empty list (no account-party booking that day) leaves nothing chosen
        cboPCode->setCurrentIndex(cboPCode->count() > 0 ? 0 : -1);
        cboPCode->setFocus();
        break;
    }
}

void frmPODQueryGrid::cboPCode_KeyPress(int& KeyAscii)
{
    if (KeyAscii == ui::vbKeyEscape) {
        txtConsignNo->setFocus();
        return;
    }
    if (KeyAscii != ui::vbKeyReturn)
        return;
    if (!runtime::Trim(cboPCode->currentText()).isEmpty()) {
        txtTAdds->setFocus();
        return;
    }
    ui::MsgBox(QStringLiteral("Select Party Code"), ui::vbInformation);
    cboPCode->setFocus();
}

void frmPODQueryGrid::txtTAdds_GotFocus() { core::SelectAllText(txtTAdds); }

void frmPODQueryGrid::txtTAdds_LostFocus() { core::ResetColors(txtTAdds); }

void frmPODQueryGrid::txtTAdds_KeyPress(int& KeyAscii)
{
    KeyAscii = QChar(char16_t(KeyAscii)).toUpper().unicode();
}

void frmPODQueryGrid::txtTAdds_KeyDown(int& KeyCode, int /*Shift*/)
{
    if (KeyCode == ui::vbKeyReturn)
        msgFind->setFocus();
    else if (KeyCode == ui::vbKeyEscape)
        txtConsignNo->setFocus();
}

// Each key released in the name box lists the bookings again for what the box then holds.
void frmPODQueryGrid::txtTAdds_KeyUp(int& /*KeyCode*/, int /*Shift*/)
{
    FormatFindGrid();
    const FindMode mode = findModeOf(cboBMode->currentText());
    std::optional<QString> party;
    if (mode == FindMode::Credit && cboPCode->currentIndex() >= 0)
        party = cboPCode->currentData().toString();
    // The rows are read first and the grid sized once for them: growing it a row at a time costs
    // time in proportion to the rows already there, which a whole day's bookings make long.
    QList<std::array<QString, 3>> found;
    db::Recordset rs;
    const auto close = core::closingAtEnd(rs);
    rs.open(findStatement(dtpBookingDate->value().date(), mode, party, runtime::Trim(txtTAdds->text())),
            core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    for (; !rs.eof(); rs.moveNext())
        found.append({runtime::Format(rs.value(QStringLiteral("BookingDate")), QStringLiteral("dd-MMM-yy")),
                      runtime::CellText(rs.value(QStringLiteral("ConsignmentNo"))),
                      runtime::CellText(rs.value(QStringLiteral("ToAddress1")))});
    if (found.isEmpty())
        return; // the heading row and one blank row
    msgFind->setRows(1 + int(found.size()));
    for (int r = 0; r < found.size(); ++r)
        for (int c = 0; c < 3; ++c)
            msgFind->setTextMatrix(1 + r, c, found[r][c]);
}

void frmPODQueryGrid::msgFind_GotFocus() { lblFindStatus->setVisible(true); }

void frmPODQueryGrid::msgFind_LostFocus() { lblFindStatus->setVisible(false); }

// Takes the current row: its number is looked up as if typed into the number box with Enter. A
// blank current cell (such as the one row of an empty result) takes nothing.
void frmPODQueryGrid::msgFind_DblClick()
{
    if (runtime::Trim(msgFind->textMatrix(msgFind->row(), msgFind->col())).isEmpty())
        return;
    txtConsignNo->setText(msgFind->textMatrix(msgFind->row(), 1));
    int enter = ui::vbKeyReturn;
    txtConsignNo_KeyPress(enter);
    txtConsignNo->setFocus();
}

void frmPODQueryGrid::msgFind_KeyPress(int& KeyAscii)
{
    if (KeyAscii == ui::vbKeyReturn)
        msgFind_DblClick();
    else if (KeyAscii == ui::vbKeyEscape)
        txtConsignNo->setFocus();
}

void frmPODQueryGrid::FillPartyCodes()
{
    cboPCode->clear();
    db::Recordset rs;
    const auto close = core::closingAtEnd(rs);
    rs.open(partyCodesStatement(dtpBookingDate->value().date(), core::gblnPodImageMode, core::gstrUserBranchCode),
            core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    if (rs.eof()) {
        ui::MsgBox(QStringLiteral("There is No Account Party Booking Details."), ui::vbInformation);
        return;
    }
    // the item shows the code cut to 10 characters; the search takes the whole code kept with it
    for (; !rs.eof(); rs.moveNext()) {
        const QString code = runtime::CellText(rs.value(QStringLiteral("PartyCode")));
        cboPCode->addItem(partyItemText(code, runtime::CellText(rs.value(QStringLiteral("PartyName")))), code);
    }
}

void frmPODQueryGrid::FormatFindGrid()
{
    static constexpr ui::ColumnLayout columns[] = {
        {"Bk Date", 1100, ui::flexAlignLeftCenter},
        {"Consign No.", 1400, ui::flexAlignLeftCenter},
        {"To Adds 1", 2600, ui::flexAlignLeftCenter},
    };
    ui::layOutColumns(msgFind, columns);
    msgFind->setColSel(2);
    ui::selectWholeRows(msgFind, ui::flexFocusNone);
}

} // namespace podquery
