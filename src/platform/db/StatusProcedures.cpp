#include "platform/db/StatusProcedures.h"

#include "platform/db/DbError.h"
#include "platform/db/Engine.h"
#include "platform/db/MonthDatabases.h"
#include "platform/db/SqlText.h"

#include <QLocale>
#include <QRegularExpression>

// Where the work table's columns come from, for each uncancelled booking (Invoice row):
// - BookingDate, ConsignmentNo, CityCode, Weight: the booking's own; Destination, PartyCode,
//   Branch_Code (its BranchCode) and TransactionMode likewise, a missing value as empty text.
// - PartyName: for an account party's booking the consignor's first address line (FromAddress1),
//   the name the party books under, the month databases keeping no party register of their own;
//   for a walk-in sender's booking (party code CASH) the party code, so that the walk-in senders
//   make one party as their bookings share one code.
// - Reason_Name: the ReasonName (Run_ReasonMaster of the same month) of the reason code of the
//   booking's latest non-delivery report (OutgoingNonDelvy, by TransDate then CreateDate); Null
//   when it has no report, or when the latest report's code has no name.
// - Download_Time: the latest Down_Date of the download runs (tbl_RO_Download_Log) that brought in
//   a runsheet line (RO_DrFile) or a point POD scan (RO_PointPod) of the consignment; Null when
//   it was never downloaded.
// The table holds one row per consignment number (its unique index): a number booked in two of
// the month databases a run reads fails the run, which then changes nothing.
// Each month's rows are read first into the connection's own staging table, one month database at
// a time, and the work table is then replaced with them in one transaction: a run reaches as many
// month databases as its range names, and locks none of them.
namespace db {

namespace {

// The branch's station, whose month databases the procedures read.
const QString kStation = QStringLiteral("ZEL");
const QString kWorkTable = QStringLiteral("ZELADMINCONFIG..tbl_Consignment_Status_Temp");
// The connection's own table the runs stage their rows in.
const QString kStaging = QStringLiteral("temp.qv_status_rows");

// Each column of the work table, in its order, and what fills it from a booking (alias I) of a month
// database: %1 stands for the database's name and "..", %2 for the booking's number as text.
struct ColumnSource {
    const char* column;
    const char* source;
};
const ColumnSource kColumnSources[] = {
    {"BookingDate", "I.BookingDate"},
    {"ConsignmentNo", "I.ConsignmentNo"},
    {"CityCode", "I.CityCode"},
    {"Destination", "ISNULL(I.Destination,'')"},
    {"PartyCode", "ISNULL(I.PartyCode,'')"},
    {"PartyName", "CASE WHEN I.PartyCode='CASH' THEN I.PartyCode ELSE ISNULL(I.FromAddress1,'') END"},
    {"Branch_Code", "ISNULL(I.BranchCode,'')"},
    {"Weight", "I.Weight"},
    {"Reason_Name", "(SELECT R.ReasonName FROM %1Run_ReasonMaster R WHERE R.ReasonCode=(SELECT TOP 1 O.ReasonCode "
                    "FROM %1OutgoingNonDelvy O WHERE O.ConsignmentNo=I.ConsignmentNo "
                    "ORDER BY O.TransDate DESC,O.CreateDate DESC))"},
    {"Download_Time", "(SELECT MAX(L.Down_Date) FROM ZELADMINCONFIG..tbl_RO_Download_Log L WHERE L.Tran_Id IN "
                      "(SELECT F.Tran_Id FROM ZELADMINCONFIG..RO_DrFile F WHERE F.CNo=%2 "
                      "UNION ALL SELECT P.Tran_Id FROM ZELADMINCONFIG..RO_PointPod P WHERE P.CNo=%2))"},
    {"TransactionMode", "ISNULL(I.TransactionMode,'')"},
};

// The columns (&ColumnSource::column) or their sources (&ColumnSource::source), comma-separated.
QString joined(const char* ColumnSource::*part)
{
    QStringList parts;
    for (const ColumnSource& c : kColumnSources)
        parts << QLatin1String(c.*part);
    return parts.join(u',');
}

const QString kColumns = joined(&ColumnSource::column);

[[noreturn]] void refuse(const QString& message) { throw DbError(DbErrorKind::Provider, message); }

QDate dateArgument(const QVariant& argument)
{
    const QDate date = QDate::fromString(argument.toString().trimmed(), Qt::ISODate);
    if (!date.isValid())
        refuse(QStringLiteral("Conversion failed when converting date and/or time from character string."));
    return date;
}

qint64 numberArgument(const QVariant& argument)
{
    bool ok = false;
    const qint64 number = argument.toString().trimmed().toLongLong(&ok);
    if (!ok)
        refuse(QStringLiteral("Error converting data type varchar to bigint."));
    return number;
}

// "Dec26" (English, any case) -> the first of that month.
QDate monthArgument(const QVariant& argument)
{
    static const QRegularExpression shape(QStringLiteral("^([A-Za-z]{3})(\\d{2})$"));
    const QRegularExpressionMatch match = shape.match(argument.toString().trimmed());
    const QLocale english(QLocale::English);
    if (match.hasMatch())
        for (int month = 1; month <= 12; ++month)
            if (english.monthName(month, QLocale::ShortFormat).compare(match.captured(1), Qt::CaseInsensitive) == 0)
                return QDate(kFirstMonthDatabaseYear + match.captured(2).toInt(), month, 1);
    refuse(QStringLiteral("'%1' names no month.").arg(argument.toString()));
}

// The INSERT of the staged rows from the bookings of one month database that meet the condition
// (on the booking, alias I).
QString statusRowsInsert(const QString& monthDatabase, const QString& bookingCondition)
{
    static const QString sources = joined(&ColumnSource::source);
    return QStringLiteral("INSERT INTO ") + kStaging + QStringLiteral(" (") + kColumns + QStringLiteral(") SELECT ")
           + sources.arg(monthDatabase + QStringLiteral(".."), QStringLiteral("CAST(I.ConsignmentNo AS varchar(14))"))
           + QStringLiteral(" FROM ") + monthDatabase + QStringLiteral("..Invoice I WHERE I.CancelStatus=0 AND ")
           + bookingCondition;
}

// Whether the branch server has the month database.
bool monthDatabaseExists(Engine& engine, const QString& monthDatabase)
{
    try {
        engine.query(QStringLiteral("SELECT COUNT(*) FROM ") + monthDatabase + QStringLiteral("..Invoice WHERE 1=0"));
        return true;
    } catch (const DbError& e) {
        if (e.kind() == DbErrorKind::DatabaseNotFound)
            return false;
        throw;
    }
}

// Stages the rows of the inserts, then replaces the work table's rows with them, all or nothing.
void replaceWorkTable(Engine& engine, const QStringList& inserts)
{
    engine.execute(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS ") + kStaging + QStringLiteral(" (") + kColumns
                   + QStringLiteral(")"));
    const auto emptyStaging = [&] { engine.execute(QStringLiteral("DELETE FROM ") + kStaging); };
    emptyStaging();
    try {
        for (const QString& insert : inserts)
            engine.execute(insert);
        engine.beginTransaction(Engine::TransactionLock::FirstWrite);
        try {
            engine.execute(QStringLiteral("DELETE FROM ") + kWorkTable);
            engine.execute(QStringLiteral("INSERT INTO ") + kWorkTable + QStringLiteral(" (") + kColumns
                           + QStringLiteral(") SELECT ") + kColumns + QStringLiteral(" FROM ") + kStaging);
            engine.commitTransaction();
        } catch (...) {
            engine.rollbackTransaction();
            throw;
        }
    } catch (...) {
        emptyStaging();
        throw;
    }
    emptyStaging();
}

// The bookings of a range of booking dates, from every month database the range reaches that
// the server has.
ResultSet byBookingDates(Engine& engine, const QVariantList& arguments)
{
    const QDate from = dateArgument(arguments.value(0));
    const QDate to = dateArgument(arguments.value(1));
    if (from > to)
        refuse(QStringLiteral("The From date is later than the To date."));
    // a month of another century would read the database of this century's month of its name
    if (!inMonthDatabaseYears(from) || !inMonthDatabaseYears(to))
        refuse(QStringLiteral("The month databases hold the years %1 to %2 only.")
                   .arg(kFirstMonthDatabaseYear)
                   .arg(kLastMonthDatabaseYear));
    QStringList inserts;
    for (QDate month(from.year(), from.month(), 1); month <= to; month = month.addMonths(1)) {
        const QString database = monthDatabaseName(kStation, month);
        if (!monthDatabaseExists(engine, database))
            continue;
        // A month wholly in the range takes every booking: read straight through, without the
        // date index's visit per booking.
        const bool wholeMonth = from <= month && month.addMonths(1).addDays(-1) <= to;
        inserts << statusRowsInsert(database, wholeMonth ? QStringLiteral("1=1")
                                                         : QStringLiteral("I.BookingDate>=") + sqlDate(from)
                                                               + QStringLiteral(" AND I.BookingDate<")
                                                               + sqlDate(to.addDays(1)));
    }
    replaceWorkTable(engine, inserts);
    return {};
}

// The bookings of a range of consignment numbers in one month ("Dec26").
ResultSet byConsignmentNumbers(Engine& engine, const QVariantList& arguments)
{
    const qint64 from = numberArgument(arguments.value(0));
    const qint64 to = numberArgument(arguments.value(1));
    const QString database = monthDatabaseName(kStation, monthArgument(arguments.value(2)));
    if (from > to)
        refuse(QStringLiteral("The From number is greater than the To number."));
    if (!monthDatabaseExists(engine, database))
        throw DbError::databaseNotFound(database);
    replaceWorkTable(engine, {statusRowsInsert(database, QStringLiteral("I.ConsignmentNo>=%1 AND I.ConsignmentNo<=%2")
                                                            .arg(from)
                                                            .arg(to))});
    return {};
}

} // namespace

QList<std::pair<QString, Procedures::Procedure>> statusProcedures()
{
    return {{QStringLiteral("SP_DRS_Consignment_Status_Det"), byBookingDates},
            {QStringLiteral("SP_DRS_Consignment_Status_Det_CNo"), byConsignmentNumbers}};
}

} // namespace db
