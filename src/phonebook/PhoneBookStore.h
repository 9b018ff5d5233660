#pragma once

#include "phonebook/PhoneBookStatements.h"

#include "platform/db/Connection.h"

namespace db {
class Recordset;
}

namespace phonebook {

// The phone book's own connection to ZELADMINDB, held by each phone-book window while it is
// loaded, apart from the program's shared connections.
class PhoneBookStore {
public:
    // The connection text: the program's server and login, the phone book's database.
    static QString connectionText();

    // Opens the connection (a failure raises the database's error).
    void open();
    // Closes the connection when it is open; any number of times.
    void close();
    bool isOpen() const { return m_connection.state() == db::ObjectState::Open; }
    db::Connection& connection() { return m_connection; }

    // Opens the recordset on a read of the phone book.
    void read(db::Recordset& rs, const QString& sql);
    // Runs one write in a transaction of its own and returns the rows it changed. A failing write
    // is rolled back before its error reaches the caller, so no later write is left uncommitted.
    qint64 write(const QString& sql);

    // The fifteen values of the current record; a Null reads as empty text.
    static ContactValues contactOf(const db::Recordset& rs);

private:
    db::Connection m_connection;
};

} // namespace phonebook
