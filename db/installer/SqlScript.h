#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace db {
class Connection;
}

namespace installer {

// The text of a script saved as UTF-8 (a byte-order mark at its start left out). A script holding
// bytes that are not UTF-8 (one saved in a Windows code page) is refused with InstallError naming
// the line and column of the first of them, as running it would store other characters.
QString scriptText(const QByteArray& bytes);

// Splits a script into batches at lines that hold only "GO" (any case), as the server's
// command-line client does; "GO <count>" ends a batch that runs count times (it appears count
// times in the list).
QStringList splitBatches(const QString& script);

// Runs each batch on the connection, every statement of a batch in turn; prints the rows of a batch that returns any, tab-separated
// under a heading line, and "Msg <number>: <description>" for a batch that fails.
// Returns the number of failed batches.
int runScript(db::Connection& connection, const QString& script, QTextStream& out);

} // namespace installer
