#pragma once

#include "platform/db/Procedures.h"

#include <QList>
#include <utility>

// The stored procedures of the branch server's administration database that refill the delivery
// status work table (tbl_Consignment_Status_Temp). They are the server's own: the registry of
// procedures holds them from the start, for every client of the server.
namespace db {

// SP_DRS_Consignment_Status_Det 'yyyy-MM-dd', 'yyyy-MM-dd' and
// SP_DRS_Consignment_Status_Det_CNo <from number>, <to number>, 'MMMyy': each replaces the whole
// work table in one transaction with one row per uncancelled booking, of the month databases the
// booking dates reach or of the named month. Dates outside the years the month databases hold are
// refused before anything is read. Names and procedures.
QList<std::pair<QString, Procedures::Procedure>> statusProcedures();

} // namespace db
