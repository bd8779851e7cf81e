// The option pages as the editor's session uses them: the rules of every
// profile type, and the exchange with the page widgets when there are any
// (a headless session has rules only).
#pragma once

#include "profiles/page_rules.h"
#include "setup/profile_types.h"

#include <array>
#include <memory>

namespace profiles {

class EditorPageSet {
public:
    virtual ~EditorPageSet() = default;
    // Null for an unknown code.
    virtual PageRules* rules(int code) const = 0;
    // The page's controls into its rules, without checks.
    virtual void readValues(int /*code*/) {}
    // The page's controls show its rules' values.
    virtual void showValues(int /*code*/) {}
};

// Every type's rules, without widgets.
class PageRulesSet : public EditorPageSet {
public:
    PageRulesSet();
    PageRules* rules(int code) const override;

private:
    std::array<std::unique_ptr<PageRules>, setup::kProfileTypeCount> rules_;
};

} // namespace profiles
