// Rules of the tab dialogs of the Maytag Gen2 Advanced (type 5,
// IDD_MAYTAG_DEFUALT) and LG (type 8, IDD_LG_DEFAULT) profiles: the
// "Washer/Dryer", "Features", "Super Cycles" and "Prices" tabs over one set
// of values. The two types differ in LG's machine kinds (washer or dryer, no
// stack), its top-off time and its one Coin2/TopOff value.
#pragma once

#include "profiles/page_rules.h"
#include "profiles/pages/gen2_advanced_features_rules.h"
#include "profiles/pages/gen2_advanced_machine_rules.h"
#include "profiles/pages/gen2_advanced_price_rules.h"

namespace profiles {

class Gen2AdvancedDialogRules : public PageRules {
public:
    using Kind = Gen2AdvancedMachineRules::Kind;

    // code: kMaytagGen2Advanced or kLg.
    explicit Gen2AdvancedDialogRules(int code);

    int code() const { return code_; }
    bool lg() const { return machine_.lg(); }
    Gen2AdvancedMachineRules& machine() { return machine_; }
    const Gen2AdvancedMachineRules& machine() const { return machine_; }
    Gen2AdvancedFeaturesRules& features() { return features_; }
    const Gen2AdvancedFeaturesRules& features() const { return features_; }
    Gen2AdvancedPriceRules& prices() { return prices_; }
    const Gen2AdvancedPriceRules& prices() const { return prices_; }

    QString pageName() const override;
    void reset() override;
    void load(const ColumnValues& columns) override;
    ColumnValues columns() const override;
    // The first refused field: Washer/Dryer and Super Cycles, Features, Prices.
    Check checkFields() const override;
    // The conversion's refusal of a field: the dialog's "Error in input data" text.
    Check checkBeforeSave() const override;
    void writeRecord(const CommonValues& common, STRUCT_laundry_setup& record) const override;
    void setTokens(bool enabled) override;
    Check checkTokens(bool enabled) const override;

    // The operator's choices that reach other tabs.
    // A dryer has no super cycles: choosing one disables and clears Super
    // Cycle Mode and Cycle Based Pricing.
    void chooseKind(Kind kind);
    void clickFeature(Gen2AdvancedFeaturesRules::Switch s, bool on);
    Check leaveMoney(Gen2AdvancedPriceRules::Field field, const QString& text);

private:
    int code_;
    Gen2AdvancedMachineRules machine_;
    Gen2AdvancedFeaturesRules features_;
    Gen2AdvancedPriceRules prices_;
};

} // namespace profiles
