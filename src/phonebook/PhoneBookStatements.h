#pragma once

#include <QDateTime>
#include <QString>

#include <array>

// The statements of the branch phone book over tab_PhoneBook (database ZELADMINDB). Every value
// goes in trimmed and quoted, the dates as the server reads them whatever its language.
namespace phonebook {

// The fifteen columns an entry fills, in the order the insert names them.
enum Column : int {
    StationCode, StationName, BranchName, PersonName, Designation, BrAddress1, BrAddress2, BrAddress3,
    PinCode, CellNo, FaxNo, DOTNo, Email1, Email2, Email3,
};
constexpr int kColumnCount = 15;

// A contact's fifteen values, indexed by Column.
using ContactValues = std::array<QString, kColumnCount>;

// The column's name in the table.
QString columnName(int column);

// The key of a contact: station code and branch name.
struct ContactKey {
    QString stationCode;
    QString branchName;
};

// Every contact, in the server's order.
QString allContactsStatement();
// The contact of a key (trimmed).
QString contactStatement(const ContactKey& key);
// A new contact, with its creator and creation time.
QString insertContactStatement(const ContactValues& values, const QString& user, const QDateTime& now);
// Rewrites the contact that has the values' own key, noting the workstation's user, the user and the time.
QString replaceContactStatement(const ContactValues& values, const QString& windowsUser, const QString& user,
                                const QDateTime& now);
// Rewrites the contact loaded under `loaded` (the key as stored) with the values, which may carry a new key.
QString updateContactStatement(const ContactValues& values, const ContactKey& loaded, const QString& user,
                               const QDateTime& now);
// Removes the contact of the key as shown in the list.
QString deleteContactStatement(const ContactKey& key);

// The station codes that have contacts, in order.
QString stationCodesStatement();
// The branch names of a station, in order.
QString branchNamesStatement(const QString& stationCode);
// The contacts of a station, of one branch when the branch name is not blank.
QString stationContactsStatement(const QString& stationCode, const QString& branchName);

} // namespace phonebook
