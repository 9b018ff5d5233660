#include "podquery/LabelQueryStatements.h"

namespace podquery {

QString labelBookingStatement(const QString& number)
{
    return QStringLiteral("Select * from Invoice where ConsignmentNo=") + number;
}

} // namespace podquery
