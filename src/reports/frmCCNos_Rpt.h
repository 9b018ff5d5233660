#pragma once

#include "core/FormWindow.h"
#include "reports/CustomerCareStatements.h"

#include "platform/db/Recordset.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace ui {
class DatePicker;
class FlexGrid;
}

namespace reports {

// The customer-care priority consignment report: the uncancelled priority bookings of a range of
// booking dates, narrowed by a cascade of branch, transaction mode, destination and outgoing
// manifest destination lists, shown in one grid and exported to a workbook.
class frmCCNos_Rpt : public core::FormWindow<frmCCNos_Rpt> {
public:
    frmCCNos_Rpt();

    // Controls (objectName = member name).
    QLabel* Label1;
    QLabel* Label2;
    ui::DatePicker* dtpFromDate;
    QLabel* Label3;
    ui::DatePicker* dtpToDate;
    QLabel* Label4;
    QComboBox* cboBranch;
    QLabel* Label5;
    QComboBox* cboTMode;
    QLabel* Label6;
    QComboBox* cboDest;
    QLabel* Label7;
    QComboBox* cboMFDestn;
    QPushButton* cmdShow;
    QPushButton* cmdExcel;
    QPushButton* cmdExit;
    ui::FlexGrid* msgGrid;

    // Window procedures.
    void Form_Load();
    void dtpFromDate_KeyDown(int& KeyCode, int Shift);
    void dtpToDate_KeyDown(int& KeyCode, int Shift);
    void cboBranch_KeyDown(int& KeyCode, int Shift);
    void cboTMode_KeyDown(int& KeyCode, int Shift);
    void cboDest_KeyDown(int& KeyCode, int Shift);
    void cmdShow_Click();
    void cmdExcel_Click();
    void cmdExit_Click();

    // Each fill rebuilds its own list only.
    void FillBranches();
    void FillTransactionModes();
    void FillDestinations();
    void FillManifestDestinations();
    // Empties the grid to its headings and one empty row.
    void FormatGrid();

    // Window state: the pick lists' recordset and the report's.
    db::Recordset mLists;
    db::Recordset mReport;

private:
    void CreateControls();
    void ConnectHandlers();
    // The dates and the lists' texts as they stand.
    CareChoices CurrentChoices() const;
    // Fills the list with the statement's distinct values (Null left out) and focuses it; an
    // empty result shows the message and focuses whenEmpty instead.
    void FillList(CareList list, QComboBox* combo, const QString& emptyMessage, QWidget* whenEmpty);
};

} // namespace reports
