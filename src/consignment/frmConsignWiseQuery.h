#pragma once

#include "core/FormWindow.h"

#include <QDate>
#include <QString>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTimer;

namespace ui {
class DatePicker;
}

namespace consignment {

// The single-date consignment query window: one consignment number on one runsheet date of the
// month database, shown in labels: the runsheet line, the delivery outcome and the incoming
// manifest line of that date. It writes nothing.
//
// Stages: the date (picker enabled), the number (an accepted date Enter), the origin (a number
// with origins on that date) and the details (origin Enter; the picker is enabled again).
class frmConsignWiseQuery : public core::FormWindow<frmConsignWiseQuery> {
public:
    frmConsignWiseQuery();

    // Controls (objectName = member name).
    QLabel* lblTitle;
    QLabel* lblDate;
    ui::DatePicker* dtpDate;
    QLabel* lblConsignNo;
    QLineEdit* txtConsignMentNo;
    QLabel* lblOrigin;
    QComboBox* cboOrigin;
    QTimer* tmrStatus;

    QGroupBox* fraRunsheet;
    QLabel* lblRunsheetNo;
    QLabel* lblRunsheetNoVal;
    QLabel* lblSlno;
    QLabel* lblSlnoVal;
    QLabel* lblArea;
    QLabel* lblAreaVal;
    QLabel* lblStaff;
    QLabel* lblStaffVal;
    QLabel* lblMode;
    QLabel* lblModeVal;

    QGroupBox* fraManifest;
    QLabel* lblMfNo;
    QLabel* lblMfNoVal;
    QLabel* lblMfSlno;
    QLabel* lblMfSlnoVal;
    QLabel* lblRemarks;
    QLabel* lblRemarksVal;
    QLabel* lblBranch;
    QLabel* lblBranchVal;

    QGroupBox* fraDelivery;
    QLabel* lblReason;
    QLabel* lblReasonVal;
    QLabel* lblConsignor;
    QLabel* lblConsignorName;
    QLabel* lblConsignorAddress1;
    QLabel* lblConsignorAddress2;
    QLabel* lblDeliveryStatus;
    QLabel* lblStatus;
    QLabel* lblRemNoFDesti;

    // Window procedures.
    void Form_Load();
    void Form_Activate();
    void ControlClear();
    void ClearResultLabels();
    void dtpDate_GotFocus();
    void dtpDate_KeyDown(int& KeyCode, int Shift);
    void txtConsignMentNo_KeyDown(int& KeyCode, int Shift);
    void txtConsignMentNo_KeyPress(int& KeyAscii);
    void cboOrigin_KeyDown(int& KeyCode, int Shift);
    void tmrStatus_Timer();

    // The consignment number as the statements write it: the number value of the box's text as
    // plain decimal digits (an empty box "0").
    QString ConsignmentNumberText() const;
    // The runsheet date in the picker.
    QDate RunsheetDate() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void ConnectHandlers();
    void QueryOrigins();
    void ShowDetails();
    void ShowRunsheetLine();
    void ShowManifestLine();
    void ShowReasonName(const QString& reasonCode);
    void BackToDate();
    void ClearDetailLabels();
};

} // namespace consignment
