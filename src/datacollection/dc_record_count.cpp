#include "datacollection/dc_record_count.h"

#include "datacollection/dc_messages.h"
#include "laundry/card_types.h"
#include "services/cardfx.h"
#include "services/cardlayout.h"
#include "services/progress.h"
#include "services/prompt.h"
#include "services/readerio.h"

#include <cstring>

namespace datacollection {
namespace {

using namespace promptui;

constexpr int kReadSteps = 4;
constexpr uint32_t kAreaHeaderSize = 8;
constexpr uint32_t kRecordSize = 288;
constexpr uint32_t kLengthPrefix = 5; // the used length sits in bytes 3 and 4

// The card powered, valid and its type read; no message on failure.
bool readCardType(uint8_t* type)
{
    return readerio::PowerCard(readerio::POWER_ON) && cardfx::ValidateCard() == 0 &&
           cardlayout::NIMBOGetCardType(type) == 0;
}

bool isReaderDcCard(uint8_t type)
{
    if (type == laundry::kReaderDcCard)
        return true;
    MessageBox(text::latin(text::kNotReaderDcHead) + StrCardtype(type) +
                   text::latin(text::kNotReaderDcTail),
               text::latin(text::kNotReaderDcCaption), MB_OK | MB_ICONWARNING);
    return false;
}

bool readUsedLength(uint32_t* length)
{
    HEADER_DATA_AREA area{};
    area.length = kLengthPrefix;
    area.offset = 0;
    if (cardlayout::NIMBOReadDataArea(&area) != 0)
        return false;
    *length = (uint32_t{area.data[3]} << 8) | area.data[4];
    return true;
}

} // namespace

uint32_t recordCountOf(uint32_t usedLength)
{
    return usedLength < kAreaHeaderSize ? 0 : (usedLength - kAreaHeaderSize) / kRecordSize;
}

uint8_t setupReadReaderDcCard(uint32_t* totalLength, uint32_t* recordCount)
{
    ShowProgress(text::latin(text::kTitleReadReaderDc), 0, kReadSteps);
    StepProgress(text::latin(text::kStepIdentifying));

    uint8_t type = 0;
    uint32_t length = 0;
    if (!readCardType(&type) || !isReaderDcCard(type) || !readUsedLength(&length)) {
        StepProgress(text::latin(text::kStepCancelled));
        return 0;
    }
    if (totalLength)
        *totalLength = length;
    if (recordCount)
        *recordCount = recordCountOf(length);
    return 1;
}

uint8_t readReaderDcRecord(uint32_t recordNumber, uint8_t* buffer)
{
    // Past the last offset a 32-bit request can name there is no record.
    if (recordNumber == 0 || recordNumber - 1 > UINT32_MAX / kRecordSize)
        return 0;
    HEADER_DATA_AREA area{};
    area.length = kRecordSize;
    area.offset = (recordNumber - 1) * kRecordSize;
    if (cardlayout::NIMBOReadDataArea(&area) != 0)
        return 0;
    if (buffer)
        std::memcpy(buffer, area.data, kRecordSize);
    return 1;
}

uint8_t endReadReaderDcCard()
{
    EndProgress();
    readerio::PowerCard(readerio::POWER_OFF);
    return 1;
}

} // namespace datacollection
