// The entry window's writes: saving a new contact (or replacing the one with its key), saving the
// contact loaded for editing, and deleting the contact chosen in the list. Each write is its own
// transaction; a failure is rolled back by the store and reported by the handler's guard. A save
// that is refused writes nothing and says so; the entry stays as typed, to be corrected.

#include "phonebook/frmPhoneBook.h"

#include "core/ClosingRecordset.h"
#include "core/ModuleState.h"

#include "platform/db/Recordset.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Strings.h"
#include "platform/ui/MessageBox.h"

#include <QLineEdit>

namespace phonebook {

namespace {

const QString kNotFound = QStringLiteral("Contact Not Found: it was deleted meanwhile. Nothing was saved.");

bool sameKey(const ContactKey& a, const ContactKey& b)
{
    return runtime::Trim(a.stationCode).compare(runtime::Trim(b.stationCode), Qt::CaseInsensitive) == 0
           && runtime::Trim(a.branchName).compare(runtime::Trim(b.branchName), Qt::CaseInsensitive) == 0;
}

ContactKey keyOf(const ContactValues& values) { return {values[StationCode], values[BranchName]}; }

} // namespace

bool frmPhoneBook::SaveNew()
{
    const ContactValues values = EnteredValues();
    db::Recordset rs;
    const auto close = core::closingAtEnd(rs);
    m_store.read(rs, contactStatement(keyOf(values)));
    const bool exists = !rs.eof();
    rs.close();
    const QDateTime now = runtime::Clock::now();
    if (!exists) {
        m_store.write(insertContactStatement(values, core::gstrUserName, now));
        ui::MsgBox(QStringLiteral("Successfully Saved..."), ui::vbInformation, QStringLiteral("Company Master"));
        return true;
    }
    if (ui::MsgBox(QStringLiteral("Station Name and Corressponding Branch Name Already Exist Do U Want Replace ? "),
                   ui::vbYesNo | ui::vbQuestion | ui::vbDefaultButton2)
        == ui::vbNo) {
        ClearTextBoxes();
        return true;
    }
    if (m_store.write(replaceContactStatement(values, core::gstrWindowsUser, core::gstrUserName, now)) == 0) {
        ui::MsgBox(kNotFound, ui::vbInformation);
        return false;
    }
    ui::MsgBox(QStringLiteral("Successfully Updated..."), ui::vbInformation);
    return true;
}

// The contact loaded from the list is rewritten under the key it was loaded by; a new key that
// another contact already has is refused, as is a save with no contact loaded.
bool frmPhoneBook::SaveEdit()
{
    if (!mLoadedKey) {
        ui::MsgBox(QStringLiteral("Choose the contact to change from the list (Enter on its row). Nothing was saved."),
                   ui::vbInformation);
        return false;
    }
    const ContactValues values = EnteredValues();
    if (!sameKey(keyOf(values), *mLoadedKey)) {
        db::Recordset rs;
        const auto close = core::closingAtEnd(rs);
        m_store.read(rs, contactStatement(keyOf(values)));
        if (!rs.eof()) {
            ui::MsgBox(QStringLiteral("Another contact has this Station Code and Branch Name. Nothing was saved."),
                       ui::vbInformation);
            return false;
        }
    }
    if (m_store.write(updateContactStatement(values, *mLoadedKey, core::gstrUserName, runtime::Clock::now())) == 0) {
        ui::MsgBox(kNotFound, ui::vbInformation);
        return false;
    }
    mLoadedKey = ContactKey{runtime::Trim(values[StationCode]), runtime::Trim(values[BranchName])};
    ui::MsgBox(QStringLiteral(" Successfully Updated"), ui::vbInformation);
    return true;
}

void frmPhoneBook::DeleteSelected()
{
    const ContactKey key = SelectedKey();
    if (ui::MsgBox(QStringLiteral("Are You Sure To Delete"), ui::vbYesNo | ui::vbQuestion | ui::vbDefaultButton2)
        != ui::vbYes) {
        ui::MsgBox(QStringLiteral("Process Aborted"), ui::vbInformation);
        msgReport->setFocus();
        FillGrid();
        return;
    }
    if (m_store.write(deleteContactStatement(key)) == 0)
        ui::MsgBox(QStringLiteral("Contact Not Found: it was deleted meanwhile."), ui::vbInformation);
    else
        ui::MsgBox(QStringLiteral(" Successfully Deleted"), ui::vbInformation);
    FillGrid();
}

} // namespace phonebook
