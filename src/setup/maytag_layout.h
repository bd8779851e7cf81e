// Maytag Marlin/MHN33 (code 199) and Quicksilver (201) setup cards: one
// 125-byte block at offset 0 of the setup data file, built from the setup
// record itself. The card details report reads the same block.
#pragma once

#include "laundry/laundry_setup.h"

#include <cstddef>
#include <cstdint>

class BaseCardImage;

namespace setup {

// Prices are counts of the coin-1 value; words are big-endian.
#pragma pack(push, 1)
struct MaytagSetupBlock {
    uint8_t reserved_0[10];          // 0
    uint8_t cust_id[2];              // 10
    uint8_t model_byte;              // 12  0x25 Marlin, 0x2B Quicksilver
    uint8_t machine_type;            // 13  16 for MHN33
    uint8_t option_flags;            // 14
    uint8_t max_card_value[2];       // 15  whole dollars
    uint8_t normal_price;            // 17
    uint8_t delicates_price;         // 18
    uint8_t powerwash_price;         // 19
    uint8_t cool_upgrade_price;      // 20
    uint8_t warm_upgrade_price;      // 21
    uint8_t normal_special_price;    // 22
    uint8_t delicates_special_price; // 23
    uint8_t powerwash_special_price; // 24
    uint8_t extra_rinse_price;       // 25
    uint8_t reserved_26[6];          // 26
    uint8_t position;                // 32
    uint8_t wash;                    // 33  33-39: 0 on Quicksilver cards
    uint8_t prewash;                 // 34  MHN33 only
    uint8_t mhn33_byte_35;           // 35  MHN33 only: the record's byte 0x1FF
    uint8_t action_flags;            // 36
    uint8_t rinse;                   // 37
    uint8_t top_spin_speed;          // 38  MHN33 only
    uint8_t reserved_39;             // 39
    char machine_location[10];       // 40
    char machine_id[10];             // 50
    uint8_t reserved_60[3];          // 60
    char serial[10];                 // 63
    uint8_t location_bcd[3];         // 73
    uint8_t normal_options;          // 76  Quicksilver only
    uint8_t powerwash_options;       // 77
    uint8_t delicates_options;       // 78
    uint8_t soil_level_price;        // 79  0 on MHN33 cards
    uint8_t hot_upgrade_price;       // 80
    uint8_t reserved_81[4];          // 81
    uint8_t feature_flags;           // 85  bit 0: special pricing
    uint8_t feature_flags_2;         // 86  0 on Quicksilver cards
    uint8_t reserved_87;             // 87
    uint8_t special_days;            // 88  bit 0 Sunday .. bit 6 Saturday
    uint8_t special_begin_hour;      // 89
    uint8_t special_end_hour;        // 90
    uint8_t reserved_91[4];          // 91
    uint8_t coin1_nickels;           // 95
    uint8_t reserved_96;             // 96
    uint8_t penny_increment;         // 97
    uint8_t reserved_98[14];         // 98
    uint8_t enable_tokens;           // 112
    uint8_t ones_113[2];             // 113 always 1
    uint8_t reserved_115[7];         // 115
    uint8_t ones_122[2];             // 122 always 1
    uint8_t reserved_124;            // 124
};
#pragma pack(pop)

#define MAYTAG_AT(field, off)                                                                      \
    static_assert(offsetof(MaytagSetupBlock, field) == (off), #field " offset")
MAYTAG_AT(cust_id, 10);
MAYTAG_AT(model_byte, 12);
MAYTAG_AT(machine_type, 13);
MAYTAG_AT(option_flags, 14);
MAYTAG_AT(max_card_value, 15);
MAYTAG_AT(normal_price, 17);
MAYTAG_AT(delicates_price, 18);
MAYTAG_AT(powerwash_price, 19);
MAYTAG_AT(cool_upgrade_price, 20);
MAYTAG_AT(warm_upgrade_price, 21);
MAYTAG_AT(normal_special_price, 22);
MAYTAG_AT(delicates_special_price, 23);
MAYTAG_AT(powerwash_special_price, 24);
MAYTAG_AT(extra_rinse_price, 25);
MAYTAG_AT(position, 32);
MAYTAG_AT(wash, 33);
MAYTAG_AT(prewash, 34);
MAYTAG_AT(mhn33_byte_35, 35);
MAYTAG_AT(action_flags, 36);
MAYTAG_AT(rinse, 37);
MAYTAG_AT(top_spin_speed, 38);
MAYTAG_AT(machine_location, 40);
MAYTAG_AT(machine_id, 50);
MAYTAG_AT(serial, 63);
MAYTAG_AT(location_bcd, 73);
MAYTAG_AT(normal_options, 76);
MAYTAG_AT(powerwash_options, 77);
MAYTAG_AT(delicates_options, 78);
MAYTAG_AT(soil_level_price, 79);
MAYTAG_AT(hot_upgrade_price, 80);
MAYTAG_AT(feature_flags, 85);
MAYTAG_AT(feature_flags_2, 86);
MAYTAG_AT(special_days, 88);
MAYTAG_AT(special_begin_hour, 89);
MAYTAG_AT(special_end_hour, 90);
MAYTAG_AT(coin1_nickels, 95);
MAYTAG_AT(penny_increment, 97);
MAYTAG_AT(enable_tokens, 112);
MAYTAG_AT(ones_113, 113);
MAYTAG_AT(ones_122, 122);
#undef MAYTAG_AT
static_assert(sizeof(MaytagSetupBlock) == 125);

inline constexpr uint8_t kMaytagCardVersion = 0;
// `machine_type` of an MHN33 profile; Marlin and Quicksilver profiles carry 14.
inline constexpr uint8_t kMhn33MachineType = 16;

// Marlin covers MHN33 too: the two differ by `machine_type` only.
enum class MaytagModel { Marlin, Quicksilver };

MaytagSetupBlock maytagBlock(const STRUCT_laundry_setup& record, MaytagModel model);

uint8_t CardSetMarlinSetup(BaseCardImage& image, const STRUCT_laundry_setup* record);
uint8_t CardSetQuicksilverSetup(BaseCardImage& image, const STRUCT_laundry_setup* record);

// Layout writers of the dispatcher.
uint8_t writeMarlinLayout(BaseCardImage& image, const STRUCT_laundry_setup& record);      // 199
uint8_t writeQuicksilverLayout(BaseCardImage& image, const STRUCT_laundry_setup& record); // 201

} // namespace setup
