#pragma once

#include <QString>

namespace runtime {

// Trim, LTrim, RTrim remove spaces only (tabs and line breaks stay).
QString Trim(const QString& text);
QString LTrim(const QString& text);
QString RTrim(const QString& text);
QString UCase(const QString& text);
QString LCase(const QString& text);
// Left, Right: at most length characters; a negative length raises InvalidProcedureCall.
QString Left(const QString& text, qsizetype length);
QString Right(const QString& text, qsizetype length);
// Mid: from the 1-based start (past the end gives ""); start < 1 or length < 0 raise InvalidProcedureCall.
QString Mid(const QString& text, qsizetype start);
QString Mid(const QString& text, qsizetype start, qsizetype length);
qsizetype Len(const QString& text);
// InStr: 1-based, case-sensitive, 0 when absent or start is past the end, an empty find gives start.
qsizetype InStr(const QString& text, const QString& find);
qsizetype InStr(qsizetype start, const QString& text, const QString& find);

} // namespace runtime
