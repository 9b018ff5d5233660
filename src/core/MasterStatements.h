#pragma once

#include <QList>
#include <QString>

// The single-table statements of the table class: the rows of a table narrowed by key fields,
// each value quoted (db::sqlQuote).
namespace core {

// A key field and the value it must have.
struct MasterKey {
    QString field;
    QString value;
};

// Without keys every field of every row; with keys the key fields of the rows that have them.
QString existsStatement(const QString& table, const QList<MasterKey>& keys);
// Every field of the rows that have the keys (none: every row), in the given order (empty: none).
QString recordInfoStatement(const QString& table, const QString& orderBy, const QList<MasterKey>& keys);
// The deletion of the rows that have the keys; the caller gives at least one.
QString deleteStatement(const QString& table, const QList<MasterKey>& keys);

} // namespace core
