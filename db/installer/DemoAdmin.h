#pragma once

#include <QDate>
#include <QStringList>

namespace installer {
class DemoDatabase;
} // namespace installer

namespace installer::demo {

// The administration rows of the demo branch: company, branches and sub-branches, settings, the
// POD image server, users and the registered workstations.
void writeAdministration(DemoDatabase& admin);
// The branch phone book: a few contacts of every station.
void writePhoneBook(DemoDatabase& phoneBook, const QDate& today);
// The head office's delivery status codes.
void writeStatusCodes(DemoDatabase& headOffice);

// The workstations registered in force: this computer by each name the program may give it
// (computername, else COMPUTERNAME, else the host name; upper-cased, the register ignores case)
// and the counter workstations the entries name.
QStringList registeredWorkstations();
// A workstation whose registration was withdrawn.
inline constexpr const char* kWithdrawnWorkstation = "RETIRED01";

} // namespace installer::demo
