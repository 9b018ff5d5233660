#include "platform/runtime/Strings.h"

#include "platform/runtime/RuntimeError.h"

namespace runtime {
namespace {

void requireNotNegative(qsizetype length)
{
    if (length < 0)
        throw RuntimeError(ErrorNumber::InvalidProcedureCall);
}

} // namespace

QString Trim(const QString& text)
{
    return RTrim(LTrim(text));
}

QString LTrim(const QString& text)
{
    qsizetype first = 0;
    while (first < text.size() && text[first] == u' ')
        ++first;
    return text.mid(first);
}

QString RTrim(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    return text.left(end);
}

QString UCase(const QString& text)
{
    return text.toUpper();
}

QString LCase(const QString& text)
{
    return text.toLower();
}

QString Left(const QString& text, qsizetype length)
{
    requireNotNegative(length);
    return text.left(length);
}

QString Right(const QString& text, qsizetype length)
{
    requireNotNegative(length);
    return text.right(length);
}

QString Mid(const QString& text, qsizetype start)
{
    return Mid(text, start, text.size());
}

QString Mid(const QString& text, qsizetype start, qsizetype length)
{
    if (start < 1)
        throw RuntimeError(ErrorNumber::InvalidProcedureCall);
    requireNotNegative(length);
    if (start > text.size())
        return QString();
    return text.mid(start - 1, length);
}

qsizetype Len(const QString& text)
{
    return text.size();
}

qsizetype InStr(const QString& text, const QString& find)
{
    return InStr(1, text, find);
}

qsizetype InStr(qsizetype start, const QString& text, const QString& find)
{
    if (start < 1)
        throw RuntimeError(ErrorNumber::InvalidProcedureCall);
    if (text.isEmpty() || start > text.size())
        return 0;
    if (find.isEmpty())
        return start;
    return text.indexOf(find, start - 1) + 1;
}

} // namespace runtime
