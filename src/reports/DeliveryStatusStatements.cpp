#include "reports/DeliveryStatusStatements.h"

#include "platform/db/SqlText.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Strings.h"
#include "platform/runtime/Val.h"

#include <QLocale>

namespace reports {

namespace {

const QString kWorkTable = QStringLiteral(" From ZELADMINCONFIG..tbl_Consignment_Status_Temp");

// "<keyword>'<value>'" when the trimmed choice is not empty.
QString choiceClause(const QString& keyword, const QString& choice)
{
    const QString value = runtime::Trim(choice);
    return value.isEmpty() ? QString() : keyword + db::sqlQuote(value);
}

// The weight's lower bound when the box's number is not 0, as a plain number ("2.5").
QString weightClause(const QString& weight)
{
    const runtime::Number value = runtime::Val(weight);
    if (value.toDouble() == 0)
        return QString();
    return QStringLiteral(" And Weight>=") + runtime::CStr(value.toVariant());
}

// The conditions of the choices up to (not including) the given list; the reason, last of all,
// narrows only the report.
QString choicesBefore(StatusList list, const StatusChoices& choices)
{
    QString sql;
    if (list > StatusList::Branches)
        sql += choiceClause(QStringLiteral(" And Branch_Code="), choices.branch);
    if (list > StatusList::TransactionModes)
        sql += choiceClause(QStringLiteral(" And TransactionMode="), choices.transactionMode);
    if (list > StatusList::Destinations)
        sql += choiceClause(QStringLiteral(" And Destination="), choices.destination);
    if (list > StatusList::Parties)
        sql += choiceClause(QStringLiteral(" And PartyCode="), choices.partyCode) + weightClause(choices.weight);
    return sql;
}

QString downloadTable(StatusDownload download)
{
    return download == StatusDownload::Runsheets ? QStringLiteral("RO_DrFile") : QStringLiteral("RO_PointPod");
}

QString dayAndMonth(const QDate& date) { return runtime::Format(date, QStringLiteral("DD-MMM")); }

} // namespace

QString statusDatesCall(const QDate& from, const QDate& to)
{
    return QStringLiteral("EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det ") + db::sqlDate(from) + u','
           + db::sqlDate(to);
}

QString statusNumbersCall(const QString& fromNumber, const QString& toNumber, const QDate& bookingMonth)
{
    // the month as the month database's name has it: English, whatever the workstation's language
    return QStringLiteral("EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det_CNo ") + fromNumber + QStringLiteral(" ,")
           + toNumber + u',' + db::sqlQuote(QLocale(QLocale::English).toString(bookingMonth, QStringLiteral("MMMyy")));
}

QString statusBookedCountStatement(const QDate& from, const QDate& to)
{
    return QStringLiteral("Select ISNULL(Count(ConsignmentNo),0)") + kWorkTable + QStringLiteral(" WHERE BOOKINGDATE>=")
           + db::sqlDate(from) + QStringLiteral(" AND BOOKINGDATE<=") + db::sqlDate(to);
}

QString statusDownloadedCountStatement(StatusDownload download)
{
    return QStringLiteral("Select ISNULL(Count(Cno),0) From ZELADMINCONFIG..") + downloadTable(download)
           + QStringLiteral(" Where CNo IN (Select convert(varchar(12),ConsignmentNo)") + kWorkTable + u')';
}

QString statusLatestDownloadStatement(StatusDownload download)
{
    return QStringLiteral("Select Top 1 * From ZELADMINCONFIG..tbl_RO_Download_Log Where Down_Type=")
           + (download == StatusDownload::Runsheets ? QStringLiteral("'DRS'") : QStringLiteral("'PTP'"))
           + QStringLiteral(" order by Tran_Id Desc");
}

QString statusListStatement(StatusList list, const StatusChoices& choices)
{
    switch (list) {
    case StatusList::Branches:
        return QStringLiteral("Select Distinct Branch_Code") + kWorkTable + QStringLiteral(" Order By Branch_code");
    case StatusList::TransactionModes:
        return QStringLiteral("Select Distinct TransactionMode") + kWorkTable + QStringLiteral(" Where 1=1")
               + choicesBefore(list, choices) + QStringLiteral(" Order By TransactionMode");
    case StatusList::Destinations:
        return QStringLiteral("Select Distinct Destination") + kWorkTable + QStringLiteral(" Where 1=1")
               + choicesBefore(list, choices) + QStringLiteral(" Order By Destination");
    case StatusList::Parties:
        return QStringLiteral("Select Distinct PartyCode,PartyName") + kWorkTable + QStringLiteral(" Where 1=1")
               + choicesBefore(list, choices) + QStringLiteral(" Order By PARTYNAME,PARTYCODE");
    case StatusList::Reasons: break;
    }
    return QStringLiteral("Select Distinct Reason_Name") + kWorkTable + QStringLiteral(" Where 1=1")
           + choicesBefore(list, choices) + QStringLiteral(" Order By Reason_Name");
}

QString statusReportStatement(const StatusChoices& choices)
{
    // The text date takes the column's name, so the order names the table's own column: dates of
    // different months then sort as dates, not as "dd-mm-yyyy" text.
    return QStringLiteral("Select Convert(Varchar(10),T.BookingDate,105) as BookingDate,ConsignmentNo,CityCode,"
                          "Destination,PartyCode,PartyName,Branch_Code,Weight,Reason_Name,Download_Time")
           + kWorkTable + QStringLiteral(" T Where 1=1") + choicesBefore(StatusList::Reasons, choices)
           + choiceClause(QStringLiteral(" And Reason_Name="), choices.reason)
           + QStringLiteral(" Order By T.BookingDate,T.ConsignmentNo");
}

QString statusWorkbookName(const QDate& from, const QDate& to)
{
    return QStringLiteral("Delivery_Status_Report_") + dayAndMonth(from) + u'_' + dayAndMonth(to);
}

QString statusRangeTitle(const QDate& from, const QDate& to)
{
    const QString format = QStringLiteral("dd-MMM-yy");
    return QStringLiteral("Delivery Status Report From Date ") + runtime::Format(from, format)
           + QStringLiteral(" - To Date ") + runtime::Format(to, format);
}

QString statusChoicesTitle(const QString& branch, const QString& partyItem, const QString& reason)
{
    QString title;
    if (const QString value = runtime::Trim(branch); !value.isEmpty())
        title = QStringLiteral("Branch : ") + value;
    if (!runtime::Trim(partyItem).isEmpty())
        title += QStringLiteral(" Party Name : ") + partyItem;
    if (const QString value = runtime::Trim(reason); !value.isEmpty())
        title += QStringLiteral(" Reason : ") + value;
    return title;
}

} // namespace reports
