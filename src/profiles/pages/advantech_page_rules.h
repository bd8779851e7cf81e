// Rules of the Advantech option dialog (type 6): the tabs "Machine" (kind,
// washer fill and rinse, dryer run and top-off times, display), "Prices",
// "Special Prices" (three periods, each a price, days, a start and a
// duration), "Coins" (values, slides, pulse limits and delay) and "Action
// Codes". Money is kept as entered and reaches the card in whole cents, 16
// bits wide, so no price may pass $655.35.
//
// Columns hold what the dialog shows, with these encodings: WASHER and
// DRYER are true for the chosen kind; the list columns (ESTIMATED FILL TIME,
// DECIMAL POINT, COIN PULSE DELAY, SPn START, SPn DURATION) hold the 0-based
// position in their list; HOT TEMP REDUCTION holds the number of its entry;
// SPn DAY the seven day boxes as bits 0 (Sunday) .. 6 (Saturday); SETUP
// BYTE 1 and SETUP BYTE 2 the bits the card carries (loading sets the
// rinse, fill and setup boxes back from them).
#pragma once

#include "profiles/page_rules.h"
#include "profiles/pages/integer_field.h"

#include <QStringList>
#include <QStringView>

#include <array>
#include <utility>

namespace profiles {

class AdvantechPageRules : public PageRules {
public:
    enum class Machine { Washer, Dryer };

    // Control ids of the dialog's tabs.
    static constexpr int kWasherControl = 1700;
    static constexpr int kDryerControl = 1701;
    static constexpr int kFillTimeControl = 1702;
    static constexpr int kRinseControl = 1703;
    static constexpr int kFillControl = 1704;
    static constexpr int kHotTempReductionControl = 1705;
    static constexpr int kRunTimeControl = 1706;
    static constexpr int kTopoffTimeControl = 1707;
    static constexpr int kDisableTopoffControl = 1708;
    static constexpr int kCoolDownControl = 1709;
    static constexpr int kDecimalPointControl = 1710;
    static constexpr int kSetupByte1Control = 1711;
    static constexpr std::array<int, 4> kSetupByte2Controls = {1712, 1713, 1714, 1715};

    enum Money : int {
        kVendPrice,
        kWarmPrice,
        kHotPrice,
        kDryerPrice,
        kTopoffPrice,
        kSpecPrice1,
        kSpecPrice2,
        kSpecPrice3,
        kCoin1Value,
        kCoin2Value,
        kMoneyCount
    };
    struct MoneyField {
        int control;
        const char* column;
        const char* label;
    };
    static const std::array<MoneyField, kMoneyCount>& moneyFields();

    // Special periods: days as seven boxes (Sunday first), start and duration
    // lists; the prices are money fields.
    static constexpr int kSpecialCount = 3;
    static constexpr std::array<int, kSpecialCount> kSpecStartControls = {1730, 1740, 1750};
    static constexpr std::array<int, kSpecialCount> kSpecDurationControls = {1731, 1741, 1751};
    // Day box d of period p is kSpecDayControls[p] + d.
    static constexpr std::array<int, kSpecialCount> kSpecDayControls = {1732, 1742, 1752};

    static constexpr int kCoinSlide1Control = 1760;
    static constexpr int kCoinSlide2Control = 1761;
    static constexpr int kCoinPulseDelayControl = 1762;
    // Coin 1 min, coin 1 max, coin 2 min, coin 2 max.
    static constexpr std::array<int, 4> kPulseControls = {1763, 1764, 1765, 1766};

    // Action codes in the bit order of the card's action byte.
    static constexpr std::array<int, 8> kActionControls = {1770, 1771, 1772, 1773,
                                                           1774, 1775, 1776, 1777};
    static const std::array<const char*, 8>& actionColumns();
    static const std::array<const char*, 8>& actionLabels();

    // The integer edits (run, top-off and cool down minutes; pulse limits).
    static const std::array<IntegerField, 7>& integerFields();

    static constexpr Currency kHighestPrice = Currency::fromCents(0xFFFF);

    // The price of period p is money[kSpecPrice1 + p].
    struct Special {
        int days = 0;      // bits 0 (Sunday) .. 6 (Saturday)
        int start = 0;     // position in the time-of-day list
        int duration = 95; // position in the duration list ("24:00 hours")
    };

    struct Values {
        int machine = 0; // Machine
        std::array<Currency, kMoneyCount> money{};
        int runTime = 45;
        int topoffTime = 7;
        bool disableTopoff = false;
        int coolDown = 0;
        int fillTime = 8;       // position in the seconds list ("2:00 mins")
        bool warmRinse = false; // "WARM" (else "COLD")
        bool lessFill = false;  // "10% LESS" (else "FULL")
        int hotTempReduction = 0;
        int decimalPoint = 3;             // "100.00"
        bool setupOption = false;         // SETUP BYTE 1 bit 2
        std::array<bool, 4> setupByte2{}; // bits 0, 1, 2, 7
        // Bits of a loaded SETUP BYTE 1 or 2 that no box of the page holds.
        int strayBits1 = 0;
        int strayBits2 = 0;
        std::array<Special, kSpecialCount> specials{};
        std::array<int, 2> coinSlides{}; // 0 off, 1 on
        int coinPulseDelay = 0;          // position in the tenths list
        std::array<int, 4> pulses{20, 120, 20, 120};
        std::array<bool, 8> actions{};
    };

    AdvantechPageRules() { reset(); }

    QString pageName() const override;
    void reset() override;
    void load(const ColumnValues& columns) override;
    ColumnValues columns() const override;
    // Every field against its range or list, the kind's price at least $0.01.
    Check checkFields() const override;
    // Each coin's shortest pulse no longer than its longest.
    Check checkBeforeSave() const override;
    void writeRecord(const CommonValues& common, STRUCT_laundry_setup& record) const override;

    const Values& values() const { return values_; }
    Values& values() { return values_; }
    bool isDryer() const { return values_.machine == int(Machine::Dryer); }
    // The value of integerFields()[index].
    int& integerValue(size_t index);
    int integerValue(size_t index) const;

    // The bits of the card's setup bytes; a dryer has no rinse or fill choice.
    uint8_t setupByte1() const;
    uint8_t setupByte2() const;

    // Leaving a money edit: the amount is taken over, or the refusal returned.
    Check enterMoney(Money field, QStringView text);

    // The HOT TEMP REDUCTION list: "0", "5" .. "50".
    static const QStringList& hotTempReductionChoices();
    // The rinse and fill lists: "COLD", "WARM"; "FULL", "10% LESS".
    static QStringList rinseChoices();
    static QStringList fillChoices();

private:
    Check checkMoney(Money field, Currency amount) const;
    // The field's limits on a typed text: the refusal, or the amount.
    std::pair<Check, Currency> checkMoneyText(Money field, const QString& text) const;

    Values values_;
};

} // namespace profiles
