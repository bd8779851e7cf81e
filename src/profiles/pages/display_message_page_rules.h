// The rules of the Retrofit (code 0) and Electromechanical (code 1) option
// pages: the reader's idle and busy messages, how it shows them, the cash
// deduction mode, and for the Retrofit the coin pulses or for the
// Electromechanical the dryer times. One class serves both codes; the code
// decides the columns, the messages and the record fields.
#pragma once

#include "profiles/page_rules.h"

#include <optional>

namespace profiles {

struct DisplayMessageValues {
    QString idleMessage;
    QString busyMessage;
    bool displayIdle = false;
    bool displayPrice = false;
    int scrollSpeed = 0;
    int pulses = 0;          // Retrofit only
    int deduction = 0;       // 0 "Immediate", 1 "Count Down", 2 "Re-insert"
    int busyDisplayType = 0; // 0 busy message, 1 cycle time remaining
    int dryerRunTime = 0;    // Electromechanical only, the three times
    int heatTime = 0;
    int topoffTime = 0;
};

class DisplayMessagePageRules : public PageRules {
public:
    static constexpr int kRetrofit = 0;
    static constexpr int kElectromechanical = 1;

    // Control ids of both pages' resources.
    enum Control : int {
        kIdDisplayIdle = 1002,
        kIdDisplayPrice = 1003,
        kIdIdleMessage = 1009,
        kIdBusyMessage = 1010,
        kIdDryerRunTime = 1022,
        kIdHeatTime = 1025,
        kIdTopoffTime = 1028,
        kIdRetrofitScrollEdit = 1032,
        kIdPulses = 1033,
        kIdDeduction = 1038,
        kIdRetrofitScrollSlider = 1184,
        kIdElectromechanicalScrollSlider = 1185,
        kIdElectromechanicalScrollEdit = 1258,
        kIdShowBusyMessage = 1332,
        kIdShowCycleTime = 1333,
    };

    static constexpr char kColIdleMessage[] = "IDLE MESSAGE";
    static constexpr char kColBusyMessage[] = "BUSY MESSAGE";
    static constexpr char kColDisplayIdle[] = "DISPLAY IDLE";
    static constexpr char kColDisplayPrice[] = "DISPLAY PRICE";
    static constexpr char kColScrollSpeed[] = "SCROLL SPEED";
    static constexpr char kColPulses[] = "PULSES";
    static constexpr char kColDeduction[] = "DEDUCTION";
    static constexpr char kColBusyDisplayType[] = "BUSY DISPLAY TYPE";
    static constexpr char kColDryerRunTime[] = "DRYER RUN TIME";
    static constexpr char kColHeatTime[] = "HEAT TIME";
    static constexpr char kColTopoffTime[] = "TOPOFF TIME";

    static constexpr int kMessageMaxLength = 30;
    static constexpr int kScrollSpeedMax = 100;
    static constexpr int kPulsesMax = 99;
    static constexpr int kDryerTimeMax = 199;

    // code: kRetrofit or kElectromechanical.
    explicit DisplayMessagePageRules(int code);

    int code() const { return code_; }
    bool isRetrofit() const { return code_ == kRetrofit; }
    // The scroll speed pair differs between the two resources.
    int scrollSliderId() const;
    int scrollEditId() const;

    const DisplayMessageValues& values() const { return values_; }
    DisplayMessageValues& values() { return values_; }

    QString pageName() const override;
    void reset() override;
    void load(const ColumnValues& columns) override;
    ColumnValues columns() const override;

    // The checks of leaving a field; nullopt stands for a text that is no
    // number, which every range refuses.
    Check checkScrollSpeed(std::optional<int> value) const;
    Check checkPulses(std::optional<int> value) const;
    Check checkDryerRunTime(std::optional<int> value) const;
    Check checkHeatTime(std::optional<int> value) const;
    Check checkTopoffTime(std::optional<int> value) const;

    Check checkFields() const override;
    // The idle text, then the busy text, against the reader's character set.
    Check checkBeforeSave() const override;
    // Electromechanical cards hold the three times in BCD bytes (0-99),
    // narrower than the page's 0-199.
    Check checkCardLimits() const override;
    void writeRecord(const CommonValues& common, STRUCT_laundry_setup& record) const override;

private:
    int code_;
    DisplayMessageValues values_;
};

} // namespace profiles
