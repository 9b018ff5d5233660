#pragma once

#include "core/FormWindow.h"
#include "reports/DeliveryStatusStatements.h"

#include "platform/db/Recordset.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace ui {
class DatePicker;
class FlexGrid;
}

namespace reports {

enum class NumberRangeFault;
enum class DateRangeFault;

// The delivery status report. Opened modeless: the main window stays usable beside it.
// A processing run refills the shared work table by booking dates or by a range of consignment
// numbers in a booking month; the totals strip counts what the table holds and what of it the
// downloads brought in; a cascade of branch, mode, destination, party, weight and reason narrows
// the report grid, which is exported to a workbook.
class frmDeliveryStatusReport : public core::FormWindow<frmDeliveryStatusReport> {
public:
    frmDeliveryStatusReport();

    // Controls (objectName = member name).
    QLabel* Label1;
    QLabel* Label2;
    QLabel* lblTotCons;
    QLabel* Label3;
    QLabel* lblTotDRSDownDocs;
    QLabel* Label4;
    QLabel* lblDRSDownTime;
    QLabel* Label5;
    QLabel* lblTotPTPDownDocs;
    QLabel* Label6;
    QLabel* lblPTPDownTime;
    QLabel* Label7;
    ui::DatePicker* dtpFromDate;
    QLabel* Label8;
    ui::DatePicker* dtpToDate;
    QPushButton* cmdProcess;
    QLabel* Label9;
    ui::DatePicker* dtpBooking;
    QLabel* Label10;
    QLineEdit* txtFromNo;
    QLabel* Label11;
    QLineEdit* txtToNo;
    QPushButton* cmdCNo_Process;
    QLabel* Label12;
    QComboBox* cboBranch;
    QLabel* Label13;
    QComboBox* cboTMode;
    QLabel* Label14;
    QComboBox* cboDestination;
    QLabel* Label15;
    QComboBox* cboParty;
    QLabel* Label16;
    QLineEdit* txtWeight;
    QLabel* Label17;
    QComboBox* cboRegion;
    QPushButton* cmdShow;
    QPushButton* cmdExcel;
    QPushButton* cmdExit;
    QProgressBar* prgBar;
    ui::FlexGrid* msgGrid;

    // Window procedures.
    void Form_Load();
    void cmdProcess_Click();
    void cmdCNo_Process_Click();
    void cmdShow_Click();
    void cmdExcel_Click();
    void cmdExit_Click();
    void dtpFromDate_KeyDown(int& KeyCode, int Shift);
    void dtpToDate_KeyDown(int& KeyCode, int Shift);
    void dtpBooking_KeyDown(int& KeyCode, int Shift);
    void txtFromNo_KeyPress(int& KeyAscii);
    void txtToNo_KeyPress(int& KeyAscii);
    void txtWeight_KeyDown(int& KeyCode, int Shift);
    void txtWeight_KeyPress(int& KeyAscii);

    // The five totals to "-", and filled from the database.
    void ClearTotals();
    void ShowTotals();
    // Each fill rebuilds its own list only, an empty item first.
    void FillBranches();
    void FillTransactionModes();
    void FillDestinations();
    void FillParties();
    void FillReasons();
    // Empties the grid to its headings and one empty row.
    void FormatGrid();

    // Window state: the totals' recordset, and the one of the pick lists and the report.
    db::Recordset mTotals;
    db::Recordset mReport;

private:
    void CreateControls();
    void ConnectHandlers();
    // The lists' texts, the chosen party's code and the weight as they stand.
    StatusChoices CurrentChoices() const;
    void FillList(StatusList list, QComboBox* combo, const QString& emptyMessage);
    // The first field of the statement's first row, as text.
    QString FirstValue(const QString& sql);
    // The latest download run's time of a type, "-" when there is none.
    QString LatestDownload(StatusDownload download);
    // Shows the range's fault and moves to the box to correct; false when there is none.
    bool ReportNumberFault(NumberRangeFault fault);
    // The same for the booking dates of the date run.
    bool ReportDateFault(DateRangeFault fault);
    // The question before a run; true for Yes.
    static bool ConfirmProcess();
};

} // namespace reports
