// Rules of the "Prices" page of the Maytag Marlin, Quicksilver and MHN33
// dialogs: the coin value, the eight cycle and option prices, the penny
// increment and the special-pricing schedule. Prices are entered as dollars
// and cents, each a whole multiple of the coin value; the record and the
// card hold them in whole nickels.
#pragma once

#include "laundry/laundry_setup.h"
#include "profiles/profile_columns.h"
#include "profiles/refusal.h"
#include "services/dao.h"

#include <QStringList>

#include <array>

namespace profiles {

class MaytagPricePageRules {
public:
    enum Field : int {
        kCoin1,
        kNormal,
        kDelicate,
        kPowerwash,
        kCoolUpgrade,
        kWarmUpgrade,
        kHotUpgrade,
        kExtraRinse,
        kSoilLevel,
        kSpecNormal,
        kSpecDelicates,
        kSpecPowerwash,
        kMoneyFieldCount
    };
    struct MoneyField {
        int control;
        const char* column;
        const char* label;
        bool zeroAllowed;
        qint64 maximumCents;
    };
    static const std::array<MoneyField, kMoneyFieldCount>& moneyFields();

    static constexpr int kPennyIncrementControl = 1160;
    static constexpr int kSpecPricingControl = 1142;
    static constexpr int kStartTimeControl = 1158;
    static constexpr int kEndTimeControl = 1159;
    // Sun, Mon .. Sat.
    static constexpr std::array<int, 7> kDayControls = {1647, 1136, 1137, 1138, 1139, 1140, 1141};
    // The machine type of the MHN33 dialog: its machines have no Soil Level.
    static constexpr int kMhn33MachineType = 16;

    // ".00" .. ".04".
    static const QStringList& pennyIncrementChoices();
    // "Midnight", "1 AM" .. "11 AM", "12 PM", "1 PM" .. "11 PM".
    static const QStringList& hourChoices();

    explicit MaytagPricePageRules(int machineType) : machineType_(machineType) { reset(); }

    bool soilLevelShown() const { return machineType_ != kMhn33MachineType; }

    void reset();
    void load(const ColumnValues& columns);
    void addColumns(ColumnValues& columns) const;

    // Leaving a money field: the check of its kind against the coin value
    // entered; on success the text is shown normalised (and a coin value
    // becomes the multiple of the prices).
    Check leaveMoneyField(Field field, const QString& text);
    // Every shown field in page order, as before a save.
    Check checkFields() const;
    // Prices the page allows up to $50.00, but the card keeps one byte of
    // nickels ($12.75 at most).
    Check checkCardLimits() const;
    void writeRecord(STRUCT_laundry_setup& record) const;

    QString moneyText(Field field) const { return money_[size_t(field)]; }
    void setMoneyText(Field field, const QString& text) { money_[size_t(field)] = text; }
    int pennyIncrement() const { return pennyIncrement_; }
    void setPennyIncrement(int index) { pennyIncrement_ = index; }
    bool specPricing() const { return specPricing_; }
    void setSpecPricing(bool on) { specPricing_ = on; }
    // The texts of the Start and End Time lists.
    QString startTime() const { return startTime_; }
    QString endTime() const { return endTime_; }
    void setStartTime(const QString& text) { startTime_ = text; }
    void setEndTime(const QString& text) { endTime_ = text; }
    bool day(int index) const { return days_[size_t(index)]; }
    void setDay(int index, bool on) { days_[size_t(index)] = on; }

private:
    Check checkMoney(Field field, const QString& text, Currency coinValue,
                     Currency* amount = nullptr) const;
    bool fieldShown(Field field) const { return field != kSoilLevel || soilLevelShown(); }

    int machineType_;
    std::array<QString, kMoneyFieldCount> money_;
    Currency coinValue_;
    int pennyIncrement_ = 0;
    bool specPricing_ = false;
    QString startTime_;
    QString endTime_;
    std::array<bool, 7> days_{};
};

} // namespace profiles
