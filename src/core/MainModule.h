#pragma once

#include <QString>

// The program's start: the single-instance check, the fixed settings, the configuration file, the
// first connection and the workstation name; then start-up proper (StartApplication).
namespace core {

void Main();
// Reads the configuration file, chooses the server (falling back to the alternate) and the
// login, and opens gcnnServer. Ends the program when neither server answers.
void OpenServerConnection();
// The value of a key of a section of an ini file, or "" (the file is created when missing).
QString ReadIniValue(const QString& filePath, const QString& sectionName, const QString& keyName);
// gstrComputerName: the environment's computer name, else the host name (upper-cased).
void LoadComputerName();

} // namespace core
