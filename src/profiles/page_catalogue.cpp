#include "profiles/page_catalogue.h"

#include "profiles/pages/kept_columns_page.h"

namespace profiles {

std::unique_ptr<PageRules> makePageRules(int code)
{
    return std::make_unique<KeptColumnsPageRules>(code);
}

OptionPageWidget* makePageWidget(int code, QWidget* parent)
{
    return new KeptColumnsPage(code, parent);
}

} // namespace profiles
