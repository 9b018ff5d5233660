#pragma once

#include "core/FormWindow.h"
#include "reports/IncomingQueryStatements.h"

#include "platform/db/Recordset.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace ui {
class DatePicker;
class FlexGrid;
}

namespace reports {

// The report of the incoming consignment enquiries logged in the tracking database, for a range
// of query dates, optionally one origin, in one of six fixed orders; exported to a workbook.
class frmQueryReport : public core::FormWindow<frmQueryReport> {
public:
    frmQueryReport();

    // Controls (objectName = member name).
    QLabel* Label1;
    QLabel* Label2;
    ui::DatePicker* dtpFromDate;
    QLabel* Label3;
    ui::DatePicker* dtpToDate;
    QLabel* Label4;
    QComboBox* cboOrigin;
    QLabel* Label5;
    QComboBox* cboOrder;
    QPushButton* cmdShow;
    QPushButton* cmdExcel;
    QPushButton* cmdExit;
    ui::FlexGrid* msgGrid;

    // Window procedures.
    void Form_Load();
    void Form_Activate();
    void dtpFromDate_KeyDown(int& KeyCode, int Shift);
    void dtpToDate_KeyDown(int& KeyCode, int Shift);
    void cboOrigin_KeyPress(int& KeyAscii);
    void cboOrder_KeyPress(int& KeyAscii);
    void cmdShow_Click();
    void cmdExcel_Click();
    void cmdExit_Click();

    // The origins logged on the chosen dates, none chosen; false when the query failed.
    bool FillOrigins();
    // Empties the grid to its headings and one empty row.
    void FormatGrid();

    // Window state: the one recordset of the origin list and the report.
    db::Recordset mRecordset;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void ConnectHandlers();
    IncomingQueryFilter CurrentFilter() const;
    // Runs the report into the grid; false when no enquiry matched.
    bool ShowEnquiries();
};

} // namespace reports
