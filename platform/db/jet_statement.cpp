#include "jet_statement.h"

#include "dao_error.h"
#include "filter_parser.h"
#include "jet_lexer.h"

namespace dao {
namespace {

constexpr int kTrailingCharacters = 3142;

class StatementParser {
public:
    explicit StatementParser(const QString& sql) : sql_(sql)
    {
        try {
            tokens_ = tokenize(sql);
        } catch (const SyntaxFailure& failure) {
            throwDao(kDaoSyntaxError, syntaxErrorText(failure.problem, sql));
        }
    }

    SelectStatement select()
    {
        SelectStatement s;
        expectKeyword("SELECT", kDaoInvalidStatement);
        if (peek().isSymbol("*")) {
            ++pos_;
        } else {
            do {
                if (peek().type != TokenType::Name)
                    throwDao(kDaoSelectListError);
                s.columns << peek().text;
                ++pos_;
            } while (accept(","));
        }
        expectKeyword("FROM", kDaoSelectListError);
        s.table = tableName();
        s.where = where(s.whereText);
        if (peek().isKeyword("ORDER")) {
            ++pos_;
            expectKeyword("BY", kDaoOrderByClauseError);
            do {
                if (peek().type != TokenType::Name)
                    throwDao(kDaoOrderByClauseError);
                OrderName term{peek().text, false};
                ++pos_;
                if (peek().isKeyword("ASC") || peek().isKeyword("DESC")) {
                    term.descending = peek().isKeyword("DESC");
                    ++pos_;
                }
                s.order.push_back(term);
            } while (accept(","));
        }
        finish();
        return s;
    }

    DeleteStatement remove()
    {
        DeleteStatement s;
        expectKeyword("DELETE", kDaoInvalidStatement);
        accept("*");
        expectKeyword("FROM", kDaoFromClauseError);
        s.table = tableName();
        s.where = where(s.whereText);
        finish();
        return s;
    }

private:
    const Token& peek() const { return tokens_[std::min(pos_, tokens_.size() - 1)]; }

    bool accept(const char* symbol)
    {
        if (!peek().isSymbol(symbol))
            return false;
        ++pos_;
        return true;
    }

    void expectKeyword(const char* word, int error)
    {
        if (!peek().isKeyword(word))
            throwDao(error);
        ++pos_;
    }

    QString tableName()
    {
        if (peek().type != TokenType::Name)
            throwDao(kDaoFromClauseError);
        return tokens_[pos_++].text;
    }

    std::unique_ptr<Expr> where(QString& text)
    {
        if (!peek().isKeyword("WHERE"))
            return nullptr;
        ++pos_;
        const int start = peek().start;
        // The clause runs to ORDER BY or the end; that is what a message quotes.
        int end = sql_.size();
        for (size_t i = pos_; i < tokens_.size(); ++i) {
            if (tokens_[i].isKeyword("ORDER") || tokens_[i].isSymbol(";")) {
                end = tokens_[i].start;
                break;
            }
        }
        text = sql_.mid(start, end - start).trimmed();
        try {
            auto expr = FilterParser(tokens_, pos_).parseExpression();
            if (peek().isSymbol(")"))
                throw SyntaxFailure{SyntaxProblem::ExtraParenthesis};
            if (!peek().isKeyword("ORDER") && !peek().isSymbol(";") &&
                peek().type != TokenType::End)
                throw SyntaxFailure{SyntaxProblem::MissingOperator};
            return expr;
        } catch (const SyntaxFailure& failure) {
            throwDao(kDaoSyntaxError, syntaxErrorText(failure.problem, text));
        }
    }

    void finish()
    {
        accept(";");
        if (peek().type != TokenType::End)
            throwDao(kTrailingCharacters,
                     QStringLiteral("Characters found after end of SQL statement."));
    }

    const QString& sql_;
    std::vector<Token> tokens_;
    size_t pos_ = 0;
};

bool startsWithWord(const QString& text, const char* word)
{
    const QString trimmed = text.trimmed();
    const int n = int(qstrlen(word));
    return trimmed.startsWith(QLatin1String(word), Qt::CaseInsensitive) &&
           (trimmed.size() == n || !(trimmed[n].isLetterOrNumber() || trimmed[n] == u'_'));
}

} // namespace

SelectStatement parseRecordsetSource(const QString& source)
{
    if (startsWithWord(source, "SELECT"))
        return StatementParser(source).select();
    // A table name alone, with or without its brackets.
    SelectStatement s;
    QString name = source.trimmed();
    if (name.startsWith(u'[') && name.endsWith(u']'))
        name = name.mid(1, name.size() - 2);
    if (name.isEmpty())
        throwDao(kDaoFromClauseError);
    s.table = name;
    return s;
}

DeleteStatement parseDeleteStatement(const QString& sql)
{
    if (!startsWithWord(sql, "DELETE"))
        throwDao(kDaoInvalidStatement);
    return StatementParser(sql).remove();
}

} // namespace dao
