#include "invoice/PickListStatements.h"

#include "platform/db/SqlText.h"
#include "platform/runtime/Strings.h"

namespace invoice {

namespace {

// "<keyword>'<value>'" when the trimmed choice is not empty.
QString choiceClause(const QString& keyword, const QString& choice)
{
    const QString value = runtime::Trim(choice);
    return value.isEmpty() ? QString() : keyword + db::sqlQuote(value);
}

struct ListText {
    QString column;
    QString order;
};

ListText textOf(PickList list)
{
    switch (list) {
    case PickList::TranModes: return {QStringLiteral("TransactionMode"), QStringLiteral(" Order By TransactionMode")};
    case PickList::Destinations: return {QStringLiteral("Destination"), QStringLiteral(" Order By Destination")};
    case PickList::PartyCodes: return {QStringLiteral("PartyCode"), QStringLiteral(" Order By PartyCode")};
    case PickList::BranchCodes: break;
    }
    return {QStringLiteral("BranchCode"), QStringLiteral(" Order By  BranchCode")};
}

} // namespace

QString pickListStatement(PickList list, const PickListChoices& choices)
{
    const ListText text = textOf(list);
    QString sql = QStringLiteral("select distinct ") + text.column + QStringLiteral(" from Invoice where BookingDate>=")
                  + db::sqlDate(choices.fromDate) + QStringLiteral(" and BookingDate<=") + db::sqlDate(choices.toDate);
    if (list > PickList::TranModes)
        sql += choiceClause(QStringLiteral(" And TransactionMode="), choices.tranMode);
    if (list > PickList::Destinations)
        sql += choiceClause(QStringLiteral(" And Destination="), choices.destination);
    if (list > PickList::PartyCodes)
        sql += choiceClause(QStringLiteral(" and PartyCode="), choices.partyCode);
    return sql + text.order;
}

} // namespace invoice
