// Maytag Marlin, MHN33 (199) and Quicksilver (201) setup cards: the block
// setup/maytag_layout.h defines, read straight from the card.
#include "report/formatters.h"
#include "report/report_lines.h"
#include "setup/block_read.h"
#include "setup/card_bytes.h"
#include "setup/maytag_layout.h"

namespace report {
namespace {

constexpr uint32_t kCentsPerCoinStep = 5;

using setup::MaytagSetupBlock;

// feature_flags
constexpr int kSpecialPricingBit = 0;
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

QString describe(const MaytagSetupBlock& data)
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
    if (data.option_flags & kCheckLocationBit)
        text += line("Location checking On\r\n");
    if (data.option_flags & kClusteringBit)
        text += line("Location clustering On\r\n");
    if (data.option_flags & kClearCountersBit)
        text += line("Clear counters On\r\n");
    if (data.option_flags & kUserTransactionBit)
        text += line("User Tx On\r\n");
    if (data.enable_tokens != 0)
        text += line("Token vends enabled\r\n");
    text += QString::asprintf("Max value on card = $%d.00\r\n",
                              int(setup::load_be16(data.max_card_value)));
    return text;
}

} // namespace

void describeMaytag(QString& text)
{
    MaytagSetupBlock data{};
    if (!setup::readBlock(data, 0)) {
        showReadError(kErrorReadingData);
        return;
    }
    text += describe(data);
}

} // namespace report
