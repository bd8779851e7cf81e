// What a setup card can carry. The record's money words hold whole cents up
// to 65535, its Max Card Value whole dollars up to 65535, and a BCD byte the
// numbers 0 to 99; a larger value would reach the card cut short (a vend price
// of $655.36 as $0.00, free vends). The editor, the import and the
// conversion refuse such a value with a message naming the largest one the
// card holds.
#pragma once

#include "profiles/profile_values.h"
#include "profiles/refusal.h"

namespace profiles {

inline constexpr Currency kCardMoneyMaximum = Currency::fromCents(0xFFFF);
inline constexpr Currency kCardDollarsMaximum = Currency::fromDollars(0xFFFF);
inline constexpr int kCardBcdMaximum = 99;

// A money word of the record: whole cents, truncated.
inline uint16_t cents(Currency amount)
{
    return static_cast<uint16_t>(amount.units() / 100);
}

// The editor's own money values of the profile: the vend and top-off prices
// where the type enters them on the editor (codes 0-4), and the Max Card Value.
Check checkCommonCardLimits(const CommonValues& common);

// "A Vend Price of $655.36 is more than a setup card holds: the largest is
// $655.35." for a column and the control the focus returns to.
Refusal cardLimitRefusal(const char* column, int control, const QString& label,
                         const QString& value, const QString& largest);
// The same for a money value against `largest`; nullopt when it fits.
Check checkCardMoney(Currency value, Currency largest, const char* column, int control,
                     const QString& label);
// A count of minutes held in one BCD byte (0-99).
Check checkCardMinutes(int minutes, const char* column, int control, const QString& label);

} // namespace profiles
