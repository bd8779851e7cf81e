// Formatters of the setup cards the layout library reads into a family
// record: Tovan2000, Retrofit, Maytag Gen2 and Gen2 Advanced (LG too) and
// Advantech. Each prints from record offsets, through the record's fields.
#include "laundry/advanteck_setup_card.h"
#include "laundry/gen2_setup_card.h"
#include "laundry/laundry_setup.h"
#include "laundry/setup_cards.h"
#include "laundry/tovan2000_setup_card.h"
#include "report/formatters.h"
#include "report/report_lines.h"
#include "services/cardcore.h"
#include "services/cardlayout.h"

#include <array>
#include <cstdint>
#include <optional>

namespace report {
namespace {

// A zero-filled record filled by the reader, or nullopt after showing the
// setup read error.
template <typename Record> std::optional<Record> readSetup(uint8_t (*reader)(Record*))
{
    Record record{};
    if (reader(&record) != 0) {
        showReadError(kErrorReadingSetup);
        return std::nullopt;
    }
    return record;
}

QString line(const char* label, const QString& value)
{
    return QLatin1String(label) + value + QLatin1String(kEndOfLine);
}

QString locationLines(const char (&location)[10], const char (&machineId)[10])
{
    return line("Machine Location: ", cardText(location, sizeof location)) +
           line("MachineID: ", cardText(machineId, sizeof machineId));
}

QString checkAndClearLines(uint8_t flags)
{
    return line("Check Location: ", onOff(flags & kCheckLocationBit)) +
           line("Clear Counters: ", onOff(flags & kClearCountersBit));
}

QString optionLines(uint8_t flags)
{
    return checkAndClearLines(flags) +
           line("User Transactions: ", onOff(flags & kUserTransactionBit));
}

QString maxCardValueLine(uint16_t wholeDollars)
{
    return QString::asprintf("Max Card Value: $%d.00\r\n", int(wholeDollars));
}

// Minutes of a BCD hours byte followed by a BCD minutes byte.
int bcdMinutes(const uint8_t* hoursThenMinutes)
{
    return cardcore::bcd_to_hex(hoursThenMinutes[0]) * 60 +
           cardcore::bcd_to_hex(hoursThenMinutes[1]);
}

// Gen2 Advanced prices are counts of pennies and nickels.
QString coinPrice(int pennies, int nickels)
{
    return dollars(pennies * 0.01 + nickels * 0.05);
}

QString machineMake(int code)
{
    static constexpr std::array<const char*, 10> kMakes = {
        "Maytag",        "Whirlpool", "Speedqueen", "American Dryer", "Continental",
        "Dexter (IPSO)", "Wascomat",  "Sears",      "Huebsch",        "Speedqueen Military"};
    return QLatin1String(code < int(kMakes.size()) ? kMakes[code] : "UNKNOWN");
}

constexpr int kTopoffEnabledBit = 5; // the dryer bit of the option flags

} // namespace

void describeTovan2000(QString& text)
{
    const auto card = readSetup(&cardlayout::NIMBOReadTovan2000Setup);
    if (!card)
        return;
    const uint8_t flags = card->option_flags;
    text += locationLines(card->text_field_10, card->text_field_1a);
    text += line("Vend Price: ", centsAsDollars(card->vend_price));
    text += checkAndClearLines(flags);
    text += machineTypeLine(flags);
    if (bit(flags, kTopoffEnabledBit))
        text += line("Topoff Price: ", centsAsDollars(card->topoff_price));
    // time_bcd holds dry, cool and top-off times, each BCD hours then minutes.
    text += QString::asprintf("Topoff Time: %d (mins)\r\n", bcdMinutes(&card->time_bcd[4]));
    text += QString::asprintf("Dry Time: %d (mins)\r\n", bcdMinutes(&card->time_bcd[0]));
    text += QString::asprintf("Cool Time: %d (mins)\r\n", bcdMinutes(&card->time_bcd[2]));
}

void describeRetrofit(QString& text)
{
    const auto card = readSetup(&cardlayout::NIMBOReadRetrofitSetup);
    if (!card)
        return;
    const uint8_t flags = card->option_flags;
    const uint8_t display = card->display_flags & 0xFF;
    text += locationLines(card->text_field_10, card->text_field_1a);
    text += line("Idle Message: ", cardText(card->idle_message, sizeof card->idle_message));
    text += line("Busy Message: ", cardText(card->busy_message, sizeof card->busy_message));
    text += line("Vend Price: ", centsAsDollars(card->vend_price));
    text += optionLines(flags);
    text += machineTypeLine(flags);
    text += line("Machine Make: ", machineMake(card->display_flags >> 12));
    text += line("Display Idle Msg: ", onOff(bit(display, 2)));
    text += line("Display Price When Idle: ", onOff(!bit(display, 3)));
    if (bit(flags, kTopoffEnabledBit))
        text += line("Topoff Price: ", centsAsDollars(card->topoff_price));
    text += QString::asprintf("Number of Pulses: %d\r\n", int(card->pulses));
    text += QString::asprintf("Display %s while running\r\n",
                              bit(display, 4) ? "Busy Msg" : "Countdown");
    // Cards before version 2 carry no maximum card value.
    if (card->card_version >= 2)
        text += maxCardValueLine(card->max_card_value);
}

void describeGen2Advanced(QString& text)
{
    const auto card = readSetup(&cardlayout::NIMBOReadGen2AdvSetup);
    if (!card)
        return;
    constexpr int kCyclePricingBit = 5;
    const int pennies = card->penny_increment;
    text += locationLines(card->text_field_10, card->text_field_1a);
    text += line("Dryer Price: ", coinPrice(card->penny_increment_dryer, card->reg_dryer_price));
    if (!bit(card->feature_flags_2, kCyclePricingBit)) {
        text += line("Washer Price: ", coinPrice(pennies, card->vend_price));
    } else {
        text += line("Washer Cold Price: ", coinPrice(pennies, card->vend_cold_price));
        text += line("Washer Warm Price: ", coinPrice(pennies, card->vend_warm_price));
        text += line("Washer Hot Price: ", coinPrice(pennies, card->vend_hot_price));
    }
    text += line("Topoff Price: ", dollars(card->coin2_value * 0.05));
    text += line("Topoff: ", QLatin1String(bit(card->feature_flags, 0) ? "DISABLED" : "ENABLED"));
    text += line("Super Cycle: ", onOff(bit(card->feature_flags, 6)));
    text += optionLines(card->option_flags);
    if (card->max_card_value > 0)
        text += maxCardValueLine(card->max_card_value);
}

void describeGen2(QString& text)
{
    const auto card = readSetup(&cardlayout::NIMBOReadGen2Setup);
    if (!card)
        return;
    text += locationLines(card->text_field_10, card->text_field_1a);
    text += line("Vend Price: ", centsAsDollars(card->vend_price));
    text += line("Topoff Price: ", centsAsDollars(card->topoff_price_alt));
    text += optionLines(card->option_flags);
}

void describeAdvantech(QString& text)
{
    const auto card = readSetup(&cardlayout::NIMBOReadAdvanteckSetup);
    if (!card)
        return;
    constexpr int kWasherBit = 4;
    text += locationLines(card->text_field_10, card->text_field_1a);
    if (bit(card->option_flags, kWasherBit)) {
        text += line("Washer Price: ", centsAsDollars(card->advantech_vend_price));
        text += line("Extra Cost For Warm Price: ", centsAsDollars(card->advantech_warm_price));
        text += line("Extra Cost For Hot Price: ", centsAsDollars(card->advantech_hot_price));
    } else {
        text += line("Dryer Price: ", centsAsDollars(card->advantech_vend_price));
        text += line("Topoff Price: ", centsAsDollars(card->topoff_price_alt));
    }
    text += line("Special Price 1: ", centsAsDollars(card->spec_price_1));
    text += line("Special Price 2: ", centsAsDollars(card->spec_price_2));
    text += line("Special Price 3: ", centsAsDollars(card->spec_price_3));
    text += optionLines(card->option_flags);
    if (card->max_card_value > 0)
        text += maxCardValueLine(card->max_card_value);
}

} // namespace report
