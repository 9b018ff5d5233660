#include "invoice/InvoiceStatement.h"

#include "platform/db/SqlText.h"
#include "platform/runtime/Strings.h"
#include "platform/runtime/Val.h"

#include <algorithm>

namespace invoice {

namespace {

const QString kFields = QStringLiteral(
    "SELECT BookingDate,ConsignmentNo,Destination,FromAddress1,FromAddress2,FromAddress3,FromAddress4,"
    "CASE WHEN ISNUMERIC(FromAddress5)=1 THEN 'XXXXXX' + RIGHT(FROMADDRESS5,4) ELSE FROMADDRESS5 END AS FROMADDRESS5,"
    " ToAddress1,ToAddress2,ToAddress3,ToAddress4,"
    "CASE WHEN ISNUMERIC(TOADDRESS5)=1 THEN 'XXXXXX' + RIGHT(TOADDRESS5,4) ELSE TOADDRESS5 END AS TOADDRESS5,"
    " Region,Weight,Amount,TransactionMode,PartyCode,BranchCode,Pieces,DocumentType,Contain1,Contain2,Contain3,"
    "ContainValue FROM Invoice");

bool allDigits(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// " and <column>='<value>'" when the trimmed value is not empty.
void equalTo(QString& sql, const QString& column, const QString& value)
{
    const QString v = runtime::Trim(value);
    if (!v.isEmpty())
        sql += QStringLiteral(" and ") + column + u'=' + db::sqlQuote(v);
}

// A weight bound as the statement writes it: a plain decimal without trailing zeros ("2.500"
// gives 2.5, "10.000" gives 10).
QString plainDecimal(double value)
{
    QString text = QString::number(value, 'f', 6);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

void weightBound(QString& sql, const QString& comparison, const QString& text)
{
    if (runtime::Trim(text).isEmpty())
        return;
    const double value = runtime::Val(text).toDouble();
    if (value != 0)
        sql += comparison + plainDecimal(value);
}

// The contains-match on the first address line, or on the first two.
void addressContains(QString& sql, const QString& prefix, const QString& text, bool bothLines)
{
    const QString t = runtime::Trim(text);
    if (t.isEmpty())
        return;
    const QString pattern = db::sqlQuote(u'%' + t + u'%');
    if (bothLines)
        sql += QStringLiteral(" and (") + prefix + QStringLiteral("1 like ") + pattern + QStringLiteral(" OR ") + prefix
               + QStringLiteral("2 like ") + pattern + u')';
    else
        sql += QStringLiteral(" and ") + prefix + QStringLiteral("1 like ") + pattern;
}

} // namespace

QString invoiceQueryStatement(const InvoiceFilter& f)
{
    QString sql = kFields + QStringLiteral(" where BookingDate>=") + db::sqlDate(f.fromDate)
                  + QStringLiteral(" and BookingDate<=") + db::sqlDate(f.toDate) + QStringLiteral(" and CancelStatus=0");
    if (!f.centralMode)
        sql += QStringLiteral(" and Booked_Branch=") + db::sqlQuote(runtime::Trim(f.userBranchCode));
    const QString number = runtime::Trim(f.consignNo);
    if (allDigits(number))
        sql += QStringLiteral(" and ConsignmentNo=") + number;
    equalTo(sql, QStringLiteral("TransactionMode"), f.tranMode);
    equalTo(sql, QStringLiteral("Destination"), f.destination);
    equalTo(sql, QStringLiteral("BranchCode"), f.branchCode);
    equalTo(sql, QStringLiteral("PartyCode"), f.partyCode);
    weightBound(sql, QStringLiteral(" And Weight>="), f.weightFrom);
    weightBound(sql, QStringLiteral(" And Weight<="), f.weightTo);
    addressContains(sql, QStringLiteral("FromAddress"), f.partyName, f.searchAddress2);
    addressContains(sql, QStringLiteral("ToAddress"), f.toAddress, f.searchAddress2);
    return sql + QStringLiteral(" order by BookingDate,ConsignmentNo");
}

} // namespace invoice
