#include "jet_like.h"

namespace dao {
namespace {

QChar fold(QChar c)
{
    return c.toCaseFolded();
}

} // namespace

std::optional<JetPattern> JetPattern::compile(QStringView pattern)
{
    JetPattern compiled;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        Element e{Element::Kind::Literal, {}, {}, false};
        if (c == u'*') {
            e.kind = Element::Kind::AnyRun;
        } else if (c == u'?') {
            e.kind = Element::Kind::AnyOne;
        } else if (c == u'#') {
            e.kind = Element::Kind::Digit;
        } else if (c == u'[') {
            const qsizetype close = pattern.indexOf(u']', i + 1);
            if (close < 0)
                return std::nullopt;
            QStringView body = pattern.mid(i + 1, close - i - 1);
            e.kind = Element::Kind::Set;
            if (body.startsWith(u'!') && body.size() > 1) {
                e.negated = true;
                body = body.mid(1);
            }
            for (qsizetype k = 0; k < body.size(); ++k) {
                if (k + 2 < body.size() && body[k + 1] == u'-') {
                    const QChar low = fold(body[k]);
                    const QChar high = fold(body[k + 2]);
                    if (high < low)
                        return std::nullopt; // Jet refuses a descending range
                    e.ranges.emplace_back(low, high);
                    k += 2;
                } else {
                    e.chars += fold(body[k]);
                }
            }
            i = close;
        } else {
            e.chars = fold(c);
        }
        compiled.elements_.push_back(std::move(e));
    }
    return compiled;
}

bool JetPattern::matchOne(const Element& e, QChar c) const
{
    const QChar f = fold(c);
    switch (e.kind) {
    case Element::Kind::AnyOne:
        return true;
    case Element::Kind::Digit:
        return c >= u'0' && c <= u'9';
    case Element::Kind::Literal:
        return e.chars[0] == f;
    case Element::Kind::Set: {
        bool in = e.chars.contains(f);
        for (const auto& [low, high] : e.ranges)
            in = in || (f >= low && f <= high);
        return in != e.negated;
    }
    case Element::Kind::AnyRun:
        break;
    }
    return false;
}

bool JetPattern::matches(QStringView text) const
{
    // Greedy match with one remembered star: each star only ever needs to
    // retry from one position further on.
    size_t p = 0;
    qsizetype t = 0;
    size_t starP = SIZE_MAX;
    qsizetype starT = 0;
    while (t < text.size()) {
        if (p < elements_.size() && elements_[p].kind == Element::Kind::AnyRun) {
            starP = p++;
            starT = t;
        } else if (p < elements_.size() && matchOne(elements_[p], text[t])) {
            ++p;
            ++t;
        } else if (starP != SIZE_MAX) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < elements_.size() && elements_[p].kind == Element::Kind::AnyRun)
        ++p;
    return p == elements_.size();
}

} // namespace dao
