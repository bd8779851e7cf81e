// Tovan2000 setup card (code 180), written by the card library from its
// family record, and the Tovan2000 Cycle Setup card (code 181), whose data
// the cycle program table gives. Both go through the layout library, not
// through a card image, to its current card: the setup file being written, or
// else the card in the reader.
#pragma once

#include "laundry/laundry_setup.h"
#include "laundry/tovan2000_setup_card.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

class BaseCardImage;

namespace setup {

TOVAN2000_SETUP_CARD makeTovan2000Record(const STRUCT_laundry_setup& record);

// The layout writer of code 180. The image is not used.
uint8_t writeTovan2000Layout(BaseCardImage& image, const STRUCT_laundry_setup& record);

inline constexpr uint8_t kCycleSetupCardVersion = 0;
inline constexpr uint8_t kCycleProgramCount = 8;
inline constexpr int kCycleStepCount = 15;

// Cycle setup card: 120 data bytes at data-area offset 8, which the card
// details report reads too.
inline constexpr uint32_t kCycleSetupDataOffset = 8;
// The machine reads 0x0C as warm water and anything else as cold.
inline constexpr uint8_t kCycleWarmWater = 0x0C;
inline constexpr uint8_t kCycleColdWater = 0x04;

#pragma pack(push, 1)
struct CycleSetupData {
    uint8_t step_times[kCycleStepCount][2]; // 0   minutes, seconds, each BCD
    uint8_t temperature;                    // 30  kCycleColdWater for a washer
    uint8_t constants[4];                   // 31  00 01 02 FF
    uint8_t program_id;                     // 35  the cycle program + 1
    uint8_t reserved_36[84];                // 36
};
#pragma pack(pop)
static_assert(offsetof(CycleSetupData, step_times) == 0);
static_assert(offsetof(CycleSetupData, temperature) == 30);
static_assert(offsetof(CycleSetupData, constants) == 31);
static_assert(offsetof(CycleSetupData, program_id) == 35);
static_assert(sizeof(CycleSetupData) == 120);

// Statuses of write_tovan2000_cycle_setup besides the card's own.
// The record's cycle program (scroll_speed) is above 7; nothing was written.
inline constexpr uint8_t kStatusNoCycleProgram = 23;
// The inserted card's chip has no entry in the card tables; nothing was written.
inline constexpr uint8_t kStatusNoChipEntry = 24;

struct CycleStepTime {
    uint8_t minutes;
    uint8_t seconds;
};
using CycleProgram = std::array<CycleStepTime, kCycleStepCount>;

// Step times of a cycle program 0-7 (Module A fill .. Module C second spin),
// nullopt for any other program.
std::optional<CycleProgram> tovan2000CycleProgram(uint8_t program);

// The data of a cycle setup card, nullopt above program 7.
std::optional<CycleSetupData> tovan2000CycleData(uint8_t program, bool washer);

// Initialises the current card as a cycle setup card for the record's
// program (scroll_speed) and writes its data. The first nonzero status of
// the card calls, or one of the statuses above.
uint8_t write_tovan2000_cycle_setup(const STRUCT_laundry_setup& record);

// The layout writer of code 181. The image is not used.
uint8_t writeTovan2000CycleLayout(BaseCardImage& image, const STRUCT_laundry_setup& record);

} // namespace setup
