#pragma once

#include <QString>

// The statements of the login: the user's check and the user's category, on the administration
// database. The typed texts are quoted (db::sqlQuote): an apostrophe can neither break the
// statement nor log in.
namespace core {

// The user's name and branch where both the name and the password match.
QString loginStatement(const QString& userName, const QString& password);
// The user's category and permissions.
QString userCategoryStatement(const QString& userName);

} // namespace core
