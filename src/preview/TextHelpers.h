#pragma once

#include <QString>

// The page engine's string helpers.
namespace preview {

// Line breaks made blanks, round by round until a round changes nothing: the first carriage return
// becomes a blank; the first line feed is dropped when it starts the text or when that round
// replaced a carriage return, else it becomes a blank (so CR LF gives one blank).
QString removeLineBreaks(const QString& text);
// Without one leading and one trailing double quote, each only when present.
QString stripQuotes(const QString& text);
// Names in formal case: "mcdonald o'brien-smith" gives "McDonald O'Brien-Smith".
QString formalCase(const QString& text);

} // namespace preview
