#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

// The statements of the POD query window. A number parameter is a consignment number as the
// statements write it (consignment::statementNumber): plain decimal digits, never box text.
// Texts read from the database are quoted with db::sqlQuote; dates go through db::sqlDate and
// db::sqlDateTime.
namespace podquery {

// The booking of a number, by its consignment number or its pro-consignment number.
QString bookingStatement(const QString& number);
// The booking's further columns shown in the detail grid, one row by consignment number. Mobile
// numbers are masked unless the installation is the central one.
QString bookingDetailStatement(const QString& number, bool centralMode);
// The administration's row of a branch code.
QString branchStatement(const QString& branchCode);

// The outgoing manifest lines of the number, and of its pro-consignment number when it has one
// (proNumber "0" or empty: none).
QString manifestLinesStatement(const QString& number, const QString& proNumber);
// The number's non-delivery reports in transaction date order.
QString outgoingNonDeliveryStatement(const QString& number);
// The number's manifest returns in entry and received date order.
QString manifestReturnsStatement(const QString& number);
// The number's incoming manifest lines of the station, from the manifests and from the OTC
// manifests.
QString incomingManifestLinesStatement(const QString& number, const QString& stationCode);
QString incomingOtcLinesStatement(const QString& number, const QString& stationCode);

// The head office's rows of the station ZEL for a number, read through the branch server's link
// to the head office's tracking database. server: the head office's server name from the
// settings (bracketed as one name); number: the typed text, trimmed, compared as text.
// Its delivery records with their status descriptions, in delivery time order.
QString headOfficeDeliveriesStatement(const QString& server, const QString& number);
// Its inbound consignment scans.
QString headOfficeInboundScansStatement(const QString& server, const QString& number);
// Its point-to-point scans.
QString headOfficePointScansStatement(const QString& server, const QString& number);
// The OTC scans whose manifest number is the number.
QString headOfficeOtcScansStatement(const QString& server, const QString& number);

// The scanned POD documents registered for the number and moved to the document store.
QString scannedDocumentStatement(const QString& number);

// One POD enquiry as the query log keeps it. Values read from the database stay QVariants: a
// Null one is written as NULL.
struct OutgoingLogEntry {
    QDate queryDate;   // the server's date
    QDateTime created; // the server's date and time
    QString number;    // as the statements write it
    QString monthDatabase;
    QString deliveryStatus; // "D" or "N"
    QString statusText;     // trimmed
    QString branchName;     // trimmed
    QString computerName;
    QString userName;
    // The booking.
    QVariant bookingDate;
    QVariant cityCode;
    QVariant destination;
    QVariant region;
    QVariant bookingMode;
    QVariant transactionMode;
    QString partyCode;
    double weight = 0;
    // The last outgoing manifest line shown; used only when one was shown.
    bool manifestFound = false;
    QVariant manifestOrigin;
    QVariant manifestDate;
    QString manifestNo; // written as a number; NULL when it is none
    QVariant manifestDestination;
};

// The log row of an enquiry, of query type OUTGOING: with the manifest line's values when one was
// shown, else with the station's own code as origin and without them.
QString outgoingLogStatement(const OutgoingLogEntry& entry);

} // namespace podquery
