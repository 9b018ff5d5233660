#pragma once

#include "core/FormWindow.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace grid {
class QvGrid;
}
namespace ui {
class DatePicker;
class FlexGrid;
}

namespace podquery {

// The POD query window: one consignment's booking, its detail columns, its outgoing manifests,
// manifest returns, non-deliveries and incoming manifests, its branch, POD date and delivery
// status; each enquiry that finds a delivered or undelivered booking is written to the query log.
// Its procedures live in several files:
//   frmPODQueryGrid.cpp  controls, loading, the blink timer and the look-up
//   HistoryGrids.cpp     the four history grids: their layouts and loaders
//   QueryLog.cpp         the enquiry's row in the query log
//   HeadOfficePanel.cpp  the head office's status of the number
//   FindPanel.cpp        the search by booking date, mode, party and consignee's name
//   PodScan.cpp          the scanned POD document
class frmPODQueryGrid : public core::FormWindow<frmPODQueryGrid> {
public:
    frmPODQueryGrid();

    // Controls (objectName = member name).
    QLabel* lblTitle;
    QLabel* lblBranch;
    QLabel* lblEscape;
    QLabel* lblConsignNo;
    QLineEdit* txtConsignNo;

    // The booking labels, in the order they are cleared.
    QLabel* lblBookingDate;
    QLabel* lblWeight;
    QLabel* lblVolWgt;
    QLabel* lblTotWgt;
    QLabel* lblFromAddress1;
    QLabel* lblFromAddress2;
    QLabel* lblFromAddress3;
    QLabel* lblFMobileNo;
    QLabel* lblBkTime;
    QLabel* lblToAddress1;
    QLabel* lblToAddress2;
    QLabel* lblToAddress3;
    QLabel* lblAmount;
    QLabel* lblMode;
    QLabel* lblDestination;
    QLabel* lblPickup;
    QLabel* lblDocumentType;
    QLabel* lblDeliveryStatus;
    QLabel* lblBranchName;
    QLabel* lblPodDate;
    QLabel* lblProConNo;
    QLabel* lblBookedBy;
    QLabel* lblBookedBranch;
    QLabel* lblFlyerNo;
    QLabel* lblContain;
    QLabel* lblPinCode;
    QLabel* lblNoOfPcs;
    QLabel* lblRateType;
    QLabel* lblStatus;

    QTimer* Timer1;
    grid::QvGrid* QvGrid1;
    QPushButton* cmdAdditional;

    // The history grids.
    ui::FlexGrid* msgQuery;
    ui::FlexGrid* msgMFRtn;
    ui::FlexGrid* msgNonDel;
    ui::FlexGrid* msgInc;

    // The head office's status panel.
    QPushButton* cmdROStatus;
    QGroupBox* fraROStatus;
    QPushButton* cmdROExit;
    QLabel* Label18;
    ui::FlexGrid* msgGrid1;
    QLabel* Label17;
    ui::FlexGrid* msgGrid2;
    QLabel* Label16;
    ui::FlexGrid* msgGrid3;
    QLabel* Label14;
    ui::FlexGrid* msgGrid4;

    // The search by booking.
    QCheckBox* chkSelect;
    QGroupBox* fraFind;
    ui::DatePicker* dtpBookingDate;
    QComboBox* cboBMode;
    QComboBox* cboPCode;
    QLineEdit* txtTAdds;
    ui::FlexGrid* msgFind;
    QLabel* lblFindStatus;

    // The scanned POD document.
    QPushButton* cmdPODScan;
    QPushButton* cmdDocImage;

    // Window procedures.
    void Form_Load();
    void Form_Activate();
    void Timer1_Timer();
    void ClearDetails();
    void txtConsignNo_GotFocus();
    void txtConsignNo_KeyPress(int& KeyAscii);
    void cmdAdditional_Click();

    // History grids (HistoryGrids.cpp): each loader reads mConsignNo and mProConsignNo.
    void ShowManifests();
    void ShowManifestReturns();
    void ShowNonDeliveries();
    void ShowIncomingManifests();
    void FormatManifestGrid();
    void FormatManifestReturnGrid();
    void FormatNonDeliveryGrid();
    void FormatIncomingGrid();

    // The enquiry's row in the query log (QueryLog.cpp).
    void WriteQueryLog();

    // The head office's status panel (HeadOfficePanel.cpp).
    void cmdROStatus_Click();
    void cmdROExit_Click();

    // The search by booking (FindPanel.cpp).
    void chkSelect_Click();
    void chkSelect_KeyDown(int& KeyCode, int Shift);
    void dtpBookingDate_KeyDown(int& KeyCode, int Shift);
    void cboBMode_KeyPress(int& KeyAscii);
    void cboPCode_KeyPress(int& KeyAscii);
    void txtTAdds_GotFocus();
    void txtTAdds_LostFocus();
    void txtTAdds_KeyPress(int& KeyAscii);
    void txtTAdds_KeyDown(int& KeyCode, int Shift);
    void txtTAdds_KeyUp(int& KeyCode, int Shift);
    void msgFind_GotFocus();
    void msgFind_LostFocus();
    void msgFind_DblClick();
    void msgFind_KeyPress(int& KeyAscii);
    void FillPartyCodes();
    void FormatFindGrid();

    // The scanned POD document (PodScan.cpp).
    void cmdPODScan_Click();
    void cmdDocImage_Click();

    // Window state of the last enquiry; a look-up resets all of it before it reads.
    QString mConsignNo;         // the enquired number as the statements write it: the booking's own
                                // number when one was found, else the typed one
    quint8 mBlink = 0;          // 1: the status label blinks
    QString mDeliveryStatus;    // "D" or "N" when the booking has that status, else ""
    bool mManifestReturned = false;
    bool mReturned = false;
    bool mManifestFound = false;
    QVariant mManifestOrigin;   // the last outgoing manifest line shown
    QVariant mManifestDate;
    QString mManifestNo;
    QVariant mManifestDestination;
    QString mPodImagePath;
    QString mWeightType;
    qint64 mProConsignNo = 0;   // 0: the booking has none
    QVariant mBookingDate;      // the booking's values the log row keeps (Null stays Null)
    QVariant mCityCode;
    QVariant mDestination;
    QVariant mRegion;
    QVariant mBookingMode;
    QVariant mTransactionMode;
    QString mPartyCode;
    double mWeight = 0;
    QString mReasonName;        // the reason of the non-delivery row last written

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void ConnectHandlers();
    void ConnectHeadOfficePanel(); // HeadOfficePanel.cpp
    void ConnectFindPanel();       // FindPanel.cpp
    void ConnectPodScan();         // PodScan.cpp
    void ResetEnquiry(const QString& number);
    void LookUp();
};

} // namespace podquery
