#pragma once

#include <QMainWindow>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace core {

class StatusPanels;

// The main window: the company title, a row of buttons and a menu bar, each button or menu entry
// opening one query window. Loaded once by the login; it stays for the life of the program.
class mdiQuery : public QMainWindow {
public:
    mdiQuery();

    QLabel* lblTitle;
    QLabel* lblCompany;
    QFrame* Picture1;
    StatusPanels* StatusBar1;

    QPushButton* cmdCCare;
    QPushButton* Command1;
    QPushButton* cmdQryRpt;
    QPushButton* cmdReport;
    QPushButton* cmdPhoneQuery;
    QPushButton* cmdPodQuery;
    QPushButton* cmdPodSearch;
    QPushButton* cmdRunSheetQuery;
    QPushButton* cmdNonDeliveryQuery;
    QPushButton* cmdDummy;

    QMenu* mnu_Account_Invoice;
    QAction* mnu_POD_Query;
    QAction* mnu_InvoiceLine1;
    QAction* mnu_POD_ManifestQuery;
    QAction* mnu_InvoiceLine2;
    QAction* mnu_POD_Search;
    QAction* mnu_Sep1;
    QAction* mnuPhoneBookEntry;
    QAction* mnuPhBook;
    QAction* mnu_MissPODLetter;
    QMenu* mnu_Runsheet_Query;
    QAction* mnu_Manifest_Query;
    QAction* mnu_Lin1;
    QAction* mnu_RunSheetNonDeliveryQuery;
    QAction* mnu_QuerySeperator1;
    QAction* mnu_ConsignWiseQuery;
    QMenu* mnu_NonDelivery;
    QAction* mnu_NonDelivery_Query;
    QMenu* mnu_PendingPOD;
    QAction* mnu_PendPOD_Query;
    QAction* mnu_Change_Month;
    QAction* mnu_Exit;

protected:
    // Closing the main window ends the program; nothing asks.
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildButtons();
    void BuildMenus();
    void ConnectOpenings();
    void MDIForm_Load();
    void mnu_Change_Month_Click();
    void mnu_Exit_Click();
};

} // namespace core
