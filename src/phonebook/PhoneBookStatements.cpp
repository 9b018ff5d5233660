#include "phonebook/PhoneBookStatements.h"

#include "platform/db/SqlText.h"
#include "platform/runtime/Strings.h"

#include <QStringList>

namespace phonebook {

namespace {

constexpr std::array<const char*, kColumnCount> kColumnNames{
    "StationCode", "StationName", "BranchName", "PersonName", "Designation", "BrAddress1", "BrAddress2", "BrAddress3",
    "PinCode",     "CellNo",      "FaxNo",      "DOTNo",      "Email1",      "Email2",     "Email3",
};

QString quoted(const QString& value) { return db::sqlQuote(runtime::Trim(value)); }

// "Column='value', ..." for the fifteen columns.
QStringList assignments(const ContactValues& values)
{
    QStringList set;
    for (int c = 0; c < kColumnCount; ++c)
        set << columnName(c) + QLatin1Char('=') + quoted(values[c]);
    return set;
}

// The key condition; `trim` says whether the key's texts lose their blanks first.
QString keyCondition(const ContactKey& key, bool trim)
{
    const auto text = [trim](const QString& value) {
        return trim ? quoted(value) : db::sqlQuote(value);
    };
    return QStringLiteral(" Where StationCode=") + text(key.stationCode) + QStringLiteral(" and BranchName=")
           + text(key.branchName);
}

} // namespace

QString columnName(int column) { return QLatin1String(kColumnNames[std::size_t(column)]); }

QString allContactsStatement() { return QStringLiteral("Select * from tab_PhoneBook"); }

QString contactStatement(const ContactKey& key)
{
    return QStringLiteral("Select * from tab_PhoneBook") + keyCondition(key, true);
}

QString insertContactStatement(const ContactValues& values, const QString& user, const QDateTime& now)
{
    QStringList columns;
    QStringList texts;
    for (int c = 0; c < kColumnCount; ++c) {
        columns << columnName(c);
        texts << quoted(values[c]);
    }
    columns << QStringLiteral("CreateUser") << QStringLiteral("CreateDate");
    texts << quoted(user) << db::sqlDateTime(now);
    return QStringLiteral("Insert INTO tab_PhoneBook (") + columns.join(QLatin1Char(','))
           + QStringLiteral(") VALUES (") + texts.join(QLatin1Char(',')) + QLatin1Char(')');
}

QString replaceContactStatement(const ContactValues& values, const QString& windowsUser, const QString& user,
                                const QDateTime& now)
{
    const QStringList set = assignments(values)
                            << QStringLiteral("MachineId=") + quoted(windowsUser)
                            << QStringLiteral("ModiUser=") + quoted(user)
                            << QStringLiteral("ModiDate=") + db::sqlDateTime(now);
    return QStringLiteral("UPDATE tab_PhoneBook SET ") + set.join(QLatin1Char(','))
           + keyCondition({values[StationCode], values[BranchName]}, true);
}

QString updateContactStatement(const ContactValues& values, const ContactKey& loaded, const QString& user,
                               const QDateTime& now)
{
    const QStringList set = assignments(values) << QStringLiteral("ModiUser=") + quoted(user)
                                                << QStringLiteral("ModiDate=") + db::sqlDateTime(now);
    return QStringLiteral("Update tab_PhoneBook set ") + set.join(QLatin1Char(',')) + keyCondition(loaded, false);
}

QString deleteContactStatement(const ContactKey& key)
{
    return QStringLiteral("Delete From tab_PhoneBook") + keyCondition(key, false);
}

QString stationCodesStatement()
{
    return QStringLiteral("Select Distinct StationCode from tab_PhoneBook order by StationCode");
}

QString branchNamesStatement(const QString& stationCode)
{
    return QStringLiteral("Select Distinct BranchName from tab_PhoneBook where StationCode=") + quoted(stationCode)
           + QStringLiteral(" Order By BranchName");
}

QString stationContactsStatement(const QString& stationCode, const QString& branchName)
{
    QString sql = QStringLiteral("Select * from tab_PhoneBook Where StationCode=") + quoted(stationCode);
    if (!runtime::Trim(branchName).isEmpty())
        sql += QStringLiteral(" And BranchName=") + quoted(branchName);
    return sql;
}

} // namespace phonebook
