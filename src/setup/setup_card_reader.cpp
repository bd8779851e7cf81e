#include "setup/setup_card_reader.h"

#include "services/cardfx.h"
#include "services/cardlayout.h"
#include "services/progress.h"
#include "services/readerio.h"
#include "setup/messages.h"
#include "setup/operation_end.h"

#include <cstring>

namespace setup {
namespace {

using promptui::StepProgress;

constexpr int kReadSteps = 2;

// Two card bytes read high byte first.
uint16_t be16(const uint8_t* d) { return static_cast<uint16_t>((d[0] << 8) | d[1]); }

bool readDataArea(HEADER_DATA_AREA& area, uint32_t offset, uint32_t length)
{
    std::memset(&area, 0, sizeof area);
    area.length = length;
    area.offset = offset;
    return cardlayout::NIMBOReadDataArea(&area) == 0;
}

bool isRetrofitStyleCard()
{
    if (!readerio::PowerCard(readerio::POWER_ON) || cardfx::ValidateCard() != 0)
        return false;
    uint8_t type = 0;
    return cardlayout::NIMBOGetCardType(&type) == 0 &&
           (type == kRetrofitCardType || type == kGen2CardType);
}

bool readCard(STRUCT_laundry_setup& record, uint8_t* headerByte)
{
    if (!isRetrofitStyleCard())
        return false;

    StepProgress(QString::fromLatin1(text::kStepReadingHeader));
    HEADER_DATA_AREA header{};
    header.length = 8;
    header.offset = 0;
    if (cardlayout::NIMBOReadHeaderArea(&header) != 0)
        return false;
    if (headerByte)
        *headerByte = header.data[cardlayout::kHeaderAreaDataIndex + 3];

    StepProgress(QString::fromLatin1(text::kStepReadingData));
    return read_setup_data_area(&record);
}

}  // namespace

bool read_setup_data_area(STRUCT_laundry_setup* r)
{
    HEADER_DATA_AREA area;
    if (!readDataArea(area, 8, 7))
        return false;
    const uint8_t* d = area.data;
    r->vend_price = be16(d);
    r->word_02 = be16(d + 2);
    r->option_flags = d[6];

    if (!readDataArea(area, 32, 28))
        return false;
    // The time fields take the card's BCD bytes as they are.
    r->dryer_run_time = be16(d);
    r->heat_time = be16(d + 2);
    r->topoff_time = be16(d + 4);
    r->topoff_price = static_cast<uint16_t>(be16(d + 6) * 100);
    std::memcpy(r->text_field_10, d + 8, sizeof r->text_field_10);
    std::memcpy(r->text_field_1a, d + 18, sizeof r->text_field_1a);

    if (!readDataArea(area, 64, 64))
        return false;
    r->display_flags = be16(d);
    std::memcpy(r->idle_message, d + 2, sizeof r->idle_message);
    std::memcpy(r->busy_message, d + 32, sizeof r->busy_message);
    r->pulses = d[62];
    r->scroll_speed = d[63];
    return true;
}

uint8_t readSetupCard(STRUCT_laundry_setup& record, uint8_t* headerByte)
{
    promptui::ProgressGuard progress(QString::fromLatin1(text::kCreateSetupTitle), kReadSteps);
    StepProgress(QString::fromLatin1(text::kStepIdentifying));
    OperationEnd end([] { readerio::PowerCard(readerio::POWER_OFF); });
    if (!readCard(record, headerByte))
        return 0;
    end.markDone();
    return 1;
}

}  // namespace setup
