#pragma once

#include <QString>

// Where the installation lives. An installation is one folder (the installation root): it holds the
// server folders under "servers/", and it is the program folder (export folder, background picture).
namespace paths {

// The root: the environment variable QUORVEL_ROOT, else "quorvel" in the user's data directory.
QString installationRoot();
// The folder holding one folder per database server.
QString serversFolder();
// A path inside the program folder.
QString programPath(const QString& relative);

// Maps a Windows path the program reads or composes into the installation root: "C:\NVX\a.ini"
// becomes <root>/C/NVX/a.ini and "\\host\share\x" <root>/UNC/host/share/x; a relative path lies in
// the root. Each existing component is matched case-insensitively, as Windows would.
QString mapWindowsPath(const QString& windowsPath);

// The entry of folder whose name equals name case-insensitively (an exact match first), or "".
QString findEntryNoCase(const QString& folder, const QString& name);

} // namespace paths
