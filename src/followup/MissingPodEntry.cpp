// The missing-POD window's entry order through the address and manifest boxes, the save of the
// missing-POD record and the follow-up letter.

#include "followup/frmMissPODLetter.h"

#include "followup/MissingPodLetter.h"
#include "followup/MissingPodPrint.h"
#include "followup/MissingPodStatements.h"

#include "consignment/StatementValues.h"

#include "core/ClosingRecordset.h"
#include "core/ModuleState.h"
#include "core/MonthDates.h"
#include "core/TextBoxFocus.h"

#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Strings.h"
#include "platform/runtime/Val.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowHost.h"

#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace followup {

namespace {

constexpr int kApostrophe = 39;

bool isTypedCharacter(int KeyAscii) { return KeyAscii >= 32; }

// Letters, punctuation and symbols: what a digits-only box refuses.
bool isNonDigitSymbol(int KeyAscii) { return (KeyAscii >= 33 && KeyAscii <= 47) || (KeyAscii >= 58 && KeyAscii <= 126); }

} // namespace

std::array<QWidget*, 14> frmMissPODLetter::EnterOrder() const
{
    return {txtConsignNo, txtFrAdd[0],  txtFrAdd[1],      txtFrAdd[2],   txtFrAdd[3], txtToAddr[0], txtToAddr[1],
            txtToAddr[2], txtToAddr[3], dtpMFDate,        txtMFDestination, txtManifestNo, txtMFSlNo, txtMFPktNo};
}

void frmMissPODLetter::ConnectEntryHandlers()
{
    for (QLineEdit* box : {txtFrAdd[0], txtFrAdd[1], txtFrAdd[2], txtFrAdd[3], txtToAddr[0], txtToAddr[1], txtToAddr[2],
                           txtToAddr[3], txtMFDestination, txtManifestNo, txtMFSlNo, txtMFPktNo})
        ui::attachHandlers(box, {.keyDown = [this, box](int& KeyCode, int) { EntryBox_KeyDown(box, KeyCode); },
                                 .keyPress = [this, box](int& KeyAscii) { EntryBox_KeyPress(box, KeyAscii); },
                                 .gotFocus = [box] { core::SelectAllText(box); },
                                 .lostFocus = [box] { core::ResetColors(box); }});
    ui::attachHandlers(dtpMFDate, {.keyDown = [this](int& KeyCode, int Shift) { dtpMFDate_KeyDown(KeyCode, Shift); }});
    ui::attachHandlers(cmdSave, {.click = [this] { cmdSave_Click(); }});
}

// Upper case and no apostrophe in the texts, digits and blanks in the numbers; each box takes as
// many characters as its column holds. The limit stops typing only: the look-up may put longer
// stored text into a box, and it is saved as it stands.
void frmMissPODLetter::EntryBox_KeyPress(QLineEdit* box, int& KeyAscii)
{
    if (KeyAscii == ui::vbKeyReturn) {
        EntryBox_Enter(box);
        return;
    }
    if (KeyAscii == ui::vbKeyEscape) {
        ClearAndReturn();
        return;
    }
    const bool number = box == txtManifestNo || box == txtMFSlNo || box == txtMFPktNo;
    if (number) {
        if (isNonDigitSymbol(KeyAscii))
            KeyAscii = 0;
    } else {
        KeyAscii = QChar(KeyAscii).toUpper().unicode();
        if (KeyAscii == kApostrophe)
            KeyAscii = 0;
    }
    const int longest = box == txtMFDestination ? 30
                        : box == txtManifestNo  ? 14
                        : box == txtMFSlNo      ? 2
                        : box == txtMFPktNo     ? 3
                                                : 40;
    if (isTypedCharacter(KeyAscii) && box->text().size() - box->selectedText().size() >= longest)
        KeyAscii = 0;
}

// Up moves back through the address lines (from the first one to the number box).
void frmMissPODLetter::EntryBox_KeyDown(QLineEdit* box, int& KeyCode)
{
    if (KeyCode != ui::vbKeyUp || box == txtToAddr[3] || box == txtMFDestination || box == txtManifestNo
        || box == txtMFSlNo || box == txtMFPktNo)
        return;
    const auto order = EnterOrder();
    const auto at = std::find(order.begin(), order.end(), box);
    (*(at - 1))->setFocus();
}

void frmMissPODLetter::EntryBox_Enter(QLineEdit* box)
{
    const bool blank = runtime::Trim(box->text()).isEmpty();
    if ((box == txtFrAdd[0] || box == txtToAddr[0]) && blank) {
        ui::MsgBox(box == txtFrAdd[0] ? QStringLiteral("From Addr Should not be Blank")
                                      : QStringLiteral("To Addr Should not be Blank"),
                   ui::vbInformation, core::gstrCompanyName);
        box->clear();
        box->setFocus();
        return;
    }
    if (box == txtMFDestination && blank)
        return;
    if ((box == txtManifestNo || box == txtMFSlNo || box == txtMFPktNo) && runtime::Val(box->text()).toDouble() <= 0)
        return;
    if (box == txtMFPktNo) {
        // only the boxes of the number looked up may be saved under the number in the box
        if (!mLookedUpNumber.isEmpty() && consignment::statementNumber(txtConsignNo->text()) == mLookedUpNumber) {
            cmdSave->setEnabled(true);
            cmdSave->setFocus();
        }
        return;
    }
    const auto order = EnterOrder();
    (*(std::find(order.begin(), order.end(), box) + 1))->setFocus();
}

// Enter accepts a manifest date of the month database's month; another date is first moved to
// its day of that month (capped to the month's last day).
void frmMissPODLetter::dtpMFDate_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape) {
        ClearAndReturn();
    } else if (KeyCode == ui::vbKeyReturn) {
        if (core::PickerInMonth(dtpMFDate))
            txtMFDestination->setFocus();
        else
            core::ClampPickerToMonth(dtpMFDate);
    }
}

// The boxes blank for the next case, the number kept; nothing is left to save.
void frmMissPODLetter::ClearAndReturn()
{
    ClearDisplay();
    cmdSave->setEnabled(false);
    txtConsignNo->setFocus();
}

void frmMissPODLetter::cmdSave_Click()
{
    MissingPodRecord record;
    record.consignNo = consignment::statementNumber(txtConsignNo->text());
    record.bookingDate = dtpBookingDate->value().date();
    for (int i = 0; i < 4; ++i) {
        record.fromAddress[i] = runtime::Trim(txtFrAdd[i]->text());
        record.toAddress[i] = runtime::Trim(txtToAddr[i]->text());
    }
    record.manifestDate = dtpMFDate->value().date();
    record.destination = runtime::Trim(txtMFDestination->text());
    record.manifestNo = consignment::statementNumber(txtManifestNo->text());
    record.serialNo = consignment::statementNumber(txtMFSlNo->text());
    record.packetNo = consignment::statementNumber(txtMFPktNo->text());

    // The row of the number is looked for inside the transaction: the last look-up may be stale.
    const ui::FailureReport report{QStringLiteral("%2"), ui::vbCritical, core::gstrCompanyName};
    const bool saved = ui::guarded(report, [&] {
        core::gcnnMonth.beginTrans();
        try {
            db::Recordset existing;
            const auto closeExisting = core::closingAtEnd(existing);
            existing.open(missingPodStatement(record.consignNo), core::gcnnMonth, db::CursorType::Dynamic,
                          db::LockType::Optimistic);
            const bool exists = !existing.eof();
            existing.close();
            if (exists) {
                if (core::gcnnMonth.execute(updateMissingPodStatement(record)) == 0)
                    throw db::DbError(db::DbErrorKind::Provider,
                                      QStringLiteral("The missing-POD record of consignment %1 could not be updated.")
                                          .arg(record.consignNo));
            } else {
                core::gcnnMonth.execute(insertMissingPodStatement(record));
            }
            core::gcnnMonth.commitTrans();
        } catch (...) {
            core::gcnnMonth.rollbackTrans();
            throw;
        }
    });
    if (!saved)
        return;

    cmdSave->setEnabled(false);
    if (ui::MsgBox(QStringLiteral("Do You Want To Print the Letter .........!"), ui::vbYesNo + ui::vbQuestion,
                   core::gstrCompanyName)
        == ui::vbYes)
        ui::guarded(report, [&] { PrintLetter(record.consignNo, record.bookingDate); });
    ClearAndReturn();
}

void frmMissPODLetter::PrintLetter(const QString& number, const QDate& bookingDate)
{
    LetterFields fields;
    fields.letterDate = runtime::Clock::today();
    fields.consignNo = number;
    fields.bookingDate = bookingDate;
    for (int i = 0; i < 4; ++i) {
        fields.consignor[i] = txtFrAdd[i]->text();
        fields.consignee[i] = txtToAddr[i]->text();
    }
    fields.manifestNo = txtManifestNo->text();
    fields.packetNo = txtMFPktNo->text();
    fields.serialNo = txtMFSlNo->text();
    fields.destination = runtime::Trim(txtMFDestination->text());
    fields.companyName = core::gstrCompanyName;
    fields.companyCity = core::gstrCompanyCity;
    fields.branchPhone = core::gstrBranchPhone;

    db::Recordset city;
    const auto closeCity = core::closingAtEnd(city);
    city.open(cityNameStatement(fields.destination), core::gcnnMonth, db::CursorType::Dynamic,
              db::LockType::Optimistic);
    if (!city.eof())
        fields.destinationCity = runtime::CellText(city.value(QStringLiteral("CityName")));
    city.close();

    printLetter(letterLines(fields));
}

} // namespace followup
