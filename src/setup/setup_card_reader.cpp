#include "setup/setup_card_reader.h"

#include "services/cardfx.h"
#include "services/cardlayout.h"
#include "services/progress.h"
#include "services/readerio.h"
#include "setup/block_read.h"
#include "setup/card_bytes.h"
#include "setup/card_type_registry.h"
#include "setup/messages.h"
#include "setup/operation_end.h"
#include "setup/retrofit_layout.h"

#include <cstddef>
#include <cstring>

namespace setup {
namespace {

using promptui::StepProgress;

constexpr int kReadSteps = 2;

// The read-back of the card in the reader, or nullptr when it has none.
SetupReader readBackOfCard()
{
    if (!readerio::PowerCard(readerio::POWER_ON) || cardfx::ValidateCard() != 0)
        return nullptr;
    uint8_t type = 0;
    if (cardlayout::NIMBOGetCardType(&type) != 0)
        return nullptr;
    const CardTypeEntry* entry = cardTypeEntry(type);
    return entry ? entry->readBack : nullptr;
}

bool readCard(STRUCT_laundry_setup& record, uint8_t* headerByte)
{
    const SetupReader readBack = readBackOfCard();
    if (!readBack)
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
    return readBack(&record);
}

} // namespace

// The fields of block 1, in the three reads the card library's callers
// make: the head, the times and texts, the display.
bool read_setup_data_area(STRUCT_laundry_setup* r)
{
    using B = RetrofitBlock1;
    B b{};
    if (!readBlockBytes(b, 0, offsetof(B, vend_price), offsetof(B, reserved_15)))
        return false;
    r->vend_price = load_be16(b.vend_price);
    r->word_02 = load_be16(b.cust_id);
    r->option_flags = b.option_flags;

    if (!readBlockBytes(b, 0, offsetof(B, time_bcd), offsetof(B, reserved_60)))
        return false;
    // The time fields take the card's BCD bytes as they are.
    r->dryer_run_time = load_be16(&b.time_bcd[0]);
    r->heat_time = load_be16(&b.time_bcd[2]);
    r->topoff_time = load_be16(&b.time_bcd[4]);
    r->topoff_price = static_cast<uint16_t>(load_be16(b.topoff_price) * 100);
    std::memcpy(r->text_field_10, b.text_field_10, sizeof r->text_field_10);
    std::memcpy(r->text_field_1a, b.text_field_1a, sizeof r->text_field_1a);

    if (!readBlockBytes(b, 0, offsetof(B, display_flags), offsetof(B, max_card_value)))
        return false;
    r->display_flags = load_be16(b.display_flags);
    std::memcpy(r->idle_message, b.idle_message, sizeof r->idle_message);
    std::memcpy(r->busy_message, b.busy_message, sizeof r->busy_message);
    r->pulses = b.pulses;
    r->scroll_speed = b.scroll_speed;
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

} // namespace setup
