#pragma once

// A test of a phone-book window: an installation with an empty phone book, the module state start-up
// and login leave, contacts written straight into the table and read back from it.

#include "support/RowInsert.h"
#include "support/WindowFixture.h"

#include "platform/db/Recordset.h"
#include "platform/runtime/Conversions.h"

#include <QStringList>

namespace testsupport {

template <class Window>
class PhoneBookFixture : public WindowFixture<Window> {
protected:
    void SetUp() override
    {
        WindowFixture<Window>::SetUp();
        this->install(QDate(2026, 12, 6));
        core::gstrServerName = QStringLiteral("ZELSERVER");
        core::gstrDBUser = QStringLiteral("sa");
        core::gstrProvider = QStringLiteral("SQLOLEDB");
        core::gstrUserName = QStringLiteral("meera");
        core::gstrWindowsUser = QStringLiteral("MEERA-PC");
    }

    // One contact, every box column filled; "Column=SQL value" pairs replace columns.
    void contact(const QString& station, const QString& branch, const QStringList& changes = {})
    {
        this->execute(QStringLiteral("ZELADMINDB"),
                      insertOf(QStringLiteral("tab_PhoneBook"),
                               QStringList{"StationCode='" + station + "'", "StationName='SURAT'",
                                           "BranchName='" + branch + "'", "PersonName='ANITA RAO'",
                                           "Designation='MANAGER'", "BrAddress1='12 RING ROAD'",
                                           "BrAddress2='ADAJAN'", "BrAddress3='WEST ZONE'", "PinCode='395009'",
                                           "CellNo='9876512345'", "FaxNo='0261-2500'", "DOTNo='0261-2400'",
                                           "Email1='ops@sur.example'", "Email2=''", "Email3=''",
                                           "CreateUser='ADMIN'", "CreateDate='2026-11-30 09:00:00'"}
                                   + changes));
    }

    // The rows of a query on the phone book, each row's columns joined by "|" (Null as "NULL").
    static QStringList rows(const QString& sql)
    {
        db::Connection c;
        c.open(QStringLiteral("Data Source=ZELSERVER;USER ID=sa;PASSWORD=;Initial Catalog=ZELADMINDB"));
        db::Recordset rs;
        rs.open(sql, c);
        QStringList result;
        for (; !rs.eof(); rs.moveNext()) {
            QStringList cells;
            for (int i = 0; i < rs.fieldCount(); ++i)
                cells << (rs.value(i).isValid() ? runtime::CStr(rs.value(i)) : QStringLiteral("NULL"));
            result << cells.join(u'|');
        }
        return result;
    }

    static QStringList prompts()
    {
        QStringList shown;
        for (const ui::ShownMessage& m : ui::MessageBoxSeam::shown())
            shown << m.prompt;
        return shown;
    }
};

} // namespace testsupport
