#pragma once

#include "platform/db/DbError.h"

#include <QStringList>

struct sqlite3;

namespace db {

// Which databases a statement reaches. A table named without a database is the connection's own,
// whatever else is attached: where the connection's own database has no such table, SQLite would
// look for it in every attached database in turn (another month's, say), and a statement bound so,
// when prepared or prepared again after the schema changed, is refused as if the table did not
// exist. A database the statement names itself is reached as named.
class NameScope {
public:
    // Watches every statement the connection prepares.
    static void watch(sqlite3* db);

    // While it lives, the statements prepared or stepped on this thread name these attached
    // databases (their schema names); outside every Use nothing is refused.
    class Use {
    public:
        explicit Use(const QStringList& named);
        ~Use();
        Use(const Use&) = delete;
        Use& operator=(const Use&) = delete;

    private:
        const QStringList* m_outer;
    };

    // The failure of the statement that SQLite refused last on this thread for the watch.
    static DbError refusal();
};

} // namespace db
