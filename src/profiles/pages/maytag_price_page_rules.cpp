#include "profiles/pages/maytag_price_page_rules.h"

#include "fields/field_validator.h"
#include "fields/money_text.h"
#include "profiles/card_limits.h"

namespace profiles {
namespace {

constexpr char kColPennyIncrement[] = "PENNY INCREMENT";
constexpr char kColSpecPricing[] = "SPEC PRICING";
constexpr char kColStartTime[] = "SPEC PRICE BEGIN";
constexpr char kColEndTime[] = "SPEC PRICE END";
constexpr uint8_t kSpecPricingFlag = 0x02;
constexpr uint8_t kTimeNotInList = 0xFF;
constexpr qint64 kNickelUnits = 500;
// One byte of nickels on the card.
constexpr Currency kCardPriceMaximum = Currency::fromCents(255 * 5);

uint16_t nickels(Currency amount)
{
    return uint16_t(amount.units() / kNickelUnits);
}

// The amount a saved or checked text stands for; blank and unreadable text
// stand for $0.00.
Currency amountOf(const QString& text)
{
    return Currency::parse(text.trimmed()).value_or(Currency{});
}

} // namespace

const std::array<MaytagPricePageRules::MoneyField, MaytagPricePageRules::kMoneyFieldCount>&
MaytagPricePageRules::moneyFields()
{
    static const std::array<MoneyField, kMoneyFieldCount> fields = {{
        {1153, "COIN1 VALUE", "Coin 1 Value", false, 995},
        {1638, "PRICE1", "Normal", true, 5000},
        {1637, "PRICE2", "Delicate", true, 5000},
        {1636, "PRICE3", "Powerwash", true, 5000},
        {1639, "PRICE4", "Cool Upgrade", true, 1000},
        {1641, "PRICE5", "Warm Upgrade", true, 1000},
        {1640, "PRICE6", "Hot Upgrade", true, 1000},
        {1642, "PRICE7", "Extra Rinse", true, 1000},
        {1643, "PRICE8", "Soil Level", true, 1000},
        {1646, "SPEC PRICE 1", "Normal Price", true, 5000},
        {1645, "SPEC PRICE 2", "Delicates Price", true, 5000},
        {1644, "SPEC PRICE 3", "Powerwash Price", true, 5000},
    }};
    return fields;
}

const QStringList& MaytagPricePageRules::pennyIncrementChoices()
{
    static const QStringList choices = {".00", ".01", ".02", ".03", ".04"};
    return choices;
}

const QStringList& MaytagPricePageRules::hourChoices()
{
    static const QStringList choices = [] {
        QStringList list{QStringLiteral("Midnight")};
        for (int hour = 1; hour < 24; ++hour)
            list << QStringLiteral("%1 %2")
                        .arg(hour > 12 ? hour - 12 : hour)
                        .arg(QLatin1String(hour < 12 ? "AM" : "PM"));
        return list;
    }();
    return choices;
}

void MaytagPricePageRules::reset()
{
    money_.fill(QString());
    money_[kCoin1] = fields::formatMoney(fields::kNickel);
    coinValue_ = fields::kNickel;
    pennyIncrement_ = 0;
    specPricing_ = false;
    startTime_ = endTime_ = hourChoices().front();
    days_.fill(false);
}

void MaytagPricePageRules::load(const ColumnValues& columns)
{
    reset();
    for (int f = 0; f < kMoneyFieldCount; ++f) {
        const auto it = columns.constFind(QLatin1String(moneyFields()[size_t(f)].column));
        if (it == columns.cend())
            continue;
        // A zero amount is shown as the empty field it was saved from (an
        // empty Coin 1 Value is allowed, $0.00 is not, and both mean none).
        const Currency amount = Currency::fromVariant(*it).value_or(Currency{});
        money_[size_t(f)] = amount.units() == 0 ? QString() : fields::formatMoney(amount);
    }
    coinValue_ = amountOf(money_[kCoin1]);
    const auto penny = columns.constFind(QLatin1String(kColPennyIncrement));
    if (penny != columns.cend()) {
        const qint64 units = Currency::fromVariant(*penny).value_or(Currency{}).units();
        // A stored amount that is no entry of the list (not whole cents 0-4)
        // is kept as no position, which the check refuses.
        pennyIncrement_ = units % 100 == 0 && units >= 0 && units <= 400 ? int(units / 100) : -1;
    }
    specPricing_ = flagValue(columns, kColSpecPricing);
    // An empty time (a row never saved by this page) shows the first entry;
    // any other text is kept, and one that is no entry reaches the card as 0xFF.
    const auto time = [&](const char* column, const QString& fallback) {
        const QString text = textValue(columns, column);
        return text.isEmpty() ? fallback : text;
    };
    startTime_ = time(kColStartTime, startTime_);
    endTime_ = time(kColEndTime, endTime_);
    for (size_t d = 0; d < days_.size(); ++d)
        days_[d] = flagValue(columns, kDayColumns[d]);
}

void MaytagPricePageRules::addColumns(ColumnValues& columns) const
{
    for (int f = 0; f < kMoneyFieldCount; ++f)
        columns.insert(QLatin1String(moneyFields()[size_t(f)].column),
                       QVariant::fromValue(amountOf(money_[size_t(f)])));
    columns.insert(QLatin1String(kColPennyIncrement),
                   QVariant::fromValue(Currency::fromCents(qMax(pennyIncrement_, 0))));
    columns.insert(QLatin1String(kColSpecPricing), int(specPricing_));
    columns.insert(QLatin1String(kColStartTime), startTime_);
    columns.insert(QLatin1String(kColEndTime), endTime_);
    for (size_t d = 0; d < days_.size(); ++d)
        columns.insert(QLatin1String(kDayColumns[d]), int(days_[d]));
}

Check MaytagPricePageRules::checkMoney(Field field, const QString& text, Currency coinValue,
                                       Currency* amount) const
{
    const MoneyField& f = moneyFields()[size_t(field)];
    const Currency multiple = field == kCoin1 ? fields::kNickel : coinValue;
    const fields::MoneyCheck check = fields::checkMoneyText(text, true, f.zeroAllowed, multiple,
                                                            Currency::fromCents(f.maximumCents));
    if (!check.error) {
        if (amount)
            *amount = check.amount;
        return std::nullopt;
    }
    Refusal refusal;
    refusal.column = QLatin1String(f.column);
    refusal.control = f.control;
    refusal.message = *check.error;
    refusal.caption = QLatin1String(kInputErrorCaption);
    return refusal;
}

Check MaytagPricePageRules::leaveMoneyField(Field field, const QString& text)
{
    Currency amount;
    if (Check refused = checkMoney(field, text, coinValue_, &amount))
        return refused;
    money_[size_t(field)] = text.trimmed().isEmpty() ? QString() : fields::formatMoney(amount);
    if (field == kCoin1)
        coinValue_ = amount;
    return std::nullopt;
}

Check MaytagPricePageRules::checkFields() const
{
    Currency coinValue;
    if (Check refused = checkMoney(kCoin1, money_[kCoin1], {}, &coinValue))
        return refused;
    for (int f = kNormal; f < kMoneyFieldCount; ++f)
        if (fieldShown(Field(f)))
            if (Check refused = checkMoney(Field(f), money_[size_t(f)], coinValue))
                return refused;
    if (pennyIncrement_ < 0 || pennyIncrement_ >= pennyIncrementChoices().size()) {
        Refusal refusal{QLatin1String(kColPennyIncrement), kPennyIncrementControl,
                        QStringLiteral("The Penny Increment is one of .00 to .04.")};
        refusal.caption = QLatin1String(kInputErrorCaption);
        return refusal;
    }
    return std::nullopt;
}

Check MaytagPricePageRules::checkCardLimits() const
{
    for (int f = kNormal; f < kMoneyFieldCount; ++f) {
        const MoneyField& field = moneyFields()[size_t(f)];
        // "Normal price", "special Normal Price".
        const QString label = f >= kSpecNormal
                                  ? QStringLiteral("special %1").arg(QLatin1String(field.label))
                                  : QStringLiteral("%1 price").arg(QLatin1String(field.label));
        if (Check refused = checkCardMoney(amountOf(money_[size_t(f)]), kCardPriceMaximum,
                                           field.column, field.control, label))
            return refused;
    }
    return std::nullopt;
}

void MaytagPricePageRules::writeRecord(STRUCT_laundry_setup& record) const
{
    record.coin1_value = uint8_t(nickels(amountOf(money_[kCoin1])));
    for (int i = 0; i < 8; ++i)
        record.maytag_prices[i] = nickels(amountOf(money_[size_t(kNormal + i)]));
    for (int i = 0; i < 3; ++i)
        record.maytag_spec_prices[i] = nickels(amountOf(money_[size_t(kSpecNormal + i)]));
    record.penny_increment = uint8_t(qMax(pennyIncrement_, 0));
    record.feature_flags = specPricing_ ? kSpecPricingFlag : 0;
    uint8_t days = 0;
    for (size_t d = 0; d < days_.size(); ++d)
        if (days_[d])
            days |= uint8_t(1u << d);
    record.spec_days = days;
    const auto position = [](const QString& text) {
        const qsizetype index = hourChoices().indexOf(text);
        return index < 0 ? kTimeNotInList : uint8_t(index);
    };
    record.spec_price_begin = position(startTime_);
    record.spec_price_end = position(endTime_);
}

} // namespace profiles
