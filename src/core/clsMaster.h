#pragma once

#include "core/MasterStatements.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

#include <QString>
#include <memory>
#include <optional>

namespace core {

// A small table-access class: builds one single-table statement (MasterStatements) from a table
// name and key field/value pairs, quotes every value, and runs it on a month connection of its
// own, opened when the instance is made (it stays on that month after a month switch).
class clsMaster {
public:
    clsMaster();  // opens the connection on gstrMonthDB
    ~clsMaster(); // closes it, ignoring errors
    clsMaster(const clsMaster&) = delete;
    clsMaster& operator=(const clsMaster&) = delete;

    // True when the table has a row with the given keys (all keys empty: any row). A gap in the
    // keys is refused with a runtime error; database errors reach the caller.
    bool IsDataExists(const QString& Table, const QString& Field1 = {}, const QString& Value1 = {},
                      const QString& Field2 = {}, const QString& Value2 = {}, const QString& Field3 = {},
                      const QString& Value3 = {}, const QString& Field4 = {}, const QString& Value4 = {});
    // 'Value' with apostrophes doubled, followed by "," unless IsLast.
    QString DataStr(const QString& Value, bool IsLast) const;
    // Field='Value', followed by "," unless IsLast.
    QString DataFieldStr(const QString& Field, const QString& Value, bool IsLast) const;
    // Every field of the rows with the keys, in OrderBy's order (recordInfoStatement); no recordset
    // after a failure.
    std::unique_ptr<db::Recordset> GetRecordInfo(const QString& Table, const QString& OrderBy = {}, const QString& Field1 = {},
                                                 const QString& Value1 = {}, const QString& Field2 = {},
                                                 const QString& Value2 = {});
    // 1 when the deletion of the rows with the keys ran (deleteStatement), 0 when it failed or had no
    // key to delete by.
    int DeleteRecord(const QString& Table, const QString& Field1, const QString& Value1, const QString& Field2 = {},
                     const QString& Value2 = {});

    // The last statement the instance built.
    const QString& lastStatement() const { return m_statement; }

private:
    // The keys given, Field2's only when it is named; none without Field1, nullopt when Field1 is
    // missing but Field2 given.
    static std::optional<QList<MasterKey>> KeysOf(const QString& Field1, const QString& Value1, const QString& Field2,
                                                  const QString& Value2);

    db::Connection m_connection;
    db::Recordset m_recordset;
    QString m_statement;
};

// The shared instance, made on first use.
clsMaster& gobjMaster();
// Closes the shared instance; the next use makes it again, on the month then current.
void ReleaseMaster();

} // namespace core
