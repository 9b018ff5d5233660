#pragma once

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

private:
    void Form_Load();
};

} // namespace core
