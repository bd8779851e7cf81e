// Maytag Marlin, MHN33 (199) and Quicksilver (201) setup cards: their data
// block read straight from the card.
#include "report/formatters.h"
#include "report/report_lines.h"
#include "services/cardlayout.h"

#include <cstddef>
#include <cstring>

namespace report {
namespace {

// The setup block at data-area offset 0, as far as the report reads it.
// Prices are counts of the coin-1 value.
#pragma pack(push, 1)
struct MaytagSetupData {
    uint8_t reserved_0[14];          // 0
    uint8_t option_flags;            // 14
    uint8_t max_card_value[2];       // 15  whole dollars, high byte first
    uint8_t normal_price;            // 17
    uint8_t delicates_price;         // 18
    uint8_t powerwash_price;         // 19
    uint8_t cool_upgrade_price;      // 20
    uint8_t warm_upgrade_price;      // 21
    uint8_t normal_special_price;    // 22
    uint8_t delicates_special_price; // 23
    uint8_t powerwash_special_price; // 24
    uint8_t extra_rinse_price;       // 25
    uint8_t reserved_26[14];         // 26
    char machine_location[10];       // 40
    char machine_id[10];             // 50
    uint8_t reserved_60[3];          // 60
    char serial[10];                 // 63
    uint8_t reserved_73[3];          // 73
    uint8_t normal_options;          // 76
    uint8_t powerwash_options;       // 77
    uint8_t delicates_options;       // 78
    uint8_t soil_level_price;        // 79
    uint8_t hot_upgrade_price;       // 80
    uint8_t reserved_81[4];          // 81
    uint8_t feature_flags;           // 85
    uint8_t reserved_86[2];          // 86
    uint8_t special_days;            // 88  bit 0 Sunday .. bit 6 Saturday
    uint8_t special_begin_hour;      // 89
    uint8_t special_end_hour;        // 90
    uint8_t reserved_91[4];          // 91
    uint8_t coin1_nickels;           // 95
    uint8_t reserved_96;             // 96
    uint8_t penny_increment;         // 97
    uint8_t reserved_98[14];         // 98
    uint8_t enable_tokens;           // 112
    uint8_t reserved_113[12];        // 113
};
#pragma pack(pop)
static_assert(offsetof(MaytagSetupData, option_flags) == 14);
static_assert(offsetof(MaytagSetupData, max_card_value) == 15);
static_assert(offsetof(MaytagSetupData, normal_price) == 17);
static_assert(offsetof(MaytagSetupData, normal_special_price) == 22);
static_assert(offsetof(MaytagSetupData, extra_rinse_price) == 25);
static_assert(offsetof(MaytagSetupData, machine_location) == 40);
static_assert(offsetof(MaytagSetupData, machine_id) == 50);
static_assert(offsetof(MaytagSetupData, serial) == 63);
static_assert(offsetof(MaytagSetupData, normal_options) == 76);
static_assert(offsetof(MaytagSetupData, soil_level_price) == 79);
static_assert(offsetof(MaytagSetupData, hot_upgrade_price) == 80);
static_assert(offsetof(MaytagSetupData, feature_flags) == 85);
static_assert(offsetof(MaytagSetupData, special_days) == 88);
static_assert(offsetof(MaytagSetupData, coin1_nickels) == 95);
static_assert(offsetof(MaytagSetupData, penny_increment) == 97);
static_assert(offsetof(MaytagSetupData, enable_tokens) == 112);
static_assert(sizeof(MaytagSetupData) == 125);

constexpr uint32_t kCentsPerCoinStep = 5;

// feature_flags
constexpr int kSpecialPricingBit = 0;
// option_flags, in the order the report lists them
constexpr int kCheckLocationBit = 1;
constexpr int kLocationClusteringBit = 7;
constexpr int kClearCountersBit = 3;
constexpr int kUserTransactionsBit = 6;
// cycle options: bits 0-1 the temperature
constexpr int kHeavySoilBit = 2;
constexpr int kExtraRinseBit = 3;

QString line(const char* textWithEnd)
{
    return QLatin1String(textWithEnd);
}

QString cycleOptionsLine(const char* label, uint8_t options)
{
    static const char* const kTemperatures[] = {"Cold", "Cool", "Warm", "Hot"};
    QString text = QLatin1String(label) + QLatin1String(kTemperatures[options & 0x03]);
    if (bit(options, kExtraRinseBit))
        text += QStringLiteral(", Extra Rinse");
    if (bit(options, kHeavySoilBit))
        text += QStringLiteral(", Heavy Soil");
    return text + QLatin1String(kEndOfLine);
}

// "SMTWTFS" with a full stop for each day left out.
QString specialDays(uint8_t days)
{
    QString text = QStringLiteral("SMTWTFS");
    for (int day = 0; day < text.size(); ++day)
        if (!bit(days, day))
            text[day] = QLatin1Char('.');
    return text;
}

QString describe(const MaytagSetupData& data)
{
    const uint32_t coinValue = data.coin1_nickels * kCentsPerCoinStep;
    const auto price = [coinValue](const char* label, uint8_t coins) {
        return moneyLine(QLatin1String(label), coins, coinValue);
    };

    QString text;
    text += QStringLiteral("Machine Location: ") + cardText(data.machine_location, 10) +
            QLatin1String(kEndOfLine);
    text += QStringLiteral("MachineID: ") + cardText(data.machine_id, 10) + line("\r\n\r\n");
    text += QStringLiteral("Serial #: ") + cardText(data.serial, 10) + line("\r\n\r\n");

    text += moneyLine(QStringLiteral("Value of Coin1: "), coinValue, 1) + line(kEndOfLine);
    text += price("Normal regular price: ", data.normal_price);
    text += price("Delicates regular price: ", data.delicates_price);
    text += price("Powerwash regular price: ", data.powerwash_price);
    text += price("Cool temp upgrade price: ", data.cool_upgrade_price);
    text += price("Warm temp upgrade price: ", data.warm_upgrade_price);
    text += price("Hot temp upgrade price: ", data.hot_upgrade_price);
    text += price("Extra rinse upgrade price: ", data.extra_rinse_price);
    text += price("Soil level upgrade price: ", data.soil_level_price);
    text += QString::asprintf("Penny increment offset: $0.%2.2d\r\n", int(data.penny_increment));
    text += line(kEndOfLine);

    text += cycleOptionsLine("Normal Cycle Options: ", data.normal_options);
    text += cycleOptionsLine("Powerwash Cycle Options: ", data.powerwash_options);
    text += cycleOptionsLine("Delicates Cycle Options: ", data.delicates_options);

    if (bit(data.feature_flags, kSpecialPricingBit)) {
        text += line("\r\n\r\nSpecial Pricing Enabled:\r\n");
        text += price("Normal special price: ", data.normal_special_price);
        text += price("Delicates special price: ", data.delicates_special_price);
        text += price("Powerwash special price: ", data.powerwash_special_price);
        text += QStringLiteral("Special price days: ") + specialDays(data.special_days) +
                QLatin1String(kEndOfLine);
        // The hours line has no line end of its own; the blank lines below end it.
        text += QString::asprintf("Begin hour = %d, end hour = %d", int(data.special_begin_hour),
                                  int(data.special_end_hour));
    } else {
        text += line("\r\nSpecial Pricing Disabled:\r\n");
    }

    text += line("\r\n\r\n");
    if (bit(data.option_flags, kCheckLocationBit))
        text += line("Location checking On\r\n");
    if (bit(data.option_flags, kLocationClusteringBit))
        text += line("Location clustering On\r\n");
    if (bit(data.option_flags, kClearCountersBit))
        text += line("Clear counters On\r\n");
    if (bit(data.option_flags, kUserTransactionsBit))
        text += line("User Tx On\r\n");
    if (data.enable_tokens != 0)
        text += line("Token vends enabled\r\n");
    text += QString::asprintf("Max value on card = $%d.00\r\n", int(be16(data.max_card_value)));
    return text;
}

} // namespace

void describeMaytag(QString& text)
{
    HEADER_DATA_AREA area{};
    area.length = sizeof(MaytagSetupData);
    area.offset = 0;
    if (cardlayout::NIMBOReadDataArea(&area) != 0) {
        showReadError(kErrorReadingData);
        return;
    }
    MaytagSetupData data;
    std::memcpy(&data, area.data, sizeof data);
    text += describe(data);
}

} // namespace report
