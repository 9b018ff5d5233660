#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// The head office's query log: each consignment enquiry over the runsheets is written to the
// tracking database and, from a registered workstation, to the administration database.
namespace consignment {

// One enquiry: what was asked, the last runsheet line it showed, who asked and when.
struct QueryLogEntry {
    QDate queryDate;      // the server's date
    QDateTime created;    // the server's date and time
    QString number;       // as the statements write it (statementNumber)
    QString origin;       // trimmed
    QString monthDatabase;
    QDateTime runsheetDate; // of the last line; invalid when it had none
    qint64 runsheetNo = 0;
    QString reasonCode;
    QString statusText;   // the delivery status shown
    qint64 drsNo = 0;
    QString branchCode;
    QString userName;
    QString computerName;
};

// The tracking database's row of the enquiry.
QString trackingLogStatement(const QueryLogEntry& entry);
// The administration database's row of the enquiry, of query type INCOMING.
QString adminLogStatement(const QueryLogEntry& entry);
// The workstation's row among the administration's registered systems that are not cancelled.
QString registeredWorkstationStatement(const QString& computerName);

} // namespace consignment
