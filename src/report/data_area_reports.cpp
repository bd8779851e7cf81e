// Formatters of the cards the report reads straight from the data area:
// data collection, Tovan2000 cycle setup and price special cards.
#include "report/formatters.h"
#include "report/report_lines.h"
#include "services/cardcore.h"
#include "services/cardlayout.h"
#include "setup/block_read.h"
#include "setup/card_bytes.h"
#include "setup/tovan2000_layout.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace report {
namespace {

// length bytes of the data area from offset, or nullopt after showing the
// formatter's read error.
std::optional<HEADER_DATA_AREA> readDataArea(uint32_t offset, uint32_t length,
                                             const char* errorMessage)
{
    HEADER_DATA_AREA area{};
    area.length = length;
    area.offset = offset;
    if (cardlayout::NIMBOReadDataArea(&area) != 0) {
        showReadError(errorMessage);
        return std::nullopt;
    }
    return area;
}

// The data-area header holds the used length, header included, at bytes 5-6.
void describeRecordCount(QString& text, long recordSize)
{
    constexpr uint32_t kDcHeaderSize = 8;
    const auto area = readDataArea(0, kDcHeaderSize, kErrorReadingData);
    if (!area)
        return;
    const long total = area->data[5] * 256L + area->data[6];
    text += QString::asprintf("Total Record Count: %ld\r\n",
                              (total - long{kDcHeaderSize}) / recordSize);
}

} // namespace

void describeDcCard(QString& text)
{
    describeRecordCount(text, 37);
}

void describeComplexDcCard(QString& text)
{
    describeRecordCount(text, 185);
}

void describeCycleSetup(QString& text)
{
    // From the temperature to the program id, in one read.
    using setup::CycleSetupData;
    CycleSetupData data{};
    if (!setup::readBlockBytes(data, setup::kCycleSetupDataOffset,
                               offsetof(CycleSetupData, temperature),
                               offsetof(CycleSetupData, reserved_36))) {
        showReadError(kErrorReadingSetup);
        return;
    }
    text += QString::asprintf("Cycle Program ID: %d\r\n", int(data.program_id));
    text += QString::asprintf("Temperature: %s\r\n",
                              data.temperature == setup::kCycleWarmWater ? "Warm" : "Cold");
}

void describePriceSpecial(QString& text)
{
    // Data bytes 8-9 vend cents, 10-11 top-off cents, 12 BCD top-off
    // minutes, 13 the number of special entries.
    constexpr uint32_t kOffset = 8;
    const auto area = readDataArea(kOffset, 6, kErrorReadingPriceSpecial);
    if (!area)
        return;
    const uint8_t* data = area->data;
    text +=
        QStringLiteral("Default Vend: ") + centsAsDollars(setup::load_be16(data + 0)) + kEndOfLine;
    text += QStringLiteral("Default Topoff: ") + centsAsDollars(setup::load_be16(data + 2)) +
            kEndOfLine;
    text += QString::asprintf("Topoff Time: %d (mins)\r\n", int(cardcore::bcd_to_hex(data[4])));
    text += QString::asprintf("Number of Specials: %d\r\n", int(data[5]));
}

} // namespace report
