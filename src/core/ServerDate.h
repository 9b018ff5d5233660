#pragma once

#include <QDate>
#include <QDateTime>

// The database server's clock, read on the month connection gcnnMonth (not the workstation's).
// Database errors (a closed connection) reach the caller.
namespace core {

// Today's date on the server.
QDate GetServerDate();
// The server's date and time of day.
QDateTime GetServerDateTime();

} // namespace core
