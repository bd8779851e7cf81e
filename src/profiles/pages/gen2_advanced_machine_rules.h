// Rules of the "Washer/Dryer" and "Super Cycles" tabs of the Maytag Gen2
// Advanced (type 5) and LG (type 8) dialogs: the machine kind, the cycle
// times and counts, the machine's identity, the super cycle type and the
// action code. Each number is one byte on the card (0-255); the location is
// six BCD digits.
#pragma once

#include "laundry/laundry_setup.h"
#include "profiles/profile_columns.h"
#include "profiles/refusal.h"

#include <QStringView>

#include <array>

namespace profiles {

class Gen2AdvancedMachineRules {
public:
    // The four kinds of the columns WASHER, WASHERHORIZ, WASHER DRYER STACK
    // and DRYER; LG offers Washer and Dryer only.
    enum class Kind { Washer, HorizontalWasher, Stack, Dryer };
    static constexpr std::array<int, 4> kKindControls = {1059, 1063, 1064, 1060};

    enum Number : int {
        kWash,
        kRinse,
        kPrewash,
        kFinalSpin,
        kNumRinses,
        kTopSpinSpeed,
        kDry,
        kRegularDry,
        kTopoffTime, // LG only
        kSuperCycleType,
        kPosition,
        kLocation,
        kNumberCount
    };
    struct NumberField {
        int control;
        const char* column;
        bool text; // the column holds the number as text
        int maximum;
        int defaultValue;
    };
    static const std::array<NumberField, kNumberCount>& numberFields();

    static constexpr int kSerialControl = 1101;
    static constexpr int kSerialLength = 10;
    // Set Serial, Set Position, Set Price, Set Cycle, Record Used, All Codes.
    enum Action : int { kSetSerial, kSetPosition, kSetPrice, kSetCycle, kRecordUsed, kAllCodes };
    static constexpr std::array<int, 6> kActionControls = {1173, 1174, 1175, 1176, 1177, 1178};
    static constexpr std::array<const char*, 6> kActionColumns = {
        "SET SERIAL", "SET POSITION", "SET PRICE", "SET CYCLE", "RECORD USED", "ALL CODES"};

    explicit Gen2AdvancedMachineRules(bool lg) : lg_(lg) { reset(); }

    bool lg() const { return lg_; }
    bool numberShown(Number n) const { return n != kTopoffTime || lg_; }
    bool kindOffered(Kind kind) const;

    void reset();
    void load(const ColumnValues& columns);
    void addColumns(ColumnValues& columns) const;
    Check checkFields() const;
    // Machine kind, model byte, cycle values, identity and action code.
    void writeRecord(STRUCT_laundry_setup& record) const;

    Kind kind() const { return kind_; }
    void setKind(Kind kind);
    bool isDryer() const { return kind_ == Kind::Dryer; }
    bool isStack() const { return kind_ == Kind::Stack; }
    // Which cycle values the kind uses (the others keep their values).
    bool washerTimes() const { return kind_ != Kind::Dryer; }
    bool dryerTimes() const { return kind_ == Kind::Dryer || kind_ == Kind::Stack; }

    int number(Number n) const { return numbers_[size_t(n)]; }
    void setNumber(Number n, int value) { numbers_[size_t(n)] = value; }
    // Leaving a number edit: its text taken into the value; a refusal
    // leaves the value as it was.
    Check readNumber(Number n, QStringView text);
    QString serial() const { return serial_; }
    void setSerial(const QString& text) { serial_ = text; }
    bool action(Action a) const { return actions_[size_t(a)]; }
    void setAction(Action a, bool on) { actions_[size_t(a)] = on; }
    // "All Codes" sets or clears every code with itself.
    void clickAllCodes(bool on);

private:
    Check checkNumber(Number n, int value) const;

    bool lg_;
    Kind kind_ = Kind::Washer;
    bool kindValid_ = true; // as loaded: exactly one kind chosen
    std::array<int, kNumberCount> numbers_{};
    QString serial_;
    std::array<bool, 6> actions_{};
};

} // namespace profiles
