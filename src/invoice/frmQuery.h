#pragma once

#include "core/FormWindow.h"
#include "invoice/InvoiceStatement.h"
#include "invoice/PickListStatements.h"

#include "platform/db/Recordset.h"
#include "platform/ui/BoundGrid.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {
class DatePicker;
}

namespace invoice {

// The booking (invoice) query window: a booking-date range in the month database's month, narrowed
// step by step by the filters, the bookings shown in a read-only bound grid. Enter walks from field
// to field; the pick lists of the four code fields are filled from the bookings of the dates, each
// narrowed by the choices before it, and every fill that finds rows refreshes the grid.
//   frmQuery.cpp            controls, keys, the pick-list fills and the query
//   InvoiceStatement.cpp    the query's statement
//   PickListStatements.cpp  the pick lists' statements
//   InvoiceGrid.cpp         the grid's layout
class frmQuery : public core::FormWindow<frmQuery> {
public:
    frmQuery();

    // Controls (objectName = member name).
    QGroupBox* fraQuery;
    QLabel* lblFromDate;
    ui::DatePicker* dtpFromDate;
    QLabel* lblToDate;
    ui::DatePicker* dtpToDate;
    QLabel* lblConsignNo;
    QLineEdit* txtConsignNo;
    QLabel* lblTranMode;
    QComboBox* cboTranMode;
    QLabel* lblDestination;
    QComboBox* cboDestination;
    QLabel* lblPartyCode;
    QComboBox* cboPartyCode;
    QLabel* lblBranchCode;
    QComboBox* cboBranchCode;
    QLabel* lblWgtFrom;
    QLineEdit* txtWgtFrom;
    QLabel* lblWgtTo;
    QLineEdit* txtWgtTo;
    QLabel* lblPartyName;
    QLineEdit* txtPartyName;
    QLabel* lblToAddress;
    QLineEdit* txtToAddress;
    QCheckBox* chkStatus;
    QLabel* lblF2;
    QPushButton* cmdShow;
    QPushButton* cmdExit;
    ui::BoundGrid* dgdQuery;
    ui::AdoDataControl adodcQuery;

    // Window procedures.
    void Form_Load();
    void Form_Activate();
    void ClearEntryFields();
    void RunInvoiceQuery();
    void FormatInvoiceGrid();
    void cmdShow_Click();
    void cmdExit_Click();

    // The filter values the controls hold, with the login's branch.
    InvoiceFilter CurrentFilter() const;

    // Form-level state: the recordset of the pick-list fills.
    db::Recordset mRecordset;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void ConnectHandlers();

    // Fills the list from its statement for the dates and the earlier choices, a Null as an empty
    // item; when it found rows the grid is refreshed. False when the statement failed (reported; the
    // list as it was).
    bool FillPickList(PickList list, QComboBox* target);
    void FillTranModes();
    void FillDestinations();
    void FillPartyCodes();
    void FillBranchCodes();
    // After the third and fourth fills: the combo where Enter was pressed takes its item's text,
    // the caret goes to the end, and the focus to the filled list.
    void LeaveForList(QComboBox* from, QComboBox* target);

    void dtpFromDate_KeyDown(int& KeyCode, int Shift);
    void dtpToDate_KeyDown(int& KeyCode, int Shift);
    void txtConsignNo_KeyDown(int& KeyCode, int Shift);
    void txtConsignNo_KeyPress(int& KeyAscii);
    void cboTranMode_KeyPress(int& KeyAscii);
    void cboDestination_KeyDown(int& KeyCode, int Shift);
    void cboPartyCode_KeyDown(int& KeyCode, int Shift);
    void cboBranchCode_KeyDown(int& KeyCode, int Shift);
    void txtWgtFrom_KeyPress(int& KeyAscii);
    void txtWgtTo_KeyPress(int& KeyAscii);
    void txtPartyName_KeyDown(int& KeyCode, int Shift);
    void txtToAddress_KeyDown(int& KeyCode, int Shift);
    void dgdQuery_KeyDown(int& KeyCode, int Shift);
};

} // namespace invoice
