#include "profiles/editor_page_set.h"

#include "profiles/page_catalogue.h"

namespace profiles {

PageRulesSet::PageRulesSet()
{
    for (int code = 0; code < setup::kProfileTypeCount; ++code)
        rules_[size_t(code)] = makePageRules(code);
}

PageRules* PageRulesSet::rules(int code) const
{
    return setup::isValidProfileType(code) ? rules_[size_t(code)].get() : nullptr;
}

} // namespace profiles
