#include "profiles/card_limits.h"

#include "fields/money_text.h"
#include "profiles/editor_rules.h"
#include "profiles/profile_columns.h"
#include "setup/profile_types.h"

namespace profiles {

Refusal cardLimitRefusal(const char* column, int control, const QString& label,
                         const QString& value, const QString& largest)
{
    Refusal refusal;
    refusal.column = QString::fromLatin1(column);
    refusal.control = control;
    refusal.message =
        QStringLiteral("A %1 of %2 is more than a setup card holds: the largest is %3.")
            .arg(label, value, largest);
    return refusal;
}

Check checkCardMoney(Currency value, Currency largest, const char* column, int control,
                     const QString& label)
{
    if (value.units() <= largest.units())
        return std::nullopt;
    return cardLimitRefusal(column, control, label, fields::formatMoney(value),
                            fields::formatMoney(largest));
}

Check checkCardMinutes(int minutes, const char* column, int control, const QString& label)
{
    if (minutes <= kCardBcdMaximum)
        return std::nullopt;
    return cardLimitRefusal(column, control, label, QStringLiteral("%1 minutes").arg(minutes),
                            QStringLiteral("%1 minutes").arg(kCardBcdMaximum));
}

Check checkCommonCardLimits(const CommonValues& common)
{
    const int code = common.typeCode;
    if (code >= setup::kRetrofit && code <= setup::kMaytagGen2) {
        if (Check refused = checkCardMoney(common.vendPrice, kCardMoneyMaximum, kColVendPrice,
                                           kIdVendPrice, QStringLiteral("Vend Price")))
            return refused;
        if (Check refused = checkCardMoney(common.topoffPrice, kCardMoneyMaximum, kColTopoffPrice,
                                           kIdTopoffPrice, QStringLiteral("Top Off Price")))
            return refused;
    }
    return checkCardMoney(common.maxCardValue, kCardDollarsMaximum, kColMaxCardValue,
                          kIdMaxCardValue, QStringLiteral("Max Card Value"));
}

} // namespace profiles
