#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <stdexcept>

// Lays out a new installation: what the database server's own tools do for a real branch.
namespace installer {

// The names a new installation uses.
struct Names {
    static constexpr const char* kStation = "ZEL";
    static constexpr const char* kBranchServer = "ZELSERVER";
    static constexpr const char* kHeadOfficeServer = "KWDHO";
    // The head office as the branch server's linked server: its name (the settings row 'HO SERVER')
    // and the port the statements add to it.
    static constexpr const char* kHeadOfficeLink = "KWDHO,2301";
    static constexpr const char* kAdminDatabase = "ZELAdminConfig";
    static constexpr const char* kTrackingDatabase = "Tracking";
    static constexpr const char* kPhoneBookDatabase = "ZELADMINDB";
    static constexpr const char* kHeadOfficeDatabase = "KWD32Server";
    static constexpr const char* kConfigFile = "C:\\NVX\\NVX_ZEL_CONFIG.ini";
};

class InstallError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The month database of a date: station + upper-case month abbreviation + two-digit year.
QString monthDatabaseName(const QDate& date);
// The month databases a new installation has: the month of today and the two before it, newest first.
QStringList initialMonths(const QDate& today);

// Creates an installation in root, which must not exist or be an empty folder: the branch server
// with empty administration, tracking, phone-book and month databases, the head-office server and
// its link, the configuration file, the windows' background picture, and printer.ini naming the
// print-to-PDF printer. Builds in a work folder of its own making beside root and moves it in place
// only when complete, so a failure leaves nothing behind and removes nothing it did not make.
// Throws InstallError.
void createInstallation(const QString& root, const QDate& today);

// Writes the program folder's window background "BackScreen.jpg" (a plain gradient). Throws InstallError.
void writeBackgroundPicture(const QString& root);

// The folder of a server of the installation in root, and the file of a database in a server folder.
QString serverFolder(const QString& root, const char* server);
QString databasePath(const QString& folder, const QString& database);

// Creates one database file from a schema resource (":/schema/<name>.sql"). Throws InstallError.
void createDatabase(const QString& file, const QString& schemaName);

} // namespace installer
