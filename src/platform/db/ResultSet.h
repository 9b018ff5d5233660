#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace db {

// The rows a query returned, read completely. Values: Null is an invalid QVariant; text QString;
// integers qlonglong; decimals double; flags bool; date-times QDateTime.
struct ResultSet {
    QStringList columns;
    std::vector<std::vector<QVariant>> rows;
};

} // namespace db
