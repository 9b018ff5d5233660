#pragma once

#include "core/FormWindow.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace ui {
class DatePicker;
}

namespace followup {

// The missing-POD window: the clerk looks a consignment up (its saved missing-POD record, booking,
// first manifest row, booking branch and non-delivery history), confirms the addresses and
// manifest details with Enter box by box, saves them as the consignment's missing-POD record and
// may print the follow-up letter to the destination branch.
// Its procedures live in two files:
//   frmMissPODLetter.cpp  controls, loading, the blink timer, the look-up and its display
//   MissingPodEntry.cpp   the entry order, the save and the letter
class frmMissPODLetter : public core::FormWindow<frmMissPODLetter> {
public:
    frmMissPODLetter();

    // Controls (objectName = member name; the arrays are named with their element's number, from 1
    // for the address boxes and from 0 for the history rows).
    QLabel* lblTitle;
    QLabel* lblBranch;
    QLabel* lblEscape;
    QLineEdit* txtConsignNo;

    QLabel* lblBookingDate;
    QLabel* lblWeight;
    QLabel* lblAmount;
    QLabel* lblMode;
    QLabel* lblDestination;
    QLabel* lblPickup;
    QLabel* lblDocumentType;
    QLabel* lblBranchName;
    QLabel* lblPodDate;

    std::array<QLineEdit*, 4> txtFrAdd;
    std::array<QLineEdit*, 4> txtToAddr;
    QGroupBox* fraManifest;
    ui::DatePicker* dtpMFDate;
    QLineEdit* txtMFDestination;
    QLineEdit* txtManifestNo;
    QLineEdit* txtMFSlNo;
    QLineEdit* txtMFPktNo;

    QGroupBox* fraNonDelvy;
    QLabel* lblDeliveryStatus;
    std::array<QLabel*, 5> lblNo;
    std::array<QLabel*, 5> lblRemainderNo;
    std::array<QLabel*, 5> lblRemainderDate;

    ui::DatePicker* dtpBookingDate; // hidden: the booking date the save writes and the letter prints
    QPushButton* cmdSave;
    QPushButton* cmdExit;
    QTimer* Timer1;

    // Window procedures.
    void Form_Load();
    void Form_Activate();
    void ClearDisplay();
    void Timer1_Timer();
    void txtConsignNo_GotFocus();
    void txtConsignNo_KeyPress(int& KeyAscii);
    void cmdExit_Click();
    // Reads the saved record of the number into the boxes; its booking date when there is one.
    std::optional<QDate> DisplayMissingPOD(const QString& number);

    // Entry order and save (MissingPodEntry.cpp).
    void EntryBox_KeyPress(QLineEdit* box, int& KeyAscii);
    void EntryBox_KeyDown(QLineEdit* box, int& KeyCode);
    void dtpMFDate_KeyDown(int& KeyCode, int Shift);
    void cmdSave_Click();
    // Prints the follow-up letter of the boxes with the number (plain digits) and booking date given.
    void PrintLetter(const QString& number, const QDate& bookingDate);

    // Window state.
    quint8 MissingPODExists = 0;    // 1: the last look-up found a saved record
    quint8 StatusBlinkOn = 0;       // 1: the delivery status blinks
    QString DeliveryStatusCode;     // "D" or "N" as the booking has it, else ""
    QString mLookedUpNumber;        // the number the boxes were filled for; empty once they are cleared

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void ConnectHandlers();
    void ConnectEntryHandlers(); // MissingPodEntry.cpp
    void LookUp();
    void ShowConsignment(const QString& number);
    void ShowManifest(const QString& number);
    void ShowHistory(const QString& number);
    // The entry controls in their Enter order, the number box first.
    std::array<QWidget*, 14> EnterOrder() const;
    void EntryBox_Enter(QLineEdit* box);
    void ClearAndReturn();
};

} // namespace followup
