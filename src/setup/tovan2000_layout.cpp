#include "setup/tovan2000_layout.h"

#include "services/cardcore.h"
#include "services/cardfx.h"
#include "services/cardlayout.h"
#include "services/keyring.h"
#include "setup/card_bytes.h"
#include "setup/retrofit_style_head.h"

#include <algorithm>
#include <cstring>

namespace setup {

TOVAN2000_SETUP_CARD makeTovan2000Record(const STRUCT_laundry_setup& r)
{
    TOVAN2000_SETUP_CARD card{};
    // The controller takes the cool-down time, run time less heat time; a
    // heat time above the run time wraps as a 16-bit value.
    fillRetrofitStyleHead(card, r, static_cast<uint16_t>(r.dryer_run_time - r.heat_time));
    return card;
}

uint8_t writeTovan2000Layout(BaseCardImage&, const STRUCT_laundry_setup& record)
{
    const TOVAN2000_SETUP_CARD card = makeTovan2000Record(record);
    return cardlayout::NIMBOSetTovan2000Setup(&card);
}

namespace {

using Step = CycleStepTime;

// One row per step, one column per program 0-7.
constexpr std::array<std::array<Step, kCycleProgramCount>, kCycleStepCount> kCycleTable = {{
    // Module A: fill, wash, soak, agitate, drain, spin
    {{{6, 30}, {6, 30}, {6, 30}, {6, 30}, {6, 30}, {6, 30}, {6, 30}, {6, 30}}},
    {{{7, 0}, {7, 0}, {10, 0}, {7, 0}, {10, 0}, {6, 0}, {7, 0}, {7, 0}}},
    {{{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {4, 0}, {0, 0}}},
    {{{2, 0}, {2, 0}, {2, 0}, {2, 0}, {2, 0}, {2, 0}, {2, 0}, {2, 0}}},
    {{{1, 30}, {1, 30}, {1, 30}, {1, 30}, {2, 0}, {1, 30}, {1, 30}, {1, 30}}},
    {{{1, 30}, {1, 30}, {1, 30}, {1, 30}, {2, 0}, {1, 30}, {1, 30}, {1, 30}}},
    // Module B: fill, rinse, soak, agitate, drain
    {{{6, 30}, {6, 30}, {6, 30}, {6, 30}, {6, 30}, {6, 30}, {6, 30}, {6, 30}}},
    {{{0, 30}, {0, 30}, {0, 30}, {2, 30}, {0, 30}, {0, 0}, {0, 30}, {0, 30}}},
    {{{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {4, 0}}},
    {{{1, 30}, {1, 30}, {1, 30}, {1, 30}, {1, 30}, {1, 30}, {1, 30}, {1, 30}}},
    {{{1, 30}, {1, 30}, {1, 30}, {2, 30}, {2, 0}, {1, 30}, {1, 30}, {1, 30}}},
    // Module C: first spray, first spin, second spray, second spin
    {{{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}},
    {{{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}},
    {{{0, 7}, {0, 7}, {0, 7}, {0, 7}, {0, 7}, {0, 7}, {0, 7}, {0, 7}}},
    {{{6, 23}, {4, 23}, {4, 23}, {4, 23}, {6, 23}, {4, 23}, {4, 23}, {4, 23}}},
}};

} // namespace

std::optional<CycleProgram> tovan2000CycleProgram(uint8_t program)
{
    if (program >= kCycleProgramCount)
        return std::nullopt;
    CycleProgram steps{};
    for (int step = 0; step < kCycleStepCount; ++step)
        steps[step] = kCycleTable[step][program];
    return steps;
}

std::optional<CycleSetupData> tovan2000CycleData(uint8_t program, bool washer)
{
    const auto steps = tovan2000CycleProgram(program);
    if (!steps)
        return std::nullopt;
    CycleSetupData data{};
    for (int step = 0; step < kCycleStepCount; ++step) {
        data.step_times[step][0] = cardcore::hex_to_bcd((*steps)[step].minutes);
        data.step_times[step][1] = cardcore::hex_to_bcd((*steps)[step].seconds);
    }
    // The page's washer choice (record `washer`) asks for cold water.
    data.temperature = washer ? kCycleColdWater : kCycleWarmWater;
    constexpr uint8_t kConstants[] = {0x00, 0x01, 0x02, 0xFF};
    std::ranges::copy(kConstants, data.constants);
    data.program_id = static_cast<uint8_t>(program + 1);
    return data;
}

uint8_t write_tovan2000_cycle_setup(const STRUCT_laundry_setup& record)
{
    // Refuse before touching the card, so a bad profile leaves it as it was.
    const auto data = tovan2000CycleData(record.scroll_speed, record.washer != 0);
    if (!data)
        return kStatusNoCycleProgram;
    const uint8_t chip = keyring::ChipID;
    if (!cardfx::hasChip(chip))
        return kStatusNoChipEntry;

    if (const uint8_t status = cardlayout::NIMBOCreateCard())
        return status;
    if (const uint8_t status =
            cardlayout::NIMBOSetCardType(static_cast<uint8_t>(record.card_type_code & 0xFF)))
        return status;
    uint16_t custId = record.word_02;
    if (const uint8_t status = cardfx::SetCustId[chip](&custId))
        return status;
    if (const uint8_t status = cardfx::SetCardVersion[chip](kCycleSetupCardVersion))
        return status;

    HEADER_DATA_AREA area{};
    area.length = sizeof *data;
    area.offset = kCycleSetupDataOffset;
    std::memcpy(area.data, &*data, sizeof *data);
    return cardlayout::NIMBOSetDataArea(&area);
}

uint8_t writeTovan2000CycleLayout(BaseCardImage&, const STRUCT_laundry_setup& record)
{
    return write_tovan2000_cycle_setup(record);
}

} // namespace setup
