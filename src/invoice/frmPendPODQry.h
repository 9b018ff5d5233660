#pragma once

#include "core/FormWindow.h"
#include "invoice/PendingPodStatements.h"

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

namespace invoice {

// The dummy POD query window: the dummy PODs of a range of days within the month database's
// month, narrowed to an origin, a consignment number and the beginning of the first to-address
// line, three grid rows per record.
class frmPendPODQry : public core::FormWindow<frmPendPODQry> {
public:
    frmPendPODQry();

    // Controls (objectName = member name).
    QLabel* lblTitle;
    QGroupBox* Frame1;
    QLabel* lblFromDate;
    ui::DatePicker* dtpFromDate;
    QLabel* lblToDate;
    ui::DatePicker* dtpToDate;
    QLabel* lblConsignNo;
    QLineEdit* txtConsignNo;
    QLabel* lblOrigin;
    QComboBox* cboOrigin;
    QLabel* lblPartyName;
    QLineEdit* txtToAddress;
    QPushButton* cmdShow;
    QPushButton* cmdExit;
    ui::FlexGrid* msgGrid;
    QLabel* lblEscape;

    // Window procedures.
    void Form_Load();
    void Form_Activate();
    void dtpFromDate_KeyDown(int& KeyCode, int Shift);
    void dtpToDate_KeyDown(int& KeyCode, int Shift);
    void txtConsignNo_KeyPress(int& KeyAscii);
    void cboOrigin_KeyPress(int& KeyAscii);
    void txtToAddress_KeyPress(int& KeyAscii);
    void txtToAddress_KeyUp(int& KeyCode, int Shift);
    void cmdShow_Click();
    void cmdExit_Click();
    void msgGrid_KeyDown(int& KeyCode, int Shift);

    // The origins of the date range, after an empty entry that means no origin filter.
    void Load_OriginNames();
    // Lays the result grid out (headings only) and shows the Esc hint.
    void FlexGrid_Format();

    // Window state: the window's one recordset (origin list and dummy PODs).
    db::Recordset mRecordset;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void ConnectHandlers();
    // True when the picker's date lies in the month database's month; otherwise the picker moves
    // to its day (capped to the month's length) of that month.
    bool DateInMonthOrMoved(ui::DatePicker* picker);
    // The window's fields as the dummy-POD statement takes them.
    DummyPodFilter CurrentFilter() const;
    // Builds and runs the statement and fills the grid; false when no record matched.
    bool ShowDummyPods();
    void WriteRecordRows(int firstRow, int serialNo);
};

} // namespace invoice
