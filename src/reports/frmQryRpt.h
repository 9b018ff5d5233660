#pragma once

#include "core/FormWindow.h"

#include "platform/db/Recordset.h"

#include <QString>

class QComboBox;
class QLabel;
class QPushButton;

namespace ui {
class DatePicker;
class FlexGrid;
}

namespace reports {

// The query-log report by type: the administration database's query log (tbl_Qry_Details) for a
// range of query dates, optionally one origin, and one query type, INCOMING or OUTGOING, each
// type in a grid layout of its own; the grid exports to a workbook.
class frmQryRpt : public core::FormWindow<frmQryRpt> {
public:
    frmQryRpt();

    // Controls (objectName = member name).
    QLabel* Label1;
    QLabel* Label2;
    ui::DatePicker* dtpFromDate;
    QLabel* Label3;
    ui::DatePicker* dtpToDate;
    QLabel* Label4;
    QComboBox* cboOrigin;
    QLabel* Label6;
    QComboBox* cboQryType;
    QPushButton* cmdShow;
    QPushButton* cmdExcel;
    QPushButton* cmdExit;
    ui::FlexGrid* msgGrid;

    // Window procedures.
    void Form_Load();
    void dtpFromDate_KeyDown(int& KeyCode, int Shift);
    void dtpToDate_KeyDown(int& KeyCode, int Shift);
    void cboOrigin_KeyPress(int& KeyAscii);
    void cboQryType_KeyPress(int& KeyAscii);
    void cmdShow_Click();
    void cmdExcel_Click();
    void cmdExit_Click();

    // The statement of the last Show that passed the type check.
    QString mSql;

private:
    void CreateControls();
    void ConnectHandlers();
    void FillOrigins();
    void FormatIncomingGrid();
    void FormatOutgoingGrid();

    db::Recordset mRecordset; // the origin list's and the report's, open only while one reads it
};

} // namespace reports
