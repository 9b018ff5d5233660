#include "reports/CustomerCareStatements.h"

#include "platform/db/SqlText.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Strings.h"

namespace reports {

namespace {

// "<keyword>'<value>'" when the trimmed choice is not empty.
QString choiceClause(const QString& keyword, const QString& choice)
{
    const QString value = runtime::Trim(choice);
    return value.isEmpty() ? QString() : keyword + db::sqlQuote(value);
}

// The invoice conditions every statement shares: the range, uncancelled, priority.
QString priorityBookings(const CareChoices& choices)
{
    return QStringLiteral("BookingDate>=") + db::sqlDate(choices.fromDate) + QStringLiteral(" And BookingDate<=")
           + db::sqlDate(choices.toDate) + QStringLiteral(" And CancelStatus=0 And CC_Priority=1");
}

// The conditions of the lists up to (not including) the given one.
QString choicesBefore(CareList list, const CareChoices& choices)
{
    QString sql;
    if (list > CareList::Branches)
        sql += choiceClause(QStringLiteral(" And BranchCode="), choices.branch);
    if (list > CareList::TransactionModes)
        sql += choiceClause(QStringLiteral(" And TransactionMode="), choices.transactionMode);
    if (list > CareList::Destinations)
        sql += choiceClause(QStringLiteral(" And Destination="), choices.destination);
    return sql;
}

QString dayAndMonth(const QDate& date) { return runtime::Format(date, QStringLiteral("DD-MMM")); }

// Characters a file name cannot hold, control characters included, become "_".
QString fileNamePart(const QString& text)
{
    QString part = text;
    for (QChar& c : part)
        if (c.unicode() < 32 || QStringLiteral("\\/:*?\"<>|").contains(c))
            c = u'_';
    return part;
}

} // namespace

QString careListColumn(CareList list)
{
    switch (list) {
    case CareList::Branches: return QStringLiteral("BranchCode");
    case CareList::TransactionModes: return QStringLiteral("TransactionMode");
    case CareList::Destinations:
    case CareList::ManifestDestinations: break;
    }
    return QStringLiteral("Destination");
}

QString careListStatement(CareList list, const CareChoices& choices)
{
    const QString column = careListColumn(list);
    const QString bookings = priorityBookings(choices) + choicesBefore(list, choices);
    if (list == CareList::ManifestDestinations)
        return QStringLiteral("Select Distinct Destination From Manifest Where ConsignmentNo In (Select ConsignmentNo From "
                              "Invoice Where ")
               + bookings + QStringLiteral(") Order By Destination");
    return QStringLiteral("Select Distinct ") + column + QStringLiteral(" From Invoice Where ") + bookings
           + QStringLiteral(" Order By ") + column;
}

QString careReportStatement(const CareChoices& choices)
{
    QString sql = QStringLiteral("Select Convert(Varchar(10),BookingDate,105) as BookingDate,ConsignmentNo,CityCode,"
                                 "Destination,PartyCode,FromAddress1,BranchCode,Weight,TransactionMode,Booking_Type"
                                 " From Invoice Where ")
                  + priorityBookings(choices) + choicesBefore(CareList::ManifestDestinations, choices);
    const QString manifestDestination = runtime::Trim(choices.manifestDestination);
    if (!manifestDestination.isEmpty())
        sql += QStringLiteral(" And CityCode IN (Select Distinct Destination From Manifest Where Destination=")
               + db::sqlQuote(manifestDestination) + u')';
    return sql + QStringLiteral(" Order By BookingDate,ConsignmentNo");
}

QString careWorkbookName(const CareChoices& choices)
{
    return QStringLiteral("CCare_Priority_Rpt_") + fileNamePart(runtime::Trim(choices.destination))
           + dayAndMonth(choices.fromDate) + u'_' + dayAndMonth(choices.toDate);
}

QString careRangeTitle(const CareChoices& choices)
{
    const QString format = QStringLiteral("dd-MMM-yy");
    return QStringLiteral("Customer Care Priority Consignment Nos. Report From Date ")
           + runtime::Format(choices.fromDate, format) + QStringLiteral(" - To Date ")
           + runtime::Format(choices.toDate, format);
}

QString careChoicesTitle(const CareChoices& choices)
{
    QString title;
    if (const QString branch = runtime::Trim(choices.branch); !branch.isEmpty())
        title = QStringLiteral("Branch : ") + branch;
    if (const QString mode = runtime::Trim(choices.transactionMode); !mode.isEmpty())
        title += QStringLiteral(" Tran Mode : ") + mode;
    if (const QString destination = runtime::Trim(choices.destination); !destination.isEmpty())
        title += QStringLiteral(" Destination : ") + destination;
    return title;
}

} // namespace reports
