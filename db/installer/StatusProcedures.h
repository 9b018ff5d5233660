#pragma once

// The stored procedures the administration database of an installation holds, run by
// "exec <name> <arguments>" on any connection to the branch server.
namespace installer {

// SP_DRS_Consignment_Status_Det 'yyyy-MM-dd', 'yyyy-MM-dd' and
// SP_DRS_Consignment_Status_Det_CNo <from number>, <to number>, 'MMMyy': each replaces the whole
// delivery status work table (tbl_Consignment_Status_Temp) in one transaction with one row per
// uncancelled booking, of the month databases the booking dates reach or of the named month.
// Adding them again replaces them.
void addStatusProcedures();

} // namespace installer
