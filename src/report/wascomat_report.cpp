// Wascomat setup card (200): its data block read straight from the card.
#include "report/formatters.h"
#include "report/report_lines.h"
#include "services/cardlayout.h"

#include <cstddef>
#include <cstring>

namespace report {
namespace {

// The setup block at data-area offset 0, as far as the report reads it.
// Prices are big-endian counts of the price unit.
#pragma pack(push, 1)
struct WascomatSetupData {
    uint8_t header[6];             // 0   customer id and reserved bytes
    char machine_location[10];     // 6
    char machine_id[10];           // 16
    uint8_t machine_type;          // 26
    uint8_t program_prices[16][2]; // 27
    uint8_t option_prices[2][2];   // 59
    uint8_t special_prices[16][2]; // 63
    uint8_t special_options[2][2]; // 95
    uint8_t feature_flags;         // 99  nonzero when special pricing is set up
    uint8_t special_times[5];      // 100
    uint8_t price_unit;            // 105 cents per price count
    uint8_t option_flags;          // 106
    uint8_t max_card_value[2];     // 107
};
#pragma pack(pop)
static_assert(offsetof(WascomatSetupData, machine_location) == 6);
static_assert(offsetof(WascomatSetupData, machine_id) == 16);
static_assert(offsetof(WascomatSetupData, program_prices) == 27);
static_assert(offsetof(WascomatSetupData, option_prices) == 59);
static_assert(offsetof(WascomatSetupData, special_prices) == 63);
static_assert(offsetof(WascomatSetupData, special_options) == 95);
static_assert(offsetof(WascomatSetupData, feature_flags) == 99);
static_assert(offsetof(WascomatSetupData, price_unit) == 105);
static_assert(sizeof(WascomatSetupData) == 109);

// The report shows the first five programs only.
constexpr int kProgramsShown = 5;
constexpr int kOptions = 2;

QString describe(const WascomatSetupData& data)
{
    QString text;
    text += QStringLiteral("Machine Location: ") + cardText(data.machine_location, 10) +
            QLatin1String(kEndOfLine);
    text +=
        QStringLiteral("MachineID: ") + cardText(data.machine_id, 10) + QLatin1String(kEndOfLine);
    const auto price = [&data](const QString& label, const uint8_t(&amount)[2]) {
        return moneyLine(label, be16(amount), data.price_unit);
    };
    for (int i = 0; i < kProgramsShown; ++i)
        text += price(QString::asprintf("Program %d price: ", i + 1), data.program_prices[i]);
    for (int i = 0; i < kOptions; ++i)
        text += price(QString::asprintf("Option %d price:  ", i + 1), data.option_prices[i]);

    if (data.feature_flags != 0) {
        text += QStringLiteral("Special pricing enabled:\r\n");
        for (int i = 0; i < kProgramsShown; ++i)
            text += price(QString::asprintf("Program %d special price: ", i + 1),
                          data.special_prices[i]);
        for (int i = 0; i < kOptions; ++i)
            text += price(QString::asprintf("Option %d special price:  ", i + 1),
                          data.special_options[i]);
    }
    return text;
}

} // namespace

void describeWascomat(QString& text)
{
    HEADER_DATA_AREA area{};
    area.length = sizeof(WascomatSetupData);
    area.offset = 0;
    if (cardlayout::NIMBOReadDataArea(&area) != 0) {
        showReadError(kErrorReadingData);
        return;
    }
    WascomatSetupData data;
    std::memcpy(&data, area.data, sizeof data);
    text += describe(data);
}

} // namespace report
