#pragma once

#include <QString>

// The statements of the older POD enquiry window that the POD query window does not share
// (PodQueryStatements.h has the others). A number parameter is a consignment number as the
// statements write it (consignment::statementNumber).
namespace podquery {

// The booking of a number by its own consignment number only.
QString labelBookingStatement(const QString& number);

} // namespace podquery
