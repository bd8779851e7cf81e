// One option page per profile type: the rules and the widget of the type's
// page, or, for a type this version does not know, rules that keep the
// row's columns untouched and refuse a conversion.
#pragma once

#include "profiles/option_page_widget.h"
#include "profiles/page_rules.h"

#include <memory>

class QWidget;

namespace profiles {

std::unique_ptr<PageRules> makePageRules(int code);
// The widget owns its rules.
OptionPageWidget* makePageWidget(int code, QWidget* parent);

} // namespace profiles
