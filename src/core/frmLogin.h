#pragma once

#include "platform/db/Recordset.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace core {

// The login window: user name and password, checked against the administration database's users.
class frmLogin : public QWidget {
public:
    frmLogin();

    QLabel* Label1;
    QLabel* lblUname;
    QLabel* lblPass;
    QLineEdit* txtUserName;
    QLineEdit* txtPassword;
    QPushButton* cmdOk;
    QPushButton* cmdExit;

    // Each installs one paper form on the application's printer.
    void AddconsignmentPrinter();
    void AddSpecialPrinter1();
    void AddReportPrinter();
    void AddReportPrinter2();

    // Checks the user and opens the main window; a failure shows "<number>  <description>" and ends
    // the login there, the login recordset closed.
    void cmdOk_Click();
    void cmdExit_Click();

private:
    // An unexpected failure shows its number and description (critical icon, the company's name as
    // title) and ends the load there.
    void Form_Load();
    void LoadUserCategory();
    void txtUserName_KeyPress(int& KeyAscii);
    void txtPassword_KeyPress(int& KeyAscii);
    void txtPassword_KeyDown(int& KeyCode, int Shift);

    db::Recordset m_login;
};

} // namespace core
