#include "profiles/pages/cycle_pricing_tokens.h"

namespace profiles {

void dropCyclePricingForTokens(bool tokens, bool& cyclePricing)
{
    if (!tokens || !cyclePricing)
        return;
    cyclePricing = false;
    Refusal notice;
    notice.message = QStringLiteral("Cycle Based Pricing can't be enabled when using Tokens. "
                                    "Cycle-based pricing will now be disabled");
    showRefusal(notice);
}

Check refuseCyclePricingWithTokens(bool tokens, bool cyclePricing, int control)
{
    if (!tokens || !cyclePricing)
        return std::nullopt;
    Refusal refusal;
    refusal.column = QStringLiteral("CYCLE PRICING");
    refusal.control = control;
    refusal.message = QStringLiteral("Cycle Based Pricing can't be enabled when using Tokens.");
    return refusal;
}

} // namespace profiles
