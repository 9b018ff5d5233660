#pragma once

#include "core/FormWindow.h"

#include <QString>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QTimer;

namespace db {
class Recordset;
}

namespace podquery {

// The older, label-only POD enquiry: one consignment's booking, its first outgoing manifest line,
// its branch, POD date and delivery status, and its five earliest non-delivery entries. It keeps
// no query log and masks no numbers.
class frmPODQuery : public core::FormWindow<frmPODQuery> {
public:
    static constexpr int kNonDeliveryLines = 5;

    frmPODQuery();

    // Controls (objectName = member name; the line arrays as "lblNo(0)" ...).
    QLabel* lblTitle;
    QLabel* lblBranch;
    QLabel* lblEscape;
    QLabel* lblConsignNo;
    QLineEdit* txtConsignNo;
    QLabel* lblStatus;

    // The result labels, in the order they are cleared.
    QLabel* lblBookingDate;
    QLabel* lblWeight;
    QLabel* lblFromAddress1;
    QLabel* lblFromAddress2;
    QLabel* lblFromAddress3;
    QLabel* lblFromAddress4;
    QLabel* lblToAddress1;
    QLabel* lblToAddress2;
    QLabel* lblToAddress3;
    QLabel* lblToAddress4;
    QLabel* lblAmount;
    QLabel* lblMode;
    QLabel* lblDestination;
    QLabel* lblPickup;
    QLabel* lblDocumentType;
    QLabel* lblManifestNo;
    QLabel* lblSlNo;
    QLabel* lblPacketNo;
    QLabel* lblManiFestMode;
    QLabel* lblDeliveryStatus;
    QLabel* lblBranchName;
    QLabel* lblPodDate;
    QLabel* lblManifestDate;
    QLabel* lblManifestDest;

    // The non-delivery entries: a number, the entry's status and its text per line.
    QGroupBox* fraNonDelvy;
    std::array<QLabel*, kNonDeliveryLines> lblNo;
    std::array<QLabel*, kNonDeliveryLines> lblRemainderNo;
    std::array<QLabel*, kNonDeliveryLines> lblRemainderDate;

    QTimer* Timer1;

    // Window procedures.
    void Form_Load();
    void ClearDetails();
    void Timer1_Timer();
    void txtConsignNo_GotFocus();
    void txtConsignNo_KeyPress(int& KeyAscii);

    QString mDeliveryStatus; // "D" or "N" when the last look-up found a booking of that status, else ""
    quint8 mBlink = 0;       // 1 from the first booking found on: the status label blinks

private:
    void CreateControls();
    void ConnectHandlers();
    // Enter with a number; false when neither a booking nor a manifest line has it.
    bool LookUp(const QString& number);
    void ShowBooking(const db::Recordset& booking, const QString& number);
    void ShowManifestLine(const db::Recordset& line);
    void ShowNonDeliveries(const QString& number);
};

} // namespace podquery
