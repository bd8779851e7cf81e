// Splits Jet filter and statement texts into tokens: [bracketed] and bare
// names, 'text' or "text" (a doubled delimiter stands for itself), numbers,
// #dates#, keywords and operators.
#pragma once

#include <QDateTime>
#include <QString>

#include <vector>

namespace dao {

enum class TokenType { Name, Keyword, String, Number, Date, Symbol, End };

struct Token {
    TokenType type = TokenType::End;
    QString text; // names and strings unquoted, keywords upper case
    QDateTime date;
    int start = 0; // offsets into the source text
    int end = 0;

    bool isKeyword(const char* word) const;
    bool isSymbol(const char* symbol) const;
};

// What went wrong in a text; the caller words it for its context.
enum class SyntaxProblem {
    MissingOperator,
    BadString,
    BadDate,
    BadNumber,
    MissingBracket,
    ExtraParenthesis,
    BadPattern,
};

struct SyntaxFailure {
    SyntaxProblem problem;
};

// The characters that start and continue a bare name, and a digit. ASCII
// first: the Unicode tables are asked only for other characters.
inline bool isJetAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

inline bool isJetNameStart(QChar c)
{
    return isJetAsciiLetter(c) || c == u'_' || (c.unicode() >= 128 && c.isLetter());
}

inline bool isJetNamePart(QChar c)
{
    return isJetAsciiLetter(c) || (c >= u'0' && c <= u'9') || c == u'_' ||
           (c.unicode() >= 128 && c.isLetterOrNumber());
}

inline bool isJetDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Raises SyntaxFailure on an unterminated string, name or date, a date that
// is not one, or a character that starts no token. The last token is End.
std::vector<Token> tokenize(const QString& text);

} // namespace dao
