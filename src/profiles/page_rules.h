// The rules of one option page, without widgets: its values and defaults,
// their exchange with the profile type's columns, the checks of its fields
// and its branch of the record conversion. The editor keeps one per profile
// type; the page widget shows and reads its values; the command line uses
// the rules alone.
#pragma once

#include "laundry/laundry_setup.h"
#include "profiles/profile_columns.h"
#include "profiles/profile_values.h"
#include "profiles/refusal.h"

namespace profiles {

class PageRules {
public:
    virtual ~PageRules() = default;

    // The page's resource name, as messages name it ("IDD_OPTIONS_RETRO").
    virtual QString pageName() const = 0;
    // False for a type this version does not know: its profiles are listed
    // and kept, but no record is converted from them.
    virtual bool isAvailable() const { return true; }

    // Defaults of a new page.
    virtual void reset() = 0;
    // Loads the page's values from the type's columns (missing ones take the
    // loading rules' empty values).
    virtual void load(const ColumnValues& columns) = 0;
    // The values to save under the type's columns.
    virtual ColumnValues columns() const = 0;

    // The limits every field enforces when the operator leaves it (range
    // messages). The widgets apply them field by field; an import or a
    // headless conversion runs them all. The first refusal, if any.
    virtual Check checkFields() const { return std::nullopt; }
    // The page's own check run before a save or a conversion (Retrofit and
    // Electromechanical: the message texts).
    virtual Check checkBeforeSave() const { return std::nullopt; }
    // What the conversion needs from outside the profile, checked before the
    // page writes its fields (the Generic page's setup file).
    virtual Check checkBeforeRecord() const { return std::nullopt; }
    // A value the page accepts but the type's setup card cannot carry (a
    // time of 100 minutes in a BCD byte): the conversion refuses it.
    virtual Check checkCardLimits() const { return std::nullopt; }
    // The page's branch of the record conversion; the common head has been
    // written already.
    virtual void writeRecord(const CommonValues& common, STRUCT_laundry_setup& record) const = 0;

    // The tokens flag handed over by the editor (pages that care override).
    virtual void setTokens(bool /*enabled*/) {}
    // What the page could not hold beside the profile's tokens flag, for an
    // import, where nothing hands it over (the editor's setTokens clears it).
    virtual Check checkTokens(bool /*enabled*/) const { return std::nullopt; }
};

} // namespace profiles
