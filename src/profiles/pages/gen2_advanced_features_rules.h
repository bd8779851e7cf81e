// Rules of the "Features" tab of the Maytag Gen2 Advanced and LG dialogs:
// the machine's feature switches and the rules that keep Super Cycle Mode,
// Cycle Based Pricing and tokens apart. A click shows its messages through
// the prompt service and leaves the switches as the rules decide.
#pragma once

#include "laundry/laundry_setup.h"
#include "profiles/profile_columns.h"
#include "profiles/refusal.h"

#include <array>

namespace profiles {

class Gen2AdvancedFeaturesRules {
public:
    enum Switch : int {
        kFixedCycle,
        kSpecPricing,
        kAddCoins,
        kCoinSlide,
        kClearEscrowNot,
        kSuperCycle,
        kDisplayPrice,
        kSudsDetect,
        kDebitOnly,
        kCoinsOnly,
        kEnhancedDebit,
        kMaxExtractNot,
        kCyclePricing,
        kAllFeatures,
        kSwitchCount
    };
    struct SwitchField {
        int control;
        const char* column;
        const char* label;
        int flagsByte; // 0 feature_flags, 1 feature_flags_2, -1 none
        uint8_t bit;
    };
    static const std::array<SwitchField, kSwitchCount>& switches();
    static constexpr int kSudsMinimumWash = 10;

    Gen2AdvancedFeaturesRules() { reset(); }

    // Every switch off but Enhanced Debit.
    void reset();
    void load(const ColumnValues& columns);
    void addColumns(ColumnValues& columns) const;

    bool value(Switch s) const { return values_[size_t(s)]; }
    // The box's state taken over as it is (reading the controls).
    void setValue(Switch s, bool on) { values_[size_t(s)] = on; }
    // The operator clicked the box to `on`; `washLength` is the wash length
    // of the "Washer/Dryer" tab, which Suds Detect Mode needs.
    void click(Switch s, bool on, int washLength);
    // The editor's tokens setting: on turns Cycle Based Pricing off (with
    // its message) and greys it.
    void setTokens(bool on);
    bool tokens() const { return tokens_; }
    // The dialog's own setting: a machine without super cycles (a dryer)
    // disables Super Cycle Mode and Cycle Based Pricing; choosing one clears
    // them as well.
    void setSuperCyclesAllowed(bool allowed, bool clear);
    bool enabled(Switch s) const;

    // A dryer holding Super Cycle Mode or Cycle Based Pricing, or both at once.
    Check checkFields() const;
    // Cycle Based Pricing beside tokens.
    Check checkTokens(bool tokens) const;
    void writeFlags(STRUCT_laundry_setup& record) const;

private:
    std::array<bool, kSwitchCount> values_{};
    bool tokens_ = false;
    bool superCyclesAllowed_ = true;
};

} // namespace profiles
