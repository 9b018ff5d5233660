#pragma once

#include <QString>

// The shell's opener as the windows call it: a web address or a file is handed to whatever
// program the desktop has registered for it.
namespace shell {

// Result codes as the shell reports them: above 32 the shell took the request.
enum ShellResult : int {
    kFileNotFound = 2,
    kPathNotFound = 3,
    kNoAssociation = 31,
    kOpened = 42,
};

// Opens file with the verb operation ("Open", in any case; an empty verb means the same).
// A text beginning "http:\\", "https:\\", "http://" or "https://" is a web address, its
// backslashes read as slashes; any other text is a Windows path of the installation
// (paths::mapWindowsPath). A missing file gives kFileNotFound, a missing folder kPathNotFound;
// another verb, or a desktop that cannot open the target, kNoAssociation.
int ShellExecute(const QString& operation, const QString& file);

} // namespace shell
