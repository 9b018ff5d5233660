#pragma once

#include <QString>

// The statements start-up reads its settings with, on the administration database, and the
// server's clock on the month database.
namespace core {

QString companyStatement();
QString mainBranchStatement();
// The program's own settings (software QUERY).
QString settingsStatement();
// The addresses of the image server, in the configuration database.
QString imageServerStatement();
// The server's date as yyyy-mm-dd, and its date and time.
QString serverDateStatement();
QString serverDateTimeStatement();

} // namespace core
