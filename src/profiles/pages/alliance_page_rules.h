// Rules of the Alliance Quantum/ACA option dialog (IDD_DIALOG_CENTURION): the
// main page (product line, machine kind, cycle-based pricing, audio signal,
// vend price, ACA tier), the washer and dryer price pages, the dryer/tumbler
// settings page and the top-load and front-load washer settings pages of the
// Quantum and the ACA lines.
//
// One set of values serves every page: a page that does not apply to the
// chosen product line and machine kind keeps its values, and a save writes
// every column of the type, so switching the machine kind back loses
// nothing. The record conversion writes the main page and the pages of the
// chosen variant only.
//
// Columns hold list positions for the coded values (temperatures, times,
// machine size), the record's machine-type code in MACHINE TYPE, the tier
// number (1, 3, 4) in ACA TIER, and DISABLE TOPOFF true when top-off is off.
//
// The editor runs a type-9 page's checkBeforeSave before a save and a
// conversion; it holds every field check, so an import reports a bad value
// once. checkFields is left empty on purpose.
#pragma once

#include "profiles/page_rules.h"

#include <QStringList>
#include <QStringView>

#include <array>

namespace profiles {

class AlliancePageRules : public PageRules {
public:
    // Main page.
    static constexpr int kProductLineControl = 1600;
    static constexpr int kMachineKindControl = 1601;
    static constexpr int kCyclePricingControl = 1602;
    static constexpr int kAudioControl = 1603;
    static constexpr int kVendPriceControl = 1604;
    static constexpr int kTierControl = 1605;
    // Price pages.
    static constexpr int kWasherPriceControl = 1610; // .. 1618, PRICE1 .. PRICE9
    static constexpr std::array<int, 4> kDryerPriceControls = {1620, 1621, 1622, 1623};
    static constexpr int kNoHeatPriceControl = 1624;
    // Dryer/tumbler settings page.
    static constexpr int kTemperatureUnitControl = 1630;
    static constexpr std::array<int, 4> kTemperatureControls = {1631, 1632, 1633, 1634};
    static constexpr int kHeatedTimeControl = 1635;
    static constexpr int kNoHeatTimeControl = 1636;
    static constexpr std::array<int, 4> kCoolDownControls = {1637, 1638, 1639, 1640};
    static constexpr int kTopoffControl = 1641;
    static constexpr int kTopoffPriceControl = 1642;
    static constexpr int kTopoffTimeControl = 1643;
    // Washer settings pages; the cycle lists show the cycle chosen by the
    // "Normal", "Perm Press" and "Delicate" buttons.
    static constexpr std::array<int, 4> kCycleSettingControls = {1650, 1651, 1652, 1653};
    static constexpr int kHeavyAddedPriceControl = 1660;
    static constexpr int kMediumAddedPriceControl = 1661;
    static constexpr int kHeavyExtraWashControl = 1662;
    static constexpr int kHeavyExtraRinseControl = 1663;
    static constexpr int kMediumExtraWashControl = 1664;
    static constexpr int kMediumExtraRinseControl = 1665;
    static constexpr int kEnableHeavyControl = 1666;
    static constexpr int kWarmRinseControl = 1667;
    static constexpr int kMediumWarmRinseControl = 1668;
    static constexpr int kFlwExtraWashControl = 1669;
    static constexpr int kMachineSizeControl = 1670;
    static constexpr int kCycleOptionControl = 1680; // .. 1691, medium then heavy

    // Machine-type codes of the record.
    static constexpr int kTopLoadWasher = 1;
    static constexpr int kFrontLoadWasher = 2;
    static constexpr int kExtractor = 4;
    static constexpr int kTumbler = 8;
    static constexpr int kDryer = 9;

    static constexpr int kWasherPriceCount = 9;
    static constexpr Currency kHighestPrice = Currency::fromCents(0xFFFF);
    // List lengths (positions 0 .. count - 1).
    static constexpr int kTemperatureCount = 19;    // 190 F .. 100 F
    static constexpr int kCycleTimeCount = 99;      // 1 .. 99 minutes
    static constexpr int kCoolDownCount = 15;       // 1 .. 15 minutes
    static constexpr int kTopoffTimeCount = 99;     // 1 .. 99 minutes
    static constexpr int kExtraTimeCount = 16;      // 0 .. 15 minutes
    static constexpr int kTemperatureCodeBase = 13; // record code of list position 0

    enum class Page {
        Main,
        WasherPrices,
        DryerPrices,
        DryerSettings,
        QuantumTopLoad,
        QuantumFrontLoad,
        AcaTopLoad,
        AcaFrontLoad
    };
    // Settings of the top-load cycles, each held for Normal, Perm Press and Delicate.
    enum CycleSetting { Wash, Rinse, ExtraRinse, FinalSpin };
    // Switches of the front-load medium and heavy cycles. Quantum uses the
    // first four, ACA the last five (additional wash, rinse, warm rinse are
    // the same switches as extra wash, extra rinse and warm rinse).
    enum CycleOption { Prewash, ExtraRinseOption, ExtraWashOption, WarmRinseOption, Mode1, Mode2 };
    static constexpr int kCycleOptionCount = 6;

    // What the medium and heavy cycles of the washers add.
    struct AddedCycle {
        Currency price = Currency::fromCents(25);
        int extraWash = 0;  // minutes
        int extraRinse = 0; // minutes
        bool warmRinse = false;
        std::array<bool, kCycleOptionCount> options{};
    };

    struct Values {
        int productLine = 0; // 0 "Quantum", 1 "ACA"
        int machineType = kTopLoadWasher;
        bool cyclePricing = false;
        bool audio = true;
        Currency vendPrice = Currency::fromCents(150);
        int tier = 4; // 1, 3 or 4; ACA only

        std::array<Currency, kWasherPriceCount> washerPrices{};
        std::array<Currency, 4> dryerPrices{}; // High, Medium, Low, Delicates
        Currency noHeatPrice;

        int temperatureUnit = 0;                      // 0 Fahrenheit, 1 Celsius
        std::array<int, 4> temperatures{0, 2, 6, 12}; // positions: 190, 180, 160, 130 F
        int heatedCycleTime = 44;                     // position: 45 minutes
        int noHeatCycleTime = 29;                     // position: 30 minutes
        std::array<int, 4> coolDownTimes{2, 2, 2, 2}; // positions: 3 minutes
        bool topoff = false;
        Currency topoffPrice = Currency::fromCents(25);
        int topoffTime = 9; // position: 10 minutes

        // [setting][cycle], minutes: wash 10, rinse 4, extra rinse 0, final
        // spin 7, 6, 5.
        std::array<std::array<int, 3>, 4> cycleSettings{
            {{10, 10, 10}, {4, 4, 4}, {0, 0, 0}, {7, 6, 5}}};
        AddedCycle medium;
        AddedCycle heavy;
        bool enableHeavyCycle = false;
        int flwExtraWash = 0; // minutes
        int machineSize = 1;  // position in machineSizeEntries()
    };

    AlliancePageRules() { reset(); }

    QString pageName() const override;
    void reset() override;
    void load(const ColumnValues& columns) override;
    ColumnValues columns() const override;
    // Every field's range, the machine kind the product line makes, and the
    // money a card holds.
    Check checkBeforeSave() const override;
    void writeRecord(const CommonValues& common, STRUCT_laundry_setup& record) const override;
    // Token vending turns cycle-based pricing off and keeps it off.
    void setTokens(bool enabled) override;
    Check checkTokens(bool enabled) const override;

    const Values& values() const { return values_; }
    Values& values() { return values_; }
    bool aca() const { return values_.productLine == 1; }
    bool isDryer() const;
    bool tokens() const { return tokens_; }
    // The pages of the chosen product line and machine kind, main page first.
    std::vector<Page> pages() const;

    // Choosing the product line keeps the machine kind when the line makes
    // it, else takes the nearest kind it makes (a tumbler becomes a dryer).
    void chooseProductLine(int line);

    // The machine kinds a product line offers, as record codes and names.
    static std::vector<int> machineTypes(int productLine);
    static QString machineTypeName(int machineType);
    static QStringList tierEntries(); // "A1", "A3", "A4"
    static int tierOfEntry(int entry);
    static int entryOfTier(int tier);
    static QStringList temperatureEntries(int unit);
    static QStringList minuteEntries(int first, int count);
    static QStringList machineSizeEntries();
    static QString washerPriceLabel(int index);

    // A price edit left with its text: text that is no amount is refused.
    Check enterPrice(int control, QStringView text, Currency& price) const;

private:
    Values values_;
    bool tokens_ = false;
};

} // namespace profiles
