// Jet's LIKE patterns: * any run of characters, ? one character, # one digit,
// [abc], [a-z] and [!abc] one character of (or not of) a set; [*] stands for
// a literal *. Letters match without regard to case.
#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace dao {

class JetPattern {
public:
    // nullopt for a malformed pattern (an unclosed "[").
    static std::optional<JetPattern> compile(QStringView pattern);
    bool matches(QStringView text) const;

private:
    struct Element {
        enum class Kind { AnyRun, AnyOne, Digit, Set, Literal } kind;
        QString chars;                               // Literal: one folded character; Set: members
        std::vector<std::pair<QChar, QChar>> ranges; // Set ranges, folded
        bool negated = false;
    };
    bool matchOne(const Element& e, QChar c) const;
    std::vector<Element> elements_;
};

} // namespace dao
