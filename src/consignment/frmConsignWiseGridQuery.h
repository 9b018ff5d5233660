#pragma once

#include "core/FormWindow.h"

#include "platform/db/Recordset.h"

#include <QDateTime>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {
class FlexGrid;
}

namespace consignment {

// The consignment history window: the origins under which the month knows a consignment number,
// then the number's whole road for one origin, grid by grid, and for one printed runsheet date.
// Its procedures live in several files, one per part of the window:
//   frmConsignWiseGridQuery.cpp  controls, keys, the origin query and the order of the loaders
//   GridLayouts.cpp              the Format...Grid procedures
//   PodImages.cpp                the POD scan images of the runsheet grid
//   RunsheetLoader.cpp           runsheet lines, returned PODs, delivery status and query log
//   ManifestLoaders.cpp          local, branch local and incoming manifests
//   PendingLoader.cpp            pending and miscellaneous documents
//   MobileSearch.cpp, SmsLoader.cpp, NonDeliveryLoader.cpp, ReturnedDocumentsLoader.cpp,
//   MisrouteLoader.cpp, HeadOfficePanel.cpp  the remaining loaders and panels
class frmConsignWiseGridQuery : public core::FormWindow<frmConsignWiseGridQuery> {
public:
    frmConsignWiseGridQuery();

    // Controls (objectName = member name).
    QLabel* lblTitle;
    QLabel* lblConsignNo;
    QLineEdit* txtConsignMentNo;
    QLabel* lblOrigin;
    QComboBox* cboOrigin;
    QLabel* lblRsDate;
    QComboBox* cboRSDate;
    QPushButton* cmdMobile;
    QLabel* Label2;
    QLabel* lblDeliveryStatus;
    QPushButton* cmdROStatus;
    QLabel* lblIncomeMF;
    ui::FlexGrid* msgIncoming;
    QLabel* Label3;
    ui::FlexGrid* msgBLMF;
    QLabel* Label15;
    ui::FlexGrid* msgMisroute;
    QLabel* Label1;
    ui::FlexGrid* msgLMF;
    QLabel* Label11;
    ui::FlexGrid* msgPending;
    QLabel* lblRunDetails;
    QLabel* Label4;
    ui::FlexGrid* msgRunsheetDetails;
    QLabel* lblReturnPOD;
    ui::FlexGrid* msgReturnPOD;
    QLabel* lblTitle2;
    ui::FlexGrid* msgDeliveryDetails;
    QLabel* Label12;
    ui::FlexGrid* msgRtnDocs;
    QLabel* Label5;
    ui::FlexGrid* msgGridSms;

    // The mobile number search panel.
    QGroupBox* fraMobile;
    QLineEdit* txtMobileNo;
    ui::FlexGrid* msgMobile;
    QPushButton* cmdMobile_Cancel;

    // The head office's status panel.
    QGroupBox* fraROStatus;
    QPushButton* cmdROExit;
    ui::FlexGrid* msgGrid1;
    ui::FlexGrid* msgGrid2;
    ui::FlexGrid* msgGrid3;
    ui::FlexGrid* msgGrid4;

    // Window procedures.
    void Form_Load();
    void Form_Activate();
    void txtConsignMentNo_KeyPress(int& KeyAscii);
    void cboOrigin_KeyDown(int& KeyCode, int Shift);
    void cboRSDate_KeyDown(int& KeyCode, int Shift);
    void msgRunsheetDetails_KeyDown(int& KeyCode, int Shift);
    void msgDeliveryDetails_KeyDown(int& KeyCode, int Shift);
    void FindNonDeliveryDestination();
    void FillRunsheetDates();

    // Grid layouts.
    void FormatLmfGrid();
    void FormatBlmfGrid();
    void FormatRunsheetGrid();
    void FormatDeliveryGrid();
    void FormatMisrouteGrid();
    void FormatIncomingGrid();
    void FormatReturnPodGrid();
    void FormatSmsGrid();
    void FormatPendingGrid();
    void FormatReturnDocsGrid();
    void FormatMobileGrid();

    // Loaders: each reads the number and its filters from the controls.
    void LoadRunsheetDetails();
    void LoadLocalManifest();
    void LoadBranchLocalManifest();
    void LoadPendingDocuments();
    void LoadManifestDetails();
    void LoadNonDeliveryDetails();
    void LoadReturnedDocuments();
    void LoadIncomingMisroute();
    void LoadSmsDetails();

    // POD scan images of the runsheet grid.
    void msgRunsheetDetails_Click();
    void msgRunsheetDetails_KeyPress(int& KeyAscii);

    // Mobile number search and head-office panel.
    void cmdMobile_Click();
    void cmdMobile_Cancel_Click();
    void txtMobileNo_KeyUp(int& KeyCode, int Shift);
    void msgMobile_KeyDown(int& KeyCode, int Shift);
    void msgMobile_Click();
    void cmdROStatus_Click();
    void cmdROExit_Click();

    // The consignment number as the statements write it: the number value of the box's text as
    // plain decimal digits ("00123" gives "123", an empty box "0").
    QString ConsignmentNumberText() const;
    // The runsheet date that narrows the date-bound grids: the last confirmed one while the date
    // box holds a text, else none.
    std::optional<QDateTime> ChosenRunsheetDate() const;

    // Window state.
    QDateTime mRunsheetDate; // the runsheet date last confirmed in cboRSDate
    QString mPodImageName;   // the image of the last POD opened
    db::Recordset mRecordset; // the mobile search's rows

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void ConnectHandlers();
    void ConnectMobileSearchKeys(); // the mobile search panel's box (MobileSearch.cpp)
    void BackToNumber();
};

} // namespace consignment
