#include "podquery/FindStatements.h"

#include "platform/db/SqlText.h"

namespace podquery {

FindMode findModeOf(const QString& modeText)
{
    const QString mode = modeText.trimmed();
    if (mode == QLatin1String("Cash"))
        return FindMode::Cash;
    if (mode == QLatin1String("Credit"))
        return FindMode::Credit;
    return FindMode::Any;
}

QString partyCodesStatement(const QDate& bookingDate, bool everyBranch, const QString& branchCode)
{
    QString sql = QStringLiteral("Select Distinct PartyCode,FromAddress1 as PartyName From Invoice Where BookingDate=")
                  + db::sqlDate(bookingDate) + QStringLiteral(" And TransactionMode='Acct. Party'");
    if (!everyBranch)
        sql += QStringLiteral(" And BranchCode=") + db::sqlQuote(branchCode);
    return sql + QStringLiteral(" Order By PartyCode");
}

QString partyItemText(const QString& code, const QString& name)
{
    return code.leftJustified(10, QLatin1Char(' '), true) + QLatin1Char('-')
           + name.leftJustified(30, QLatin1Char(' '), true);
}

QString likePrefixPattern(const QString& text)
{
    QString pattern;
    pattern.reserve(text.size() + 1);
    for (const QChar c : text) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('['))
            pattern += QLatin1Char('[') + c + QLatin1Char(']');
        else
            pattern += c;
    }
    return pattern + QLatin1Char('%');
}

QString findStatement(const QDate& bookingDate, FindMode mode, const std::optional<QString>& partyCode,
                      const QString& namePrefix)
{
    QString sql = QStringLiteral("Select BookingDate,ConsignmentNo,ToAddress1 From Invoice Where CancelStatus=0 And "
                                 "BookingDate=")
                  + db::sqlDate(bookingDate);
    switch (mode) {
    case FindMode::Cash: sql += QStringLiteral(" And TransactionMode='Paid'"); break;
    case FindMode::Credit: sql += QStringLiteral(" And TransactionMode='Acct. Party'"); break;
    case FindMode::Any: break;
    }
    if (mode == FindMode::Credit) {
        if (partyCode)
            sql += QStringLiteral(" And PartyCode=") + db::sqlQuote(*partyCode);
    } else {
        sql += QStringLiteral(" And ToAddress1<>''");
    }
    if (!namePrefix.isEmpty())
        sql += QStringLiteral(" And ToAddress1 like ") + db::sqlQuote(likePrefixPattern(namePrefix));
    return sql + QStringLiteral(" Order By ToAddress1");
}

} // namespace podquery
