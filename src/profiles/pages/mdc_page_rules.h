// Rules of the Speed Queen/Huebsch MDC pages (type 7): the "Washer/Dryer"
// page (machine kind, audio signal, washer cycle, dryer temperatures and
// times) and the "Pricing" page (regular and special prices, the
// time-of-day window and its days), with the enabling rules of both pages.
//
// Columns hold what the page holds, with two exceptions: HEAT TIME and COOL
// TIME hold the list index of the cycle and cool down times (minutes - 1),
// and DISABLE TOPOFF holds the "Top-off Enable" check (true when top-off is
// on), which is what the card's top-off bit means.
#pragma once

#include "profiles/page_rules.h"

#include <QStringList>
#include <QStringView>

#include <array>

namespace profiles {

class MdcPageRules : public PageRules {
public:
    // Washer/Dryer page.
    static constexpr int kTopLoadControl = 1330;
    static constexpr int kFrontLoadControl = 1331;
    static constexpr int kDryerControl = 1103;
    static constexpr int kTumblerControl = 1460;
    static constexpr int kAudioOnControl = 1461;
    static constexpr int kAudioOffControl = 1462;
    static constexpr int kToneLengthControl = 1158;
    static constexpr int kWasherCycleControl = 1486;
    static constexpr int kWaterSaverControl = 1488;
    static constexpr int kFahrenheitControl = 1483;
    static constexpr int kCelsiusControl = 1484;
    static constexpr std::array<int, 4> kTemperatureControls = {1476, 1477, 1478, 1479};
    static constexpr int kCycleTimeControl = 1480;
    static constexpr int kCoolDownControl = 1481;
    static constexpr int kTopoffControl = 1485;
    static constexpr int kTopoffTimeControl = 1482;
    // Pricing page; price rows are those of the grid, top to bottom.
    static constexpr std::array<int, 4> kRegularControls = {1491, 1489, 1490, 1492};
    static constexpr std::array<int, 4> kSpecialControls = {1495, 1493, 1494, 1496};
    static constexpr int kTopoffPriceControl = 1497;
    static constexpr int kTimeOfDayControl = 1142;
    static constexpr int kCyclePricingControl = 1143;
    static constexpr int kSundayControl = 1135; // .. 1141 Saturday
    static constexpr int kSpecificTimeControl = 1337;
    static constexpr int kAllDayControl = 1338;
    static constexpr int kStartTimeControl = 1539;
    static constexpr int kEndTimeControl = 1540;

    static constexpr int kToneLengthCount = 256; // 0 .. 63.75 seconds
    static constexpr int kLongestCycleTime = 99;
    static constexpr int kLongestCoolDown = 15;
    static constexpr int kLongestTopoffTime = 99;
    static constexpr Currency kHighestPrice = Currency::fromCents(9999);

    enum class Machine { TopLoadWasher, FrontLoadWasher, Dryer, Tumbler };
    enum Row { HighOrNormalHot, MediumOrNormalWarm, LowOrPermPress, Delicates };

    struct Values {
        int machine = 0;    // Machine
        int audio = 0;      // 0 "On", 1 "Off"
        int toneLength = 2; // index: 0.25 s steps
        // Top-load washer: list index + 3 (3 short, 4 long); front-load: list index.
        int washerCycle = 4;
        bool waterSaver = false;
        int temperatureUnit = 0;                         // 0 Fahrenheit, 1 Celsius
        std::array<int, 4> temperatures{-1, -1, -1, -1}; // list index, -1 none
        int cycleTime = 0;                               // minutes, 0 none
        int coolDown = 0;                                // minutes, 0 none
        bool topoff = false;
        int topoffTime = 0; // minutes

        std::array<Currency, 4> regular{};
        std::array<Currency, 4> special{};
        Currency topoffPrice;
        bool cyclePricing = false;
        bool timeOfDay = false;
        std::array<bool, 7> days{}; // Sunday first
        int activeTime = 0;         // 0 "Specific Time", 1 "All Day"
        QString start;
        QString end;
    };

    // What takes input while the page is being edited.
    struct Enabling {
        bool washerCycle = false;
        bool waterSaver = false;
        bool dryerSettings = false; // unit, temperatures, times, top-off check
        bool toneLength = false;
        bool topoffTime = false;
        std::array<bool, 4> regular{};
        std::array<bool, 4> special{};
        bool topoffPrice = false;
        bool cyclePricing = false;
        bool timeOfDay = false;
        bool timeOfDayControls = false; // days, "All Days", the two time choices
        bool timeEdits = false;
    };

    MdcPageRules() { reset(); }

    QString pageName() const override;
    void reset() override;
    void load(const ColumnValues& columns) override;
    ColumnValues columns() const override;
    Check checkFields() const override;
    // Time of Day Pricing needs an active day.
    Check checkBeforeSave() const override;
    void writeRecord(const CommonValues& common, STRUCT_laundry_setup& record) const override;
    // Token vending turns cycle-based pricing off and keeps it off.
    void setTokens(bool enabled) override;
    Check checkTokens(bool enabled) const override;

    const Values& values() const { return values_; }
    Values& values() { return values_; }
    Machine machine() const { return Machine(values_.machine); }
    bool isDryer() const;
    Enabling enabling() const;

    // The operator's choices, with what each brings along.
    void chooseMachine(Machine machine);
    void chooseTemperatureUnit(int unit);
    void chooseAudio(int audio);
    void chooseTopoff(bool on);
    void chooseAllDay(bool allDay);
    void checkAllDays();
    // Leaving the cycle time or cool down list with the values it holds: a
    // cool down longer than the cycle sets the list left back to its default.
    Check leaveCycleTimes(int control);
    // Leaving a time edit with both texts: each is read back into range.
    void leaveTimes(QStringView start, QStringView end);
    // Leaving a price edit: text that is no amount counts as $0.00; a refused
    // amount leaves the price as it was.
    Check enterPrice(int control, QStringView text);

    // Lists of the Washer/Dryer page.
    static QStringList toneLengthEntries();
    static QStringList washerCycleEntries(Machine machine);
    static QStringList temperatureEntries(Machine machine, int unit);
    static QStringList minuteEntries(int first, int last);
    // The list index the page shows for a value it keeps.
    int washerCycleIndex() const;
    static int noHeatIndex(Machine machine);

private:
    Currency* priceOf(int control);

    Values values_;
    bool tokens_ = false;
};

} // namespace profiles
