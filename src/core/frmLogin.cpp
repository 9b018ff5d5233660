#include "core/frmLogin.h"

#include "core/ClosingRecordset.h"
#include "core/LoginStatements.h"
#include "core/ModuleState.h"
#include "core/PaperForms.h"
#include "core/TextBoxFocus.h"
#include "core/WindowPicture.h"
#include "core/mdiQuery.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowHost.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <pwd.h>
#include <unistd.h>

namespace core {

namespace {

// The logon name of the user running the program (the account's name).
QString LogonUserName()
{
    if (const passwd* account = getpwuid(getuid()))
        return QString::fromLocal8Bit(account->pw_name);
    return qEnvironmentVariable("USER");
}

// A text field of the current row; Null is an error, as assigning it to a text would be.
QString RequiredText(const db::Recordset& rs, const QString& field)
{
    const QVariant value = rs.value(field);
    if (!value.isValid())
        throw runtime::RuntimeError(runtime::ErrorNumber::InvalidUseOfNull);
    return value.toString();
}

} // namespace

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

    ui::attachHandlers(txtUserName, {.keyPress = [this](int& KeyAscii) { txtUserName_KeyPress(KeyAscii); },
                                     .gotFocus = [this] { SelectAllText(txtUserName); },
                                     .lostFocus = [this] { ResetColors(txtUserName); }});
    ui::attachHandlers(txtPassword, {.keyDown = [this](int& KeyCode, int Shift) { txtPassword_KeyDown(KeyCode, Shift); },
                                     .keyPress = [this](int& KeyAscii) { txtPassword_KeyPress(KeyAscii); },
                                     .gotFocus = [this] { SelectAllText(txtPassword); },
                                     .lostFocus = [this] { ResetColors(txtPassword); }});
    ui::attachHandlers(cmdOk, {.click = [this] { cmdOk_Click(); }});
    ui::attachHandlers(cmdExit, {.click = [this] { cmdExit_Click(); }});

    Form_Load();
}

void frmLogin::Form_Load()
{
    ui::guarded({QStringLiteral("%1 : %2       "), ui::vbCritical, gstrCompanyName}, [this] {
        cmdOk->setEnabled(false);
        txtPassword->clear();
        LoadWindowPicture(this);
    });
}

void frmLogin::txtUserName_KeyPress(int& KeyAscii)
{
    KeyAscii = QChar(KeyAscii).toUpper().unicode();
    if (KeyAscii == ui::vbKeyReturn && !txtUserName->text().trimmed().isEmpty())
        txtPassword->setFocus();
}

void frmLogin::txtPassword_KeyPress(int& KeyAscii)
{
    if (KeyAscii == ui::vbKeyReturn && !txtPassword->text().trimmed().isEmpty()) {
        cmdOk->setEnabled(true);
        cmdOk->setFocus();
    }
}

void frmLogin::txtPassword_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyUp)
        txtUserName->setFocus();
}

void frmLogin::cmdOk_Click()
{
    ui::guarded({QStringLiteral("%1  %2"), ui::vbOKOnly}, [this] {
        const auto closeLogin = closingAtEnd(m_login);
        m_login.open(loginStatement(txtUserName->text().trimmed(), txtPassword->text().trimmed()), gcnnAdmin,
                     db::CursorType::Dynamic, db::LockType::Optimistic);
        if (m_login.eof()) {
            ui::MsgBox(QStringLiteral("Invalid UserName/Password. Please Enter Valid UserName and Password."),
                       ui::vbInformation, QStringLiteral("Login"));
            txtUserName->clear();
            txtPassword->clear();
            txtUserName->setFocus();
            return;
        }
        gstrUserBranchCode = RequiredText(m_login, QStringLiteral("BranchCode"));
        gstrWindowsUser = LogonUserName().toUpper();
        gstrUserName = txtUserName->text().trimmed();
        LoadUserCategory();
        mdiQuery& main = ui::DefaultInstance<mdiQuery>::get();
        const bool reports = gstrUserCategory == QLatin1String("Administrator")
                             || gstrUserCategory == QLatin1String("Super Administrator");
        main.cmdReport->setVisible(reports);
        main.cmdQryRpt->setVisible(reports);
        AddconsignmentPrinter();
        AddReportPrinter();
        AddSpecialPrinter1();
        AddReportPrinter2();
        ui::DefaultInstance<frmLogin>::unload();
        ui::WindowHost::showModeless(&ui::DefaultInstance<mdiQuery>::get());
    });
}

void frmLogin::LoadUserCategory()
{
    db::Recordset rs;
    rs.open(userCategoryStatement(gstrUserName), gcnnAdmin, db::CursorType::Dynamic, db::LockType::Optimistic);
    if (!rs.eof())
        gstrUserCategory = RequiredText(rs, QStringLiteral("Category"));
    rs.close();
}

void frmLogin::cmdExit_Click() { ui::endProgram(); }

void frmLogin::AddconsignmentPrinter() { InstallPaperForm(QStringLiteral("NVX1"), qint32(internalWinId())); }
void frmLogin::AddSpecialPrinter1() { InstallPaperForm(QStringLiteral("NVX2"), qint32(internalWinId())); }
void frmLogin::AddReportPrinter() { InstallPaperForm(QStringLiteral("NVX3"), qint32(internalWinId())); }
void frmLogin::AddReportPrinter2() { InstallPaperForm(QStringLiteral("NVX4"), qint32(internalWinId())); }

} // namespace core
