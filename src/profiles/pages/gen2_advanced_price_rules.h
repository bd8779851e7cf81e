// Rules of the "Prices" tab of the Maytag Gen2 Advanced and LG dialogs: the
// washer and dryer vend prices, the cycle prices of Cycle Based Pricing, the
// special prices, the super cycle upgrade, the coin values, the penny
// increments and the special-pricing days and hours. Prices are dollars and
// cents in whole nickels; the record and the card hold one byte of nickels.
#pragma once

#include "laundry/laundry_setup.h"
#include "profiles/profile_columns.h"
#include "profiles/refusal.h"
#include "services/dao.h"

#include <QStringList>

#include <array>

namespace profiles {

class Gen2AdvancedPriceRules {
public:
    enum Field : int {
        kVend,      // washer Regular
        kSpecVend,  // washer Special
        kRegDryer,  // dryer Regular
        kSpecDryer, // dryer Special
        kVendCold,
        kVendWarm,
        kVendHot,
        kSpecCold,
        kSpecWarm,
        kSpecHot,
        kSuperUpgrade, // shown on the "Super Cycles" tab
        kCoin1,
        kCoin2, // LG: the one Coin2/TopOff value
        kFieldCount
    };
    struct MoneyField {
        int control;
        const char* column;
        // $0.05 .. $9.95 with the vend prices' own message; otherwise
        // $0.00 .. $9.95 (Input Error).
        bool vendRange;
        const char* defaultAmount;
    };
    static const std::array<MoneyField, kFieldCount>& moneyFields();

    static constexpr int kPennyControl = 1160;
    static constexpr int kPennyDryerControl = 1161;
    static constexpr int kBeginControl = 1158;
    static constexpr int kEndControl = 1159;
    // Sun, Mon .. Sat, then All Days.
    static constexpr std::array<int, 7> kDayControls = {1647, 1136, 1137, 1138, 1139, 1140, 1141};
    static constexpr int kAllDaysControl = 1142;

    static const QStringList& pennyChoices(); // ".00" .. ".04"
    // "12 Midnight", "1 AM" .. "11 AM", "12 Noon", "1 PM" .. "11 PM".
    static const QStringList& hourChoices();

    explicit Gen2AdvancedPriceRules(bool lg) : lg_(lg) { reset(); }

    // Only LG's card carries a coin 2 value (its Coin2/TopOff value); a Gen2
    // Advanced profile keeps its COIN2 VALUE column as it was.
    bool coin2Shown() const { return lg_; }

    void reset();
    void load(const ColumnValues& columns);
    void addColumns(ColumnValues& columns) const;

    // Leaving a money field: its check, then (for the four vend prices) the
    // stacked washer/dryer rule of tokens, whose messages are shown here.
    Check leaveMoney(Field field, const QString& text, bool tokens, bool stacked);
    Check checkFields() const;
    // A stacked washer/dryer with tokens whose dryer and washer prices are equal.
    Check checkTokens(bool tokens, bool stacked) const;
    void writeRecord(STRUCT_laundry_setup& record) const;

    QString moneyText(Field f) const { return money_[size_t(f)]; }
    void setMoneyText(Field f, const QString& text) { money_[size_t(f)] = text; }
    Currency amount(Field f) const;
    int penny() const { return penny_; }
    void setPenny(int index) { penny_ = index; }
    int pennyDryer() const { return pennyDryer_; }
    void setPennyDryer(int index) { pennyDryer_ = index; }
    QString begin() const { return begin_; }
    void setBegin(const QString& text) { begin_ = text; }
    QString end() const { return end_; }
    void setEnd(const QString& text) { end_ = text; }
    bool day(int d) const { return days_[size_t(d)]; }
    void setDay(int d, bool on) { days_[size_t(d)] = on; }
    bool allDays() const { return allDays_; }
    void setAllDays(bool on) { allDays_ = on; }
    // "All Days" sets or clears every day with itself.
    void clickAllDays(bool on);

private:
    Check checkMoney(Field field, const QString& text, Currency* amount = nullptr) const;
    void keepApart(Field dryer, Field washer, const char* which);

    bool lg_;
    std::array<QString, kFieldCount> money_;
    int penny_ = 0;
    int pennyDryer_ = 0;
    QString begin_;
    QString end_;
    std::array<bool, 7> days_{};
    bool allDays_ = false;
};

} // namespace profiles
