// Rules of the Wascomat dialog (type 11): the machine type, the prices of
// the controller's programs 1-16 and of its two options, and the special
// prices with the days and the time window they apply in.
//
// Prices are dollars and cents; the record and the card keep each in a
// 16-bit count of cents, so $655.35 is the most a price can be. The page's
// limits are the card's: an amount the card cannot carry is refused where
// it is entered.
//
// Columns hold what the page holds: MACHINE TYPE the position in the machine
// list (0 Washer, 1 Dryer), SPEC PRICE BEGIN and SPEC PRICE END the times as
// "h:mm".
#pragma once

#include "profiles/page_rules.h"
#include "profiles/pages/wascomat_columns.h"

#include <QStringList>
#include <QStringView>

#include <array>

namespace profiles {

class WascomatPageRules : public PageRules {
public:
    // "Prices" tab: programs 1-16, then options 1 and 2.
    static constexpr int kMachineTypeControl = 2100;
    static constexpr int kFirstRegularControl = 2101;
    // "Special Prices" tab.
    static constexpr int kSpecPricingControl = 2120;
    static constexpr int kFirstSpecialControl = 2121;
    static constexpr std::array<int, 7> kDayControls = {2141, 2142, 2143, 2144,
                                                        2145, 2146, 2147}; // Sunday first
    static constexpr int kBeginControl = 2148;
    static constexpr int kEndControl = 2149;

    static constexpr int kPrograms = 16;
    static constexpr int kOptions = 2;
    static constexpr Currency kHighestPrice = Currency::fromCents(0xFFFF);
    // The record's feature_flags bit for special pricing.
    static constexpr uint8_t kSpecPricingFlag = 0x02;

    enum class Machine { Washer, Dryer };
    using Prices = std::array<Currency, kWascomatPriceCount>;

    struct Values {
        int machine = 0; // Machine
        Prices regular{};
        Prices special{};
        bool specPricing = false;
        std::array<bool, 7> days{}; // Sunday first
        QString begin;              // "h:mm"
        QString end;
    };

    WascomatPageRules() { reset(); }

    // "Washer", "Dryer".
    static QStringList machineEntries();
    // The machine type byte of the card: 2 washer (front-load), 9 dryer.
    static uint8_t machineTypeCode(Machine machine);
    // "Program 1" .. "Program 16", "Option 1", "Option 2".
    static QString priceLabel(int index);

    QString pageName() const override;
    void reset() override;
    void load(const ColumnValues& columns) override;
    ColumnValues columns() const override;
    Check checkFields() const override;
    // Special pricing needs a day to apply on.
    Check checkBeforeSave() const override;
    // The fields' limits are what the card holds.
    Check checkCardLimits() const override { return checkFields(); }
    void writeRecord(const CommonValues& common, STRUCT_laundry_setup& record) const override;

    const Values& values() const { return values_; }
    Values& values() { return values_; }

    // Leaving a price edit: blank is $0.00; a refused text leaves the price
    // as it was. The normalised text is priceText().
    Check enterPrice(int control, QStringView text);
    // Leaving a time edit: "h:m", shown again as "h:mm".
    Check enterTime(int control, QStringView text);
    // The price of a price edit, nullptr for another control.
    const Currency* priceOf(int control) const;

private:
    Values values_;
};

} // namespace profiles
