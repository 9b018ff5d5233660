#pragma once

#include "platform/db/TsqlTokenizer.h"

#include <QString>
#include <vector>

// What the rewriting passes share over the tokens of a statement.
namespace db {

using Tokens = std::vector<Token>;

constexpr size_t kUnmatched = size_t(-1);

inline Token word(const QString& text) { return {Token::Word, text}; }
inline Token punct(const QString& text) { return {Token::Punct, text}; }

inline bool isName(const Token& t) { return t.kind == Token::Word || t.kind == Token::Identifier; }

// For every parenthesis the index of its partner, and for every CASE and END that of theirs, either
// way (kUnmatched when there is none); parentheses and CASE ... END are matched each on their own.
std::vector<size_t> partners(const Tokens& t);

} // namespace db
