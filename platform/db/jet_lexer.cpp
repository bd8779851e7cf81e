#include "jet_lexer.h"

#include "jet_date.h"

#include <cstring>
#include <optional>

namespace dao {
namespace {

// Compared in place, without regard to case: a filter is read for every
// find, and hashing each word cost more than the rest of the reading.
constexpr QLatin1StringView kKeywords[] = {
    QLatin1StringView("AND"),   QLatin1StringView("OR"),     QLatin1StringView("NOT"),
    QLatin1StringView("LIKE"),  QLatin1StringView("IS"),     QLatin1StringView("NULL"),
    QLatin1StringView("TRUE"),  QLatin1StringView("FALSE"),  QLatin1StringView("YES"),
    QLatin1StringView("NO"),    QLatin1StringView("SELECT"), QLatin1StringView("FROM"),
    QLatin1StringView("WHERE"), QLatin1StringView("ORDER"),  QLatin1StringView("BY"),
    QLatin1StringView("ASC"),   QLatin1StringView("DESC"),   QLatin1StringView("DELETE"),
};

std::optional<QLatin1StringView> keywordOf(QStringView word)
{
    for (QLatin1StringView keyword : kKeywords) {
        if (word.size() == keyword.size() && word.compare(keyword, Qt::CaseInsensitive) == 0)
            return keyword;
    }
    return std::nullopt;
}

class Lexer {
public:
    explicit Lexer(const QString& text) : text_(text) {}

    std::vector<Token> run()
    {
        std::vector<Token> tokens;
        tokens.reserve(size_t(text_.size() / 4 + 2));
        while (true) {
            skipBlanks();
            Token token;
            token.start = pos_;
            if (pos_ >= text_.size()) {
                token.end = pos_;
                tokens.push_back(token);
                return tokens;
            }
            read(token);
            token.end = pos_;
            tokens.push_back(std::move(token));
        }
    }

private:
    void skipBlanks()
    {
        while (pos_ < text_.size() && text_[pos_].isSpace())
            ++pos_;
    }

    void read(Token& token)
    {
        const QChar c = text_[pos_];
        if (c == u'[')
            return readBracketName(token);
        if (c == u'\'' || c == u'"')
            return readString(token, c);
        if (c == u'#')
            return readDate(token);
        if (isJetDigit(c) || (c == u'.' && pos_ + 1 < text_.size() && isJetDigit(text_[pos_ + 1])))
            return readNumber(token);
        if (isJetNameStart(c))
            return readWord(token);
        readSymbol(token);
    }

    void readBracketName(Token& token)
    {
        const int close = text_.indexOf(u']', pos_ + 1);
        if (close < 0 || QStringView(text_).mid(pos_ + 1, close - pos_ - 1).contains(u'['))
            throw SyntaxFailure{SyntaxProblem::MissingBracket};
        token.type = TokenType::Name;
        token.text = text_.mid(pos_ + 1, close - pos_ - 1);
        pos_ = close + 1;
    }

    void readString(Token& token, QChar quote)
    {
        QString value;
        int from = pos_ + 1;
        while (true) {
            const int close = text_.indexOf(quote, from);
            if (close < 0)
                throw SyntaxFailure{SyntaxProblem::BadString};
            value += QStringView(text_).mid(from, close - from);
            if (close + 1 < text_.size() && text_[close + 1] == quote) {
                value += quote; // a doubled delimiter stands for itself
                from = close + 2;
                continue;
            }
            token.type = TokenType::String;
            token.text = value;
            pos_ = close + 1;
            return;
        }
    }

    void readDate(Token& token)
    {
        const int close = text_.indexOf(u'#', pos_ + 1);
        if (close < 0)
            throw SyntaxFailure{SyntaxProblem::BadDate};
        const auto date = parseJetDate(QStringView(text_).mid(pos_ + 1, close - pos_ - 1));
        if (!date)
            throw SyntaxFailure{SyntaxProblem::BadDate};
        token.type = TokenType::Date;
        token.date = *date;
        token.text = text_.mid(pos_ + 1, close - pos_ - 1);
        pos_ = close + 1;
    }

    void readNumber(Token& token)
    {
        const int begin = pos_;
        while (pos_ < text_.size() && isJetDigit(text_[pos_]))
            ++pos_;
        if (pos_ < text_.size() && text_[pos_] == u'.') {
            ++pos_;
            while (pos_ < text_.size() && isJetDigit(text_[pos_]))
                ++pos_;
        }
        // "12abc" or "1.2.3" is no number.
        if (pos_ < text_.size() && (isJetNamePart(text_[pos_]) || text_[pos_] == u'.'))
            throw SyntaxFailure{SyntaxProblem::BadNumber};
        token.type = TokenType::Number;
        token.text = text_.mid(begin, pos_ - begin);
    }

    void readWord(Token& token)
    {
        const int begin = pos_;
        while (pos_ < text_.size() && isJetNamePart(text_[pos_]))
            ++pos_;
        const QStringView word = QStringView(text_).mid(begin, pos_ - begin);
        if (const auto keyword = keywordOf(word)) {
            token.type = TokenType::Keyword;
            token.text = *keyword;
        } else {
            token.type = TokenType::Name;
            token.text = word.toString();
        }
    }

    void readSymbol(Token& token)
    {
        static const char* const kTwo[] = {"<>", "<=", ">="};
        for (const char* two : kTwo) {
            if (QStringView(text_).mid(pos_, 2) == QLatin1String(two)) {
                token.type = TokenType::Symbol;
                token.text = QLatin1String(two);
                pos_ += 2;
                return;
            }
        }
        const QChar c = text_[pos_];
        if (c.unicode() < 128 && std::strchr("=<>(),*;-+", char(c.unicode())) && c != u'\0') {
            token.type = TokenType::Symbol;
            token.text = c;
            ++pos_;
            return;
        }
        throw SyntaxFailure{SyntaxProblem::MissingOperator};
    }

    const QString& text_;
    int pos_ = 0;
};

} // namespace

bool Token::isKeyword(const char* word) const
{
    return type == TokenType::Keyword && text == QLatin1String(word);
}

bool Token::isSymbol(const char* symbol) const
{
    return type == TokenType::Symbol && text == QLatin1String(symbol);
}

std::vector<Token> tokenize(const QString& text)
{
    return Lexer(text).run();
}

} // namespace dao
