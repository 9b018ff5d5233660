#pragma once

#include <QString>

// The statements on the head office's own tracking database, read through the branch server's
// link to it. server: the head office's server name from the settings (bracketed as one name);
// number: the consignment number as typed, trimmed here and compared as text, leading zeros included.
namespace consignment {

// What stands before a head-office table's name: the link to the head office's server, bracketed
// as one name, and the tracking database.
QString headOfficeTablePrefix(const QString& server);

// The delivery runsheet entries of the number with their status descriptions.
QString headOfficeRunsheetStatement(const QString& server, const QString& number);
// The office scans of the number.
QString headOfficeScanStatement(const QString& server, const QString& number);
// The point-to-point scans of the number.
QString headOfficePointStatement(const QString& server, const QString& number);
// The over-the-counter scans whose manifest number is the number.
QString headOfficeCounterStatement(const QString& server, const QString& number);

} // namespace consignment
