// Family records of the Maytag Gen2 (187), Gen2 Advanced (185) and LG (197)
// setup cards. The layout dispatcher builds them from the laundry setup record;
// packed, 16- and 32-bit fields low byte first.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
// Gen2 cards (187) fill the head, `topoff_price_alt` and the BCD cycle times
// only; everything else stays 0 on them.
struct GEN2_SETUP_CARD {
    uint16_t card_type;                // 0   185 or 187
    uint16_t word_02;                  // 2   customer id of the card header
    uint16_t vend_price;               // 4
    uint16_t word_02_again;            // 6   the customer id written into the data block
    uint8_t option_flags;              // 8
    uint8_t dry;                       // 9   185
    uint8_t bytes_10[2];               // 10
    uint16_t topoff_price_alt;         // 12  187
    char text_field_10[10];            // 14
    char text_field_1a[10];            // 24
    uint8_t machine_model_byte;        // 34
    uint8_t machine_type;              // 35
    char machine_serial[10];           // 36
    uint8_t position;                  // 46  low byte only
    uint8_t byte_47;                   // 47
    uint32_t location_bcd;             // 48  bcd6 of location_machine as a number
    uint8_t byte_52;                   // 52
    uint8_t vend_cold_price;           // 53
    uint8_t vend_warm_price;           // 54
    uint8_t vend_hot_price;            // 55
    uint8_t spec_price;                // 56
    uint8_t spec_cold_price;           // 57
    uint8_t spec_warm_price;           // 58
    uint8_t spec_hot_price;            // 59
    uint8_t super_cycle_upgrade_price; // 60
    uint8_t super_cycle_type;          // 61
    uint8_t feature_flags;             // 62
    uint8_t feature_flags_2;           // 63
    uint8_t byte_101;                  // 64  setup record byte 0x101, not carried to the card
    uint8_t spec_days;                 // 65
    uint8_t spec_price_begin;          // 66
    uint8_t spec_price_end;            // 67
    uint8_t prewash;                   // 68
    uint8_t final_spin;                // 69
    uint8_t regular_dry;               // 70
    uint8_t wash;                      // 71  187: BCD of the wash time, or of the dry time
    uint8_t num_rinses_cycle;          // 72
    uint8_t rinse;                     // 73  187: BCD of the rinse time (washers)
    uint8_t top_spin_speed;            // 74
    uint8_t coin1_value;               // 75
    uint8_t coin2_value;               // 76
    uint8_t penny_increment;           // 77
    uint8_t penny_increment_dryer;     // 78
    uint8_t reg_dryer_price;           // 79
    uint8_t spec_dryer_price;          // 80
    uint8_t action_flags;              // 81
    uint8_t card_version;              // 82  1 for 185, 0 for 187
    uint8_t enable_tokens;             // 83
    uint8_t one_84;                    // 84  the 1s of card bytes 113, 114, 122, 123
    uint8_t bytes_85[3];               // 85
    uint8_t one_88;                    // 88
    uint8_t bytes_89[4];               // 89
    uint8_t one_93;                    // 93
    uint8_t one_94;                    // 94
    uint8_t byte_95;                   // 95
    uint16_t max_card_value;           // 96
    uint8_t bytes_98[2];               // 98
};

// The LG record is the Gen2 Advanced record with the two values only LG cards
// need inserted after `action_flags`; the tail from `card_version` on lies two
// bytes further.
struct GEN2_LG_SETUP_CARD {
    uint16_t card_type;                // 0   197
    uint16_t word_02;                  // 2
    uint16_t vend_price;               // 4
    uint16_t word_02_again;            // 6
    uint8_t option_flags;              // 8
    uint8_t dry;                       // 9
    uint8_t bytes_10[2];               // 10
    uint16_t topoff_price_alt;         // 12  0: LG cards carry the Coin2/TopOff value instead
    char text_field_10[10];            // 14
    char text_field_1a[10];            // 24
    uint8_t machine_model_byte;        // 34
    uint8_t machine_type;              // 35  8 for a dryer
    char machine_serial[10];           // 36
    uint8_t position;                  // 46
    uint8_t byte_47;                   // 47
    uint32_t location_bcd;             // 48
    uint8_t byte_52;                   // 52
    uint8_t vend_cold_price;           // 53
    uint8_t vend_warm_price;           // 54
    uint8_t vend_hot_price;            // 55
    uint8_t spec_price;                // 56
    uint8_t spec_cold_price;           // 57
    uint8_t spec_warm_price;           // 58
    uint8_t spec_hot_price;            // 59
    uint8_t super_cycle_upgrade_price; // 60
    uint8_t super_cycle_type;          // 61
    uint8_t feature_flags;             // 62
    uint8_t feature_flags_2;           // 63
    uint8_t byte_101;                  // 64
    uint8_t spec_days;                 // 65
    uint8_t spec_price_begin;          // 66
    uint8_t spec_price_end;            // 67
    uint8_t prewash;                   // 68
    uint8_t final_spin;                // 69
    uint8_t regular_dry;               // 70
    uint8_t wash;                      // 71
    uint8_t num_rinses_cycle;          // 72
    uint8_t rinse;                     // 73
    uint8_t top_spin_speed;            // 74
    uint8_t coin1_value;               // 75
    uint8_t coin2_value;               // 76
    uint8_t penny_increment;           // 77
    uint8_t penny_increment_dryer;     // 78
    uint8_t reg_dryer_price;           // 79
    uint8_t spec_dryer_price;          // 80
    uint8_t action_flags;              // 81
    uint8_t washer;                    // 82  LG only: washer or dryer cycle values
    uint8_t topoff_time_alt;           // 83  LG only
    uint8_t card_version;              // 84  1
    uint8_t enable_tokens;             // 85
    uint8_t one_84;                    // 86
    uint8_t bytes_85[3];               // 87
    uint8_t one_88;                    // 90
    uint8_t bytes_89[4];               // 91
    uint8_t one_93;                    // 95
    uint8_t one_94;                    // 96
    uint8_t byte_95;                   // 97
    uint16_t max_card_value;           // 98
    uint8_t bytes_98[2];               // 100
};
#pragma pack(pop)

#define GEN2_AT(field, off)                                                                        \
    static_assert(offsetof(GEN2_SETUP_CARD, field) == (off), #field " offset")
GEN2_AT(card_type, 0);
GEN2_AT(word_02, 2);
GEN2_AT(vend_price, 4);
GEN2_AT(word_02_again, 6);
GEN2_AT(option_flags, 8);
GEN2_AT(dry, 9);
GEN2_AT(topoff_price_alt, 12);
GEN2_AT(text_field_10, 14);
GEN2_AT(text_field_1a, 24);
GEN2_AT(machine_model_byte, 34);
GEN2_AT(machine_type, 35);
GEN2_AT(machine_serial, 36);
GEN2_AT(position, 46);
GEN2_AT(location_bcd, 48);
GEN2_AT(vend_cold_price, 53);
GEN2_AT(spec_price, 56);
GEN2_AT(super_cycle_upgrade_price, 60);
GEN2_AT(super_cycle_type, 61);
GEN2_AT(byte_101, 64);
GEN2_AT(spec_days, 65);
GEN2_AT(prewash, 68);
GEN2_AT(regular_dry, 70);
GEN2_AT(wash, 71);
GEN2_AT(num_rinses_cycle, 72);
GEN2_AT(rinse, 73);
GEN2_AT(top_spin_speed, 74);
GEN2_AT(coin1_value, 75);
GEN2_AT(coin2_value, 76);
GEN2_AT(spec_dryer_price, 80);
GEN2_AT(action_flags, 81);
GEN2_AT(card_version, 82);
GEN2_AT(enable_tokens, 83);
GEN2_AT(one_84, 84);
GEN2_AT(one_88, 88);
GEN2_AT(one_93, 93);
GEN2_AT(one_94, 94);
GEN2_AT(max_card_value, 96);
#undef GEN2_AT
static_assert(sizeof(GEN2_SETUP_CARD) == 100);

// Where the LG record matches the Gen2 record and where it differs.
#define LG_SAME(field)                                                                             \
    static_assert(offsetof(GEN2_LG_SETUP_CARD, field) == offsetof(GEN2_SETUP_CARD, field),         \
                  #field " at the Gen2 offset")
#define LG_SHIFTED(field)                                                                          \
    static_assert(offsetof(GEN2_LG_SETUP_CARD, field) == offsetof(GEN2_SETUP_CARD, field) + 2,     \
                  #field " two bytes after the Gen2 offset")
LG_SAME(card_type);
LG_SAME(word_02);
LG_SAME(vend_price);
LG_SAME(word_02_again);
LG_SAME(option_flags);
LG_SAME(dry);
LG_SAME(topoff_price_alt);
LG_SAME(text_field_10);
LG_SAME(text_field_1a);
LG_SAME(machine_model_byte);
LG_SAME(machine_type);
LG_SAME(machine_serial);
LG_SAME(position);
LG_SAME(location_bcd);
LG_SAME(vend_cold_price);
LG_SAME(spec_price);
LG_SAME(super_cycle_upgrade_price);
LG_SAME(super_cycle_type);
LG_SAME(byte_101);
LG_SAME(spec_days);
LG_SAME(prewash);
LG_SAME(regular_dry);
LG_SAME(wash);
LG_SAME(num_rinses_cycle);
LG_SAME(rinse);
LG_SAME(top_spin_speed);
LG_SAME(coin1_value);
LG_SAME(coin2_value);
LG_SAME(spec_dryer_price);
LG_SAME(action_flags);
static_assert(offsetof(GEN2_LG_SETUP_CARD, washer) == 82, "washer offset");
static_assert(offsetof(GEN2_LG_SETUP_CARD, topoff_time_alt) == 83, "topoff_time_alt offset");
LG_SHIFTED(card_version);
LG_SHIFTED(enable_tokens);
LG_SHIFTED(one_84);
LG_SHIFTED(one_88);
LG_SHIFTED(one_93);
LG_SHIFTED(one_94);
LG_SHIFTED(max_card_value);
#undef LG_SAME
#undef LG_SHIFTED
static_assert(sizeof(GEN2_LG_SETUP_CARD) == sizeof(GEN2_SETUP_CARD) + 2);
