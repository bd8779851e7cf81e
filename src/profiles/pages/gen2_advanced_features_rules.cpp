#include "profiles/pages/gen2_advanced_features_rules.h"

namespace profiles {
namespace {

const char kSuperCycleFirst[] =
    "The Super Cycle and Cycle Based Pricing features are mutually exclusive, and can't both be "
    "enabled on the same machine. To enable Cycle Based Pricing, first deselect the Super Cycle "
    "option.";
const char kCyclePricingFirst[] =
    "The Super Cycle and Cycle Based Pricing features are mutually exclusive, and can't both be "
    "enabled on the same machine. To enable Super Cycles, first deselect the Cycle Based Pricing "
    "option.";
const char kTokensText[] =
    "Cycle Based Pricing can't be enabled when using Tokens. Disabling Cycle Based Pricing.";

void notify(const QString& message, const char* caption = kReaderManagerCaption)
{
    Refusal notice;
    notice.message = message;
    notice.caption = QLatin1String(caption);
    showRefusal(notice);
}

Refusal refusalOf(Gen2AdvancedFeaturesRules::Switch s, const QString& message)
{
    const auto& field = Gen2AdvancedFeaturesRules::switches()[size_t(s)];
    return Refusal{QLatin1String(field.column), field.control, message};
}

} // namespace

const std::array<Gen2AdvancedFeaturesRules::SwitchField, Gen2AdvancedFeaturesRules::kSwitchCount>&
Gen2AdvancedFeaturesRules::switches()
{
    static const std::array<SwitchField, kSwitchCount> fields = {{
        {1120, "FIXED CYCLE", "Fixed Cycle", 0, 0x01},
        {1121, "SPEC PRICING", "Special Pricing", 0, 0x02},
        {1122, "ADD COINS", "Add Coin Mode", 0, 0x04},
        {1123, "COIN SLIDE", "Coin Slide Mode", 0, 0x10},
        {1124, "CLEAR ESCROW NOT", "Clear Escrow Disabled", 0, 0x20},
        {1125, "SUPER CYCLE", "Super Cycle Mode", 0, 0x40},
        {1126, "DISPLAY PRICE", "Disable Price Display", 0, 0x80},
        {1127, "SUDS DETECT", "Suds Detect Mode", 1, 0x01},
        {1128, "DEBIT ONLY", "Debit Only", 1, 0x02},
        {1129, "COINS ONLY", "Coins Only", 1, 0x04},
        {1130, "ENHANCED DEBIT", "Enhanced Debit", 1, 0x08},
        {1131, "MAX EXTRACT NOT", "Max Extract Disabled", 1, 0x10},
        {1132, "CYCLE PRICING", "Cycle Based Pricing", 1, 0x20},
        {1135, "ALL FEATURES", "All Features", -1, 0},
    }};
    return fields;
}

void Gen2AdvancedFeaturesRules::reset()
{
    values_.fill(false);
    values_[kEnhancedDebit] = true;
    tokens_ = false;
    superCyclesAllowed_ = true;
}

void Gen2AdvancedFeaturesRules::load(const ColumnValues& columns)
{
    const bool tokens = tokens_;
    reset();
    tokens_ = tokens; // the editor's setting, not the profile's columns
    for (size_t s = 0; s < values_.size(); ++s)
        values_[s] = flagValue(columns, switches()[s].column, values_[s]);
}

void Gen2AdvancedFeaturesRules::addColumns(ColumnValues& columns) const
{
    for (size_t s = 0; s < values_.size(); ++s)
        columns.insert(QLatin1String(switches()[s].column), int(values_[s]));
}

void Gen2AdvancedFeaturesRules::click(Switch s, bool on, int washLength)
{
    values_[size_t(s)] = on;
    if (!on)
        return;
    switch (s) {
    case kCyclePricing:
        if (values_[kSuperCycle]) {
            notify(QLatin1String(kSuperCycleFirst));
            values_[kCyclePricing] = false;
        }
        if (values_[kCyclePricing] && tokens_) {
            notify(QLatin1String(kTokensText));
            values_[kCyclePricing] = false;
        }
        break;
    case kSuperCycle:
        if (values_[kCyclePricing]) {
            notify(QLatin1String(kCyclePricingFirst));
            values_[kSuperCycle] = false;
        }
        break;
    case kSudsDetect:
        if (washLength < kSudsMinimumWash)
            notify(QStringLiteral("Suds Detect mode requires a minimum wash length of %1 minutes. "
                                  "The wash length is currently set to %2 minutes. You must "
                                  "update the wash length (in the Washer/Dryer tab) for suds "
                                  "detect to work properly.")
                       .arg(kSudsMinimumWash)
                       .arg(washLength),
                   "Gen2 Data Error Warning");
        break;
    default:
        break;
    }
}

void Gen2AdvancedFeaturesRules::setTokens(bool on)
{
    tokens_ = on;
    if (on && values_[kCyclePricing]) {
        notify(QLatin1String(kTokensText));
        values_[kCyclePricing] = false;
    }
}

void Gen2AdvancedFeaturesRules::setSuperCyclesAllowed(bool allowed, bool clear)
{
    superCyclesAllowed_ = allowed;
    if (!allowed && clear)
        values_[kSuperCycle] = values_[kCyclePricing] = false;
}

bool Gen2AdvancedFeaturesRules::enabled(Switch s) const
{
    switch (s) {
    case kSuperCycle:
        return superCyclesAllowed_;
    case kCyclePricing:
        return superCyclesAllowed_ && !tokens_;
    default:
        return true;
    }
}

Check Gen2AdvancedFeaturesRules::checkFields() const
{
    if (values_[kSuperCycle] && values_[kCyclePricing])
        return refusalOf(kCyclePricing, QLatin1String(kCyclePricingFirst));
    if (!superCyclesAllowed_)
        for (const Switch s : {kSuperCycle, kCyclePricing})
            if (values_[size_t(s)])
                return refusalOf(s, QStringLiteral("A dryer has neither Super Cycle Mode nor "
                                                   "Cycle Based Pricing."));
    return std::nullopt;
}

Check Gen2AdvancedFeaturesRules::checkTokens(bool tokens) const
{
    if (!tokens || !values_[kCyclePricing])
        return std::nullopt;
    return refusalOf(kCyclePricing,
                     QStringLiteral("Cycle Based Pricing can't be enabled when using Tokens."));
}

void Gen2AdvancedFeaturesRules::writeFlags(STRUCT_laundry_setup& record) const
{
    uint8_t flags[2] = {0, 0};
    for (size_t s = 0; s < values_.size(); ++s)
        if (values_[s] && switches()[s].flagsByte >= 0)
            flags[switches()[s].flagsByte] |= switches()[s].bit;
    record.feature_flags = flags[0];
    record.feature_flags_2 = flags[1];
}

} // namespace profiles
