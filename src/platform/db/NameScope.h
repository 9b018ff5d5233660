#pragma once

#include "platform/db/DbError.h"
#include "platform/db/WrittenNames.h"

struct sqlite3;

namespace db {

// Which databases a statement reaches. A table named without a database is the connection's own
// (or one of its temporary tables), whatever else is attached or the statement names: where the
// connection has no such table, SQLite would look for it in every attached database in turn
// (another month's, say). Such a statement is refused as if the table did not exist, before it is
// prepared and when SQLite prepares it again after the schema changed. A table the statement
// names with a database is reached as named.
class NameScope {
public:
    // Watches every statement the connection prepares.
    static void watch(sqlite3* db);

    // While it lives, the statements prepared or stepped on this thread name these tables; outside
    // every Use nothing is refused.
    class Use {
    public:
        explicit Use(const WrittenNames& names);
        ~Use();
        Use(const Use&) = delete;
        Use& operator=(const Use&) = delete;

    private:
        const WrittenNames* m_outer;
    };

    // Before the statement of the Use is prepared: refuses a table it names without a database
    // that the connection does not have, so that what SQLite would say of it (an unknown column,
    // say, of a table found elsewhere) does not depend on what the connection has attached.
    static void refuseTablesNotOwn(sqlite3* db);

    // The failure of the statement that SQLite refused last on this thread for the watch.
    static DbError refusal();
};

} // namespace db
