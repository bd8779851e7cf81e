#include "profiles/pages/advantech_page_rules.h"
#include "profiles/card_limits.h"

#include "fields/choice_lists.h"
#include "fields/field_validator.h"
#include "fields/money_text.h"
#include "setup/profile_types.h"

namespace profiles {
namespace {

constexpr char kColWasher[] = "WASHER";
constexpr char kColDryer[] = "DRYER";
constexpr char kColDisableTopoff[] = "DISABLE TOPOFF";
constexpr char kColHotTempReduction[] = "HOT TEMP REDUCTION";
constexpr char kColFillTime[] = "ESTIMATED FILL TIME";
constexpr char kColSetupByte1[] = "SETUP BYTE 1";
constexpr char kColSetupByte2[] = "SETUP BYTE 2";
constexpr std::array<const char*, 2> kColCoinSlides = {"COIN SLIDE 1", "COIN SLIDE 2"};
constexpr char kColCoinPulseDelay[] = "COIN PULSE DELAY";
constexpr char kColDecimalPoint[] = "DECIMAL POINT";
constexpr std::array<const char*, 3> kColSpecDays = {"SP1 DAY", "SP2 DAY", "SP3 DAY"};
constexpr std::array<const char*, 3> kColSpecStarts = {"SP1 START", "SP2 START", "SP3 START"};
constexpr std::array<const char*, 3> kColSpecDurations = {"SP1 DURATION", "SP2 DURATION",
                                                          "SP3 DURATION"};

// Integer edits, in the order of AdvantechPageRules::integerFields().
enum IntegerEdit { kRunTime, kTopoffTime, kCoolDown, kPulse0 };

// SETUP BYTE 1: rinse temperature and fill (washers) and the setup box.
constexpr uint8_t kWarmRinseBit = 0x01;
constexpr uint8_t kLessFillBit = 0x02;
constexpr uint8_t kSetupOptionBit = 0x04;
constexpr uint8_t kSetupByte1Bits = kWarmRinseBit | kLessFillBit | kSetupOptionBit;
// SETUP BYTE 2: the four boxes.
constexpr std::array<uint8_t, 4> kSetupByte2Bits = {0x01, 0x02, 0x04, 0x80};
constexpr uint8_t kSetupByte2Mask = 0x87;
// The machine-kind bits of the card's option flags, as the card details
// report and the other families' cards read them.
constexpr uint8_t kWasherFlag = 0x10;
constexpr uint8_t kDryerFlag = 0x20;

constexpr int kLongestMinutes = 255; // one byte on the card
constexpr int kAllDays = 0x7F;

// A list position against the list's entries.
Check inList(int position, const QStringList& entries, const char* column, int control,
             const char* what)
{
    if (position >= 0 && position < entries.size())
        return std::nullopt;
    return inputError(column, control,
                      QStringLiteral("Please choose the %1 from its list (%2 to %3).")
                          .arg(QLatin1String(what), entries.front(), entries.back()));
}

Currency moneyAt(const ColumnValues& columns, const char* column, Currency fallback)
{
    const auto it = columns.constFind(QLatin1String(column));
    return it == columns.cend() ? fallback : Currency::fromVariant(*it).value_or(Currency());
}

} // namespace

const std::array<AdvantechPageRules::MoneyField, AdvantechPageRules::kMoneyCount>&
AdvantechPageRules::moneyFields()
{
    static const std::array<MoneyField, kMoneyCount> fields = {{
        {1720, "VEND PRICE", "Washer Price"},
        {1721, "VEND WARM PRICE", "Extra Cost For Warm"},
        {1722, "VEND HOT PRICE", "Extra Cost For Hot"},
        {1723, "REG DRYER PRICE", "Dryer Price"},
        {1724, "TOPOFF PRICE", "Topoff Price"},
        {1739, "SPEC PRICE 1", "Special Price 1"},
        {1749, "SPEC PRICE 2", "Special Price 2"},
        {1759, "SPEC PRICE 3", "Special Price 3"},
        {1725, "COIN1 VALUE", "Coin 1 Value"},
        {1726, "COIN2 VALUE", "Coin 2 Value"},
    }};
    return fields;
}

const std::array<const char*, 8>& AdvantechPageRules::actionColumns()
{
    static const std::array<const char*, 8> columns = {
        "ACTIONSETREGPRICES",  "ACTIONSETSPCGPRICES",   "ACTIONSETTOPOFFPRICE",
        "ACTIONSETCOINVALUES", "ACTIONSETCYCLESLENGTH", "ACTIONSETCYCLETOPOFF",
        "ACTIONCLEARCOUNTERS", "ACTIONSETALL"};
    return columns;
}

const std::array<const char*, 8>& AdvantechPageRules::actionLabels()
{
    static const std::array<const char*, 8> labels = {
        "Set Regular Prices", "Set Special Prices", "Set Topoff Price", "Set Coin Values",
        "Set Cycle Length",   "Set Topoff Time",    "Clear Counters",   "Set All"};
    return labels;
}

const std::array<IntegerField, 7>& AdvantechPageRules::integerFields()
{
    static const std::array<IntegerField, 7> fields = {{
        {kRunTimeControl, "DRYER RUN TIME", 1, kLongestMinutes},
        {kTopoffTimeControl, "TOPOFF TIME", 0, kLongestMinutes},
        {kCoolDownControl, "EXTENDED COOL DOWN", 0, kLongestMinutes},
        {kPulseControls[0], "COIN1 PULSE MIN", 0, 255},
        {kPulseControls[1], "COIN1 PULSE MAX", 0, 255},
        {kPulseControls[2], "COIN2 PULSE MIN", 0, 255},
        {kPulseControls[3], "COIN2 PULSE MAX", 0, 255},
    }};
    return fields;
}

const QStringList& AdvantechPageRules::hotTempReductionChoices()
{
    static const QStringList choices = [] {
        QStringList list;
        for (int degrees = 0; degrees <= 50; degrees += 5)
            list << QString::number(degrees);
        return list;
    }();
    return choices;
}

QStringList AdvantechPageRules::rinseChoices()
{
    return {QStringLiteral("COLD"), QStringLiteral("WARM")};
}

QStringList AdvantechPageRules::fillChoices()
{
    return {QStringLiteral("FULL"), QStringLiteral("10% LESS")};
}

QString AdvantechPageRules::pageName() const
{
    return QString::fromLatin1(setup::profileTypeInfo(setup::kAdvantech).optionPage);
}

void AdvantechPageRules::reset()
{
    values_ = Values{};
    std::array<Currency, kMoneyCount>& money = values_.money;
    money[kVendPrice] = Currency::fromCents(150);
    money[kWarmPrice] = Currency::fromCents(25);
    money[kHotPrice] = Currency::fromCents(50);
    money[kDryerPrice] = Currency::fromCents(100);
    money[kTopoffPrice] = Currency::fromCents(25);
    money[kCoin1Value] = Currency::fromCents(25);
    money[kCoin2Value] = Currency::fromCents(100);
    values_.actions[7] = true; // "Set All": a new machine takes the whole card
}

void AdvantechPageRules::load(const ColumnValues& columns)
{
    reset();
    Values& v = values_;
    v.machine = flagValue(columns, kColDryer) ? int(Machine::Dryer) : int(Machine::Washer);
    for (int f = 0; f < kMoneyCount; ++f)
        v.money[size_t(f)] = moneyAt(columns, moneyFields()[size_t(f)].column, v.money[size_t(f)]);
    for (size_t i = 0; i < integerFields().size(); ++i)
        integerValue(i) = intValue(columns, integerFields()[i].column, integerValue(i));
    v.disableTopoff = flagValue(columns, kColDisableTopoff);
    v.fillTime = intValue(columns, kColFillTime, v.fillTime);
    v.hotTempReduction = intValue(columns, kColHotTempReduction, v.hotTempReduction);
    v.decimalPoint = intValue(columns, kColDecimalPoint, v.decimalPoint);

    const int byte1 = intValue(columns, kColSetupByte1);
    v.warmRinse = (byte1 & kWarmRinseBit) != 0;
    v.lessFill = (byte1 & kLessFillBit) != 0;
    v.setupOption = (byte1 & kSetupOptionBit) != 0;
    v.strayBits1 = byte1 & ~kSetupByte1Bits;
    const int byte2 = intValue(columns, kColSetupByte2);
    for (size_t b = 0; b < kSetupByte2Bits.size(); ++b)
        v.setupByte2[b] = (byte2 & kSetupByte2Bits[b]) != 0;
    v.strayBits2 = byte2 & ~kSetupByte2Mask;

    for (size_t p = 0; p < v.specials.size(); ++p) {
        Special& s = v.specials[p];
        s.days = intValue(columns, kColSpecDays[p], s.days);
        s.start = intValue(columns, kColSpecStarts[p], s.start);
        s.duration = intValue(columns, kColSpecDurations[p], s.duration);
    }
    for (size_t i = 0; i < v.coinSlides.size(); ++i)
        v.coinSlides[i] = intValue(columns, kColCoinSlides[i]);
    v.coinPulseDelay = intValue(columns, kColCoinPulseDelay, v.coinPulseDelay);
    for (size_t a = 0; a < v.actions.size(); ++a)
        v.actions[a] = flagValue(columns, actionColumns()[a], v.actions[a]);
}

int& AdvantechPageRules::integerValue(size_t index)
{
    switch (index) {
    case kRunTime:
        return values_.runTime;
    case kTopoffTime:
        return values_.topoffTime;
    case kCoolDown:
        return values_.coolDown;
    default:
        return values_.pulses[index - kPulse0];
    }
}

int AdvantechPageRules::integerValue(size_t index) const
{
    return const_cast<AdvantechPageRules*>(this)->integerValue(index);
}

uint8_t AdvantechPageRules::setupByte1() const
{
    uint8_t bits = values_.setupOption ? kSetupOptionBit : 0;
    if (!isDryer())
        bits |= uint8_t((values_.warmRinse ? kWarmRinseBit : 0) |
                        (values_.lessFill ? kLessFillBit : 0));
    return bits;
}

uint8_t AdvantechPageRules::setupByte2() const
{
    uint8_t bits = 0;
    for (size_t b = 0; b < kSetupByte2Bits.size(); ++b)
        if (values_.setupByte2[b])
            bits |= kSetupByte2Bits[b];
    return bits;
}

ColumnValues AdvantechPageRules::columns() const
{
    const Values& v = values_;
    ColumnValues columns = {
        {kColWasher, int(!isDryer())},
        {kColDryer, int(isDryer())},
        {kColDisableTopoff, int(v.disableTopoff)},
        {kColHotTempReduction, v.hotTempReduction},
        {kColFillTime, v.fillTime},
        {kColSetupByte1, int(setupByte1())},
        {kColSetupByte2, int(setupByte2())},
        {kColCoinPulseDelay, v.coinPulseDelay},
        {kColDecimalPoint, v.decimalPoint},
    };
    for (size_t i = 0; i < integerFields().size(); ++i)
        columns.insert(QLatin1String(integerFields()[i].column), integerValue(i));
    for (int f = 0; f < kMoneyCount; ++f)
        columns.insert(QLatin1String(moneyFields()[size_t(f)].column),
                       v.money[size_t(f)].toVariant());
    for (size_t p = 0; p < v.specials.size(); ++p) {
        columns.insert(QLatin1String(kColSpecDays[p]), v.specials[p].days);
        columns.insert(QLatin1String(kColSpecStarts[p]), v.specials[p].start);
        columns.insert(QLatin1String(kColSpecDurations[p]), v.specials[p].duration);
    }
    for (size_t i = 0; i < v.coinSlides.size(); ++i)
        columns.insert(QLatin1String(kColCoinSlides[i]), v.coinSlides[i]);
    for (size_t a = 0; a < v.actions.size(); ++a)
        columns.insert(QLatin1String(actionColumns()[a]), int(v.actions[a]));
    return columns;
}

Check AdvantechPageRules::checkMoney(Money field, Currency amount) const
{
    const MoneyField& f = moneyFields()[size_t(field)];
    // The price the machine kind vends at is never free; the others may be $0.00.
    const bool zeroAllowed = field != (isDryer() ? kDryerPrice : kVendPrice);
    // The card keeps whole cents: an amount between two is no entry of the page.
    if (amount.units() % 100 != 0)
        return inputError(f.column, f.control,
                          QString::asprintf("Please enter a currency multiple of $%.2f", 0.01));
    const fields::MoneyCheck check = fields::checkMoneyText(
        fields::formatMoney(amount), false, zeroAllowed, fields::kCent, kHighestPrice);
    if (!check.error)
        return std::nullopt;
    return inputError(f.column, f.control, *check.error);
}

Check AdvantechPageRules::enterMoney(Money field, QStringView text)
{
    const MoneyField& f = moneyFields()[size_t(field)];
    const bool zeroAllowed = field != (isDryer() ? kDryerPrice : kVendPrice);
    const fields::MoneyCheck check =
        fields::checkMoneyText(text.toString(), false, zeroAllowed, fields::kCent, kHighestPrice);
    if (check.error)
        return inputError(f.column, f.control, *check.error);
    values_.money[size_t(field)] = check.amount;
    return std::nullopt;
}

Check AdvantechPageRules::checkFields() const
{
    const Values& v = values_;
    for (int f = 0; f < kMoneyCount; ++f)
        if (Check refused = checkMoney(Money(f), v.money[size_t(f)]))
            return refused;
    for (size_t i = 0; i < integerFields().size(); ++i)
        if (Check refused = checkIntegerField(integerFields()[i], integerValue(i))) {
            refused->caption = QString::fromLatin1(kInputErrorCaption);
            return refused;
        }
    if (Check c = inList(v.fillTime, fields::secondsChoices(), kColFillTime, kFillTimeControl,
                         "Estimated Fill Time"))
        return c;
    if (!hotTempReductionChoices().contains(QString::number(v.hotTempReduction)))
        return inputError(kColHotTempReduction, kHotTempReductionControl,
                          QStringLiteral("Please choose the Hot Temp Reduction from its list (0 "
                                         "to 50, in steps of 5)."));
    if (Check c = inList(v.decimalPoint, fields::decimalPointChoices(), kColDecimalPoint,
                         kDecimalPointControl, "Decimal Point"))
        return c;
    if (v.strayBits1 != 0)
        return inputError(kColSetupByte1, kSetupByte1Control,
                          QStringLiteral("SETUP BYTE 1 holds bits 0, 1 and 2 only."));
    if (v.strayBits2 != 0)
        return inputError(kColSetupByte2, kSetupByte2Controls[0],
                          QStringLiteral("SETUP BYTE 2 holds bits 0, 1, 2 and 7 only."));
    for (size_t p = 0; p < v.specials.size(); ++p) {
        const Special& s = v.specials[p];
        const int dayControl = kSpecDayControls[p];
        if (s.days < 0 || s.days > kAllDays)
            return inputError(kColSpecDays[p], dayControl,
                              QStringLiteral("The days of special price %1 are bits 0 (Sunday) "
                                             "to 6 (Saturday), 0 to 127.")
                                  .arg(p + 1));
        if (Check c = inList(s.start, fields::timeOfDayChoices(), kColSpecStarts[p],
                             kSpecStartControls[p], "start time"))
            return c;
        if (Check c = inList(s.duration, fields::durationChoices(), kColSpecDurations[p],
                             kSpecDurationControls[p], "duration"))
            return c;
    }
    const std::array<int, 2> slideControls = {kCoinSlide1Control, kCoinSlide2Control};
    for (size_t i = 0; i < v.coinSlides.size(); ++i)
        if (v.coinSlides[i] != 0 && v.coinSlides[i] != 1)
            return inputError(kColCoinSlides[i], slideControls[i],
                              QStringLiteral("Coin Slide %1 is 0 (off) or 1 (on).").arg(i + 1));
    return inList(v.coinPulseDelay, fields::tenthsChoices(), kColCoinPulseDelay,
                  kCoinPulseDelayControl, "Coin Pulse Delay");
}

Check AdvantechPageRules::checkBeforeSave() const
{
    // A dryer's card carries no pulse limits.
    if (isDryer())
        return std::nullopt;
    const std::array<int, 4>& p = values_.pulses;
    for (int coin = 0; coin < 2; ++coin)
        if (p[size_t(2 * coin)] > p[size_t(2 * coin + 1)])
            return inputError(integerFields()[size_t(kPulse0 + 2 * coin)].column,
                              kPulseControls[size_t(2 * coin)],
                              QStringLiteral("The Coin %1 minimum pulse cannot be longer than "
                                             "its maximum pulse.")
                                  .arg(coin + 1));
    return std::nullopt;
}

void AdvantechPageRules::writeRecord(const CommonValues& /*common*/,
                                     STRUCT_laundry_setup& record) const
{
    const Values& v = values_;
    const bool dryer = isDryer();
    const auto price = [&v](Money field) { return cents(v.money[size_t(field)]); };
    const bool topoff = dryer && !v.disableTopoff;

    record.advantech_vend_price = price(dryer ? kDryerPrice : kVendPrice);
    record.advantech_dryer_run_time = uint8_t(v.runTime);
    record.topoff_price_alt = topoff ? price(kTopoffPrice) : 0;
    record.topoff_time_alt = topoff ? uint8_t(v.topoffTime) : 0;

    uint16_t* const specPrices[] = {&record.spec_price_1, &record.spec_price_2,
                                    &record.spec_price_3};
    uint8_t* const specDays[] = {&record.sp1_days, &record.sp2_days, &record.sp3_days};
    uint8_t* const specStarts[] = {&record.sp1_start, &record.sp2_start, &record.sp3_start};
    uint8_t* const specDurations[] = {&record.sp1_duration, &record.sp2_duration,
                                      &record.sp3_duration};
    for (size_t p = 0; p < v.specials.size(); ++p) {
        *specPrices[p] = price(Money(kSpecPrice1 + int(p)));
        *specDays[p] = uint8_t(v.specials[p].days & kAllDays);
        *specStarts[p] = uint8_t(v.specials[p].start);
        *specDurations[p] = uint8_t(v.specials[p].duration + 1);
    }

    record.coin1_pulse_min = dryer ? 0 : uint8_t(v.pulses[0]);
    record.coin1_pulse_max = dryer ? 0 : uint8_t(v.pulses[1]);
    record.coin2_pulse_min = dryer ? 0 : uint8_t(v.pulses[2]);
    record.coin2_pulse_max = dryer ? 0 : uint8_t(v.pulses[3]);
    record.advantech_time_step = dryer ? 0 : uint16_t(v.fillTime);
    record.setup_byte_1 = setupByte1();
    record.setup_byte_2 = setupByte2();
    record.advantech_warm_price = dryer ? 0 : price(kWarmPrice);
    record.advantech_hot_price = dryer ? 0 : price(kHotPrice);
    record.coin1_value_cents = price(kCoin1Value);
    record.coin2_value_cents = price(kCoin2Value);
    record.coin_slide_1 = uint8_t(v.coinSlides[0]);
    record.coin_slide_2 = uint8_t(v.coinSlides[1]);
    record.advantech_option_1a4 = uint16_t(v.coinPulseDelay);
    record.decimal_point = uint8_t(v.decimalPoint);
    record.hot_temp_reduction = dryer ? 0 : uint8_t(v.hotTempReduction);
    record.extended_cool_down = dryer ? uint8_t(v.coolDown) : 0;

    uint8_t actions = 0;
    for (size_t a = 0; a < v.actions.size(); ++a)
        if (v.actions[a])
            actions |= uint8_t(1u << a);
    record.action_flags = actions;

    record.washer = dryer ? 0 : 1;
    record.dryer = dryer ? 1 : 0;
    record.washer_dryer_stack = 0;
    // The card itself says whether it sets up a washer or a dryer.
    record.option_flags = uint8_t((record.option_flags & ~(kWasherFlag | kDryerFlag)) |
                                  (dryer ? kDryerFlag : kWasherFlag));
}

} // namespace profiles
