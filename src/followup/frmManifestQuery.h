#pragma once

#include "core/FormWindow.h"
#include "followup/ManifestQueryStatements.h"

#include "platform/db/Recordset.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {
class DatePicker;
class FlexGrid;
}

namespace followup {

// The manifest query window: the incoming manifest lines of a range of days within the month
// database's month, for one consignment or by destination and manifest status, one grid row each.
// The clerk moves on with Enter and back with Up or PageUp; Esc in the grid starts a new query.
class frmManifestQuery : public core::FormWindow<frmManifestQuery> {
public:
    frmManifestQuery();

    // Controls (objectName = member name).
    QLabel* lblFromDate;
    ui::DatePicker* dtpFromDate;
    QLabel* lblToDate;
    ui::DatePicker* dtpToDate;
    QLabel* lblOrigin;
    QLineEdit* txtOrigin;
    QLabel* lblStatus;
    QComboBox* cboStatus;
    QLabel* lblConsignNo;
    QLineEdit* txtConsignNo;
    QPushButton* cmdShow;
    QPushButton* cmdExit;
    ui::FlexGrid* msgManifest;

    // Window procedures.
    void Form_Load();
    void Form_Activate();
    void dtpFromDate_KeyDown(int& KeyCode, int Shift);
    void dtpToDate_KeyDown(int& KeyCode, int Shift);
    void txtOrigin_KeyDown(int& KeyCode, int Shift);
    void txtOrigin_KeyPress(int& KeyAscii);
    void cboStatus_KeyDown(int& KeyCode, int Shift);
    void txtConsignNo_KeyDown(int& KeyCode, int Shift);
    void txtConsignNo_KeyPress(int& KeyAscii);
    void msgManifest_KeyPress(int& KeyAscii);
    void cmdShow_Click();
    void cmdExit_Click();

    // Empties the origin, puts both dates back to today and the status list back to its empty
    // entry; the consignment number stays.
    void ControlClear();
    // Lays the grid out: the headings and one empty row.
    void FlexFormat();

    // Window state: the recordset of every query.
    db::Recordset mRecordset;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void ConnectHandlers();
    void FillStatusList();
    // True when the picker's date lies in the month database's month; otherwise the picker moves
    // to its day (capped to the month's length) of that month.
    bool DateInMonthOrMoved(ui::DatePicker* picker);
    ManifestFilter CurrentFilter() const;
    // Runs the statement and fills the grid; false when no line matched.
    bool ShowManifests();
};

} // namespace followup
