#include "core/frmLogin.h"

#include "core/WindowPicture.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace core {

frmLogin::frmLogin()
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("Login Information"));
    setFixedSize(420, 230);

    Label1 = new QLabel(QStringLiteral("Login Form"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont headingFont = Label1->font();
    headingFont.setPointSize(16);
    headingFont.setBold(true);
    Label1->setFont(headingFont);
    Label1->setAlignment(Qt::AlignCenter);

    lblUname = new QLabel(QStringLiteral("User Name"), this);
    lblUname->setObjectName(QStringLiteral("lblUname"));
    lblPass = new QLabel(QStringLiteral("Password"), this);
    lblPass->setObjectName(QStringLiteral("lblPass"));

    txtUserName = new QLineEdit(this);
    txtUserName->setObjectName(QStringLiteral("txtUserName"));
    txtUserName->setMaxLength(25);
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setMaxLength(20);
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));

    cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdExit = new QPushButton(QStringLiteral("E&xit"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(30, 20, 30, 20);
    layout->setVerticalSpacing(14);
    layout->addWidget(Label1, 0, 0, 1, 3);
    layout->addWidget(lblUname, 1, 0);
    layout->addWidget(txtUserName, 1, 1, 1, 2);
    layout->addWidget(lblPass, 2, 0);
    layout->addWidget(txtPassword, 2, 1, 1, 2);
    layout->addWidget(cmdOk, 3, 1);
    layout->addWidget(cmdExit, 3, 2);

    Form_Load();
}

void frmLogin::Form_Load()
{
    cmdOk->setEnabled(false);
    txtPassword->clear();
    LoadWindowPicture(this);
}

} // namespace core
