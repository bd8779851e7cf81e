// TransferDialogToRecord: turns the editor's values and the page of the
// profile's type into the laundry setup record.
#pragma once

#include "laundry/laundry_setup.h"
#include "profiles/page_rules.h"
#include "profiles/profile_values.h"

namespace profiles {

// The common head, the page's branch and the tail. False, with the page's
// message shown, when the page refuses its values; a type this version
// does not know refuses before anything is written.
// What the conversion refuses before it writes anything: common values the
// editor could not have saved, and values the card cannot carry.
Check checkConvertible(const CommonValues& common, const PageRules& page);

bool transferDialogToRecord(const CommonValues& common, const PageRules& page,
                            STRUCT_laundry_setup& record);

} // namespace profiles
