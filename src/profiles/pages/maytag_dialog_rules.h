// Rules of the tab dialogs of the Maytag Marlin (type 10), Quicksilver (12)
// and MHN33 (14) profiles: a "Prices" page and an options page. Both pages
// are checked before a save or a conversion; the conversion has both write
// their fields and then sets the dialog's machine type and card-type code.
#pragma once

#include "profiles/page_rules.h"
#include "profiles/pages/maytag_options_page_rules.h"
#include "profiles/pages/maytag_price_page_rules.h"

namespace profiles {

inline constexpr char kMaytagInvalidDataText[] =
    "One or more data items is invalid and must be corrected before profile can be saved.";

class MaytagDialogRules : public PageRules {
public:
    // code: kMaytagMarlin, kMaytagQuicksilver or kMaytagMhn33.
    explicit MaytagDialogRules(int code);

    static MaytagModel modelOf(int code);
    // 14 for Marlin and Quicksilver, 16 for MHN33.
    static int machineTypeOf(MaytagModel model);

    int code() const { return code_; }
    MaytagPricePageRules& prices() { return prices_; }
    const MaytagPricePageRules& prices() const { return prices_; }
    MaytagOptionsPageRules& options() { return options_; }
    const MaytagOptionsPageRules& options() const { return options_; }

    QString pageName() const override;
    void reset() override;
    void load(const ColumnValues& columns) override;
    ColumnValues columns() const override;
    // The first refused field of the price page, then of the options page.
    Check checkFields() const override;
    // The dialog's own refusal when a page refuses: the operator has seen
    // the field's message when leaving it.
    Check checkBeforeSave() const override;
    Check checkCardLimits() const override;
    void writeRecord(const CommonValues& common, STRUCT_laundry_setup& record) const override;

private:
    int code_;
    MaytagPricePageRules prices_;
    MaytagOptionsPageRules options_;
};

} // namespace profiles
