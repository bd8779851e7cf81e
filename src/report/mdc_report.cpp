// Speed Queen/Huebsch MDC setup card (193): read back into its family record
// and described item by item.
#include "laundry/laundry_setup.h"
#include "laundry/mdc_setup_card.h"
#include "report/formatters.h"
#include "report/report_lines.h"
#include "services/cardlayout.h"

#include <array>

namespace report {
namespace {

constexpr uint8_t kTopLoadWasher = 1;
constexpr uint8_t kFrontLoadWasher = 2;
constexpr uint8_t kTumbler = 8;
constexpr uint8_t kDryer = 9;

bool isDryer(uint8_t type)
{
    return type == kTumbler || type == kDryer;
}
bool isWasher(uint8_t type)
{
    return type == kTopLoadWasher || type == kFrontLoadWasher;
}

// mdc_pricing_flags
constexpr int kTopOffBit = 0;
constexpr int kCyclePricingBit = 1;
constexpr int kSpecialPricingBit = 2;
// mdc_options: bit 4 is the water saver on a top-load washer and the
// Celsius unit on a dryer.
constexpr int kAudioBit = 3;
constexpr int kWaterSaverOrCelsiusBit = 4;

const char* machineTypeName(uint8_t type)
{
    switch (type) {
    case kTopLoadWasher:
        return "Top-Load Washer";
    case kFrontLoadWasher:
        return "Front-Load Washer";
    case kTumbler:
        return "Tumbler";
    case kDryer:
        return "Dryer";
    default:
        return "";
    }
}

QString minutesLine(const char* label, int minutes)
{
    return QString::asprintf("%s: %d minute%s \r\n", label, minutes, minutes == 1 ? "" : "s");
}

QString cents(const char* label, uint16_t amount)
{
    return moneyLine(QLatin1String(label), amount, 1);
}

uint8_t fromBcd(uint8_t value)
{
    return uint8_t((value >> 4) * 10 + (value & 0x0F));
}

// Dryer temperatures are stored as steps of 5 degrees F down from a base;
// one code of each scale means no heat at all.
struct HeatScale {
    int baseFahrenheit;
    uint8_t noHeatCode;
};
constexpr HeatScale kTumblerScale{190, 19};
constexpr HeatScale kDryerScale{160, 13};

QString temperatureLine(const char* name, uint8_t code, HeatScale scale, bool celsius)
{
    if (code == scale.noHeatCode)
        return QString::asprintf("%s: No Heat \r\n", name);
    const int fahrenheit = scale.baseFahrenheit - 5 * code;
    if (celsius)
        return QString::asprintf("%s: %d deg. C \r\n", name, int((fahrenheit - 32) * 0.5555556));
    return QString::asprintf("%s: %d deg. F \r\n", name, fahrenheit);
}

void appendDryerSettings(const MDC_SETUP_CARD& card, QString& text)
{
    text += minutesLine("Cycle Time", card.mdc_cycle_or_heat);
    text += minutesLine("Cool Down Time", card.mdc_cool_time);
    const bool topOff = bit(card.mdc_pricing_flags, kTopOffBit);
    text += QStringLiteral("Top-off: ") + onOff(topOff) + QLatin1String(kEndOfLine);
    if (topOff) {
        text += cents("Top-off Price: ", card.topoff_price_alt);
        text += minutesLine("Top-off Time", card.topoff_time_alt);
    }
    text += QLatin1String(kEndOfLine);

    const HeatScale scale = card.machine_type == kTumbler ? kTumblerScale : kDryerScale;
    const bool celsius = bit(card.mdc_options, kWaterSaverOrCelsiusBit);
    text += temperatureLine("High", card.temp_high, scale, celsius);
    text += temperatureLine("Medium", card.temp_med, scale, celsius);
    text += temperatureLine("Low", card.temp_low, scale, celsius);
    text += temperatureLine("Delicates", card.temp_delicate, scale, celsius);
    text += QLatin1String(kEndOfLine);
}

const char* topLoadCycleName(uint8_t cycle)
{
    switch (cycle) {
    case 0:
        return "Short Cycle";
    case 1:
        return "Long Cycle";
    default:
        return "Invalid";
    }
}

const char* frontLoadCycleName(uint8_t cycle)
{
    switch (cycle) {
    case 3:
        return "Wash & 2 Rinses";
    case 4:
        return "Wash & 3 Rinses";
    case 5:
        return "Pre-Wash, Wash & 3 Rinses";
    default:
        return "Invalid";
    }
}

void appendWasherSettings(const MDC_SETUP_CARD& card, QString& text)
{
    if (card.machine_type == kTopLoadWasher) {
        text += QString::asprintf("Cycle: %s \r\n", topLoadCycleName(card.mdc_cycle_or_heat));
        text += QStringLiteral("Water Saver: ") +
                onOff(bit(card.mdc_options, kWaterSaverOrCelsiusBit)) + QStringLiteral(" \r\n");
    } else {
        text += QString::asprintf("Cycle: %s \r\n", frontLoadCycleName(card.mdc_cycle_or_heat));
    }
    text += QLatin1String(kEndOfLine);
}

// The four cycle prices in report order, as indices into mdc_prices: the
// card keeps them as normal, delicate, heavy, perm press.
constexpr std::array<int, 4> kRegularPriceOrder = {2, 0, 3, 1};
constexpr std::array<int, 4> kSpecialPriceOrder = {6, 4, 7, 5};
// Without cycle pricing one price stands for all, shown with the third label.
constexpr int kSinglePriceLabel = 2;
constexpr int kSingleRegularPrice = 0;
constexpr int kSingleSpecialPrice = 4;

using PriceLabels = std::array<const char*, 4>;
constexpr PriceLabels kDryerRegularLabels = {
    "Regular High Temp: ", "Regular Medium Temp: ", "Regular Low Temp: ", "Regular Delicates: "};
constexpr PriceLabels kWasherRegularLabels = {
    "Regular Normal Hot: ", "Regular Normal Warm: ", "Regular Perm Press Warm: ",
    "Regular Delicates Cold: "};
constexpr PriceLabels kDryerSpecialLabels = {
    "Special High Temp: ", "Special Medium Temp: ", "Special Low Temp: ", "Special Delicates: "};
constexpr PriceLabels kWasherSpecialLabels = {
    "Special Normal Hot: ", "Special Normal Warm: ", "Special Perm Press Warm: ",
    "Special Delicates Cold: "};

// Other machine types have no prices to show.
void appendPrices(const MDC_SETUP_CARD& card, bool special, QString& text)
{
    const uint8_t type = card.machine_type;
    if (!isDryer(type) && !isWasher(type))
        return;
    const PriceLabels& labels = special
                                    ? (isDryer(type) ? kDryerSpecialLabels : kWasherSpecialLabels)
                                    : (isDryer(type) ? kDryerRegularLabels : kWasherRegularLabels);
    if (!bit(card.mdc_pricing_flags, kCyclePricingBit)) {
        const int single = special ? kSingleSpecialPrice : kSingleRegularPrice;
        text += cents(labels[kSinglePriceLabel], card.mdc_prices[single]);
        return;
    }
    const auto& order = special ? kSpecialPriceOrder : kRegularPriceOrder;
    for (std::size_t i = 0; i < order.size(); ++i)
        text += cents(labels[i], card.mdc_prices[order[i]]);
}

constexpr std::array<const char*, 7> kDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};

void appendSpecialTimes(const MDC_SETUP_CARD& card, QString& text)
{
    if (card.spec_begin_hour == 0 && card.spec_begin_minute == 0 && card.spec_end_hour == 0 &&
        card.spec_end_minute == 0) {
        text += QStringLiteral("Special Active Time:  All Day \r\n");
    } else {
        text += QString::asprintf("Special Start Time: %02d:%02d \r\n",
                                  fromBcd(card.spec_begin_hour), fromBcd(card.spec_begin_minute));
        text += QString::asprintf("Special End Time: %02d:%02d \r\n", fromBcd(card.spec_end_hour),
                                  fromBcd(card.spec_end_minute));
    }
    text += QStringLiteral("Special Active Days: \r\n");
    // Bit 0 of the days byte is unused; Sunday is bit 1.
    for (std::size_t day = 0; day < kDayNames.size(); ++day)
        if (bit(card.mdc_days, int(day) + 1))
            text += QString(24, QLatin1Char(' ')) + QLatin1String(kDayNames[day]) +
                    QStringLiteral(" \r\n");
}

void appendOptions(const MDC_SETUP_CARD& card, QString& text)
{
    const auto onOffLine = [&text](const char* label, bool on) {
        text += QLatin1String(label) + onOff(on) + QStringLiteral(" \r\n");
    };
    onOffLine("Check Location: ", card.option_flags & kCheckLocationBit);
    onOffLine("Clear Counters: ", card.option_flags & kClearCountersBit);
    onOffLine("User Transactions: ", card.option_flags & kUserTransactionBit);
    const bool audio = bit(card.mdc_options, kAudioBit);
    onOffLine("Audio: ", audio);
    if (audio)
        text += QString::asprintf("Audio Tone Length: %.2f seconds \r\n", card.audio_time * 0.25);
    text += QLatin1String(kEndOfLine);
}

QString describe(const MDC_SETUP_CARD& card)
{
    QString text;
    if (card.max_card_value > 0)
        text += QString::asprintf("Max Card Value: $%d.00\r\n\r\n", int(card.max_card_value));
    text += QStringLiteral("Machine Location: ") + cardText(card.text_field_10, 10) +
            QLatin1String(kEndOfLine);
    text += QStringLiteral("MachineID: ") + cardText(card.text_field_1a, 10) +
            QLatin1String(kEndOfLine);
    text += QString::asprintf("Machine Type: %s\r\n", machineTypeName(card.machine_type));
    text += QLatin1String(kEndOfLine);

    if (isDryer(card.machine_type))
        appendDryerSettings(card, text);
    else if (isWasher(card.machine_type))
        appendWasherSettings(card, text);

    text += QStringLiteral("Cycle Based Pricing: ") +
            onOff(bit(card.mdc_pricing_flags, kCyclePricingBit)) + QLatin1String(kEndOfLine);
    appendPrices(card, false, text);
    text += QLatin1String(kEndOfLine);

    const bool special = bit(card.mdc_pricing_flags, kSpecialPricingBit);
    text += QStringLiteral("Special Pricing: ") + onOff(special) + QLatin1String(kEndOfLine);
    if (special)
        appendPrices(card, true, text);
    appendSpecialTimes(card, text);
    text += QLatin1String(kEndOfLine);

    appendOptions(card, text);
    return text;
}

} // namespace

void describeMdc(QString& text)
{
    MDC_SETUP_CARD card{};
    if (cardlayout::NIMBOReadMdcSetup(&card) != 0) {
        showReadError(kErrorReadingSetup);
        return;
    }
    text += describe(card);
}

} // namespace report
