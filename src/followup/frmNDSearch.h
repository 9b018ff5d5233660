#pragma once

#include "core/FormWindow.h"

#include "platform/db/Recordset.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {
class DatePicker;
class FlexGrid;
}

namespace followup {

// The non-delivery search: the non-delivery records of the month database for a range of dates
// and optional filters (consignment, reference, type, destination, branch, the beginnings of the
// two first address lines). Enter leads through the filters and fills the pick lists of type,
// destination and branch from the range; the result grid lists each record as a block of rows,
// one per address line that holds text, and searches again on every key released in the two
// address boxes.
class frmNDSearch : public core::FormWindow<frmNDSearch> {
public:
    frmNDSearch();

    // Controls (objectName = member name).
    QLabel* lblTitle;
    QGroupBox* fraFind;
    ui::DatePicker* dtpFromDate;
    ui::DatePicker* dtpToDate;
    QLineEdit* txtConsignNo;
    QLineEdit* txtReferenceNo;
    QComboBox* cboStatus;
    QComboBox* cboDestination;
    QComboBox* cboBranchCode;
    QLineEdit* txtName;
    QLineEdit* txtToAddress;
    QPushButton* cmdFind;
    QPushButton* cmdExit;
    ui::FlexGrid* msgScreen;

    // Window procedures.
    void Form_Load();
    void ClearFilters();
    void FlexHeadings();
    void cmdFind_Click();
    void cmdExit_Click();
    void dtpFromDate_KeyDown(int& KeyCode, int Shift);
    void dtpToDate_KeyDown(int& KeyCode, int Shift);
    void txtConsignNo_KeyDown(int& KeyCode, int Shift);
    void txtReferenceNo_KeyDown(int& KeyCode, int Shift);
    void cboStatus_KeyDown(int& KeyCode, int Shift);
    void cboDestination_KeyDown(int& KeyCode, int Shift);
    void cboBranchCode_KeyDown(int& KeyCode, int Shift);
    void txtName_KeyDown(int& KeyCode, int Shift);
    void txtToAddress_KeyDown(int& KeyCode, int Shift);
    void txtName_KeyUp(int& KeyCode, int Shift);
    void txtToAddress_KeyUp(int& KeyCode, int Shift);
    void msgScreen_KeyDown(int& KeyCode, int Shift);

private:
    void CreateControls();
    void ConnectHandlers();
    // Enter on a date picker in the central office: a date outside the month database's month is
    // moved into it (same day, capped to the month's length) and the Enter goes no further.
    bool DateMovedIntoMonth(ui::DatePicker* picker);
    void FillStatuses();
    void FillDestinations();
    void FillBranches();
    // Refills the list from the statement; false, with the list as it was, when it finds nothing.
    bool FillPickList(QComboBox* list, const QString& sql, const QString& column);
    void FillGrid();

    db::Recordset mRecordset; // every query's, open only while one reads it
};

} // namespace followup
