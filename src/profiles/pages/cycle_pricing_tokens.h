// Cycle-based pricing and tokens never go together on the MDC and Alliance
// machines: tokens turned on turn cycle-based pricing off with a notice, and
// an import holding both is refused.
#pragma once

#include "profiles/refusal.h"

namespace profiles {

// Clears `cyclePricing`, with the notice, when tokens are on.
void dropCyclePricingForTokens(bool tokens, bool& cyclePricing);

// The refusal of both at once (the "CYCLE PRICING" column, `control`).
Check refuseCyclePricingWithTokens(bool tokens, bool cyclePricing, int control);

} // namespace profiles
