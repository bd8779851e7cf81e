// Retrofit setup card (code 184): Retrofit and Electromechanical profiles.
// Block 1 at offset 0 of the setup data file, block 2 at 400 on cards of a
// version above 0. The setup-card reader reads block 1 back.
#pragma once

#include "laundry/laundry_setup.h"
#include "laundry/setup_cards.h"

#include <cstddef>
#include <cstdint>

class BaseCardImage;

namespace setup {

// Words are big-endian.
#pragma pack(push, 1)
struct RetrofitBlock1 {
    uint8_t reserved_0[8];     // 0
    uint8_t vend_price[2];     // 8   cents
    uint8_t cust_id[2];        // 10
    uint8_t word_04[2];        // 12
    uint8_t option_flags;      // 14
    uint8_t reserved_15[17];   // 15
    uint8_t time_bcd[6];       // 32  dryer run, heat, top-off: BCD high, low byte
    uint8_t topoff_price[2];   // 38  cents
    char text_field_10[10];    // 40
    char text_field_1a[10];    // 50
    uint8_t reserved_60[3];    // 60
    uint8_t marker;            // 63  0xA1
    uint8_t display_flags[2];  // 64
    char idle_message[30];     // 66
    char busy_message[30];     // 96
    uint8_t pulses;            // 126
    uint8_t scroll_speed;      // 127
    uint8_t max_card_value[2]; // 128 whole dollars
};

// The six text lines of the record, interleaved with its single bytes and
// words.
struct RetrofitBlock2 {
    char text_lines_0[40];   // 0   text lines bytes 0-39
    uint8_t bytes_9c_01[2];  // 40  bytes_9c 0, 1
    char text_lines_40[20];  // 42
    uint8_t byte_9c_2;       // 62
    char text_lines_60[20];  // 63
    uint8_t byte_9c_3;       // 83
    uint8_t bytes_9c_654[3]; // 84  bytes_9c 6, 5, 4
    uint8_t words_a4[5][2];  // 87  words_a4 4, 1, 2, 3, 0
    uint8_t byte_9c_7;       // 97
    char text_lines_80[40];  // 98
    uint8_t byte_af;         // 138
};
#pragma pack(pop)

#define RETROFIT_AT(block, field, off)                                                             \
    static_assert(offsetof(block, field) == (off), #field " offset")
RETROFIT_AT(RetrofitBlock1, vend_price, 8);
RETROFIT_AT(RetrofitBlock1, cust_id, 10);
RETROFIT_AT(RetrofitBlock1, word_04, 12);
RETROFIT_AT(RetrofitBlock1, option_flags, 14);
RETROFIT_AT(RetrofitBlock1, time_bcd, 32);
RETROFIT_AT(RetrofitBlock1, topoff_price, 38);
RETROFIT_AT(RetrofitBlock1, text_field_10, 40);
RETROFIT_AT(RetrofitBlock1, text_field_1a, 50);
RETROFIT_AT(RetrofitBlock1, marker, 63);
RETROFIT_AT(RetrofitBlock1, display_flags, 64);
RETROFIT_AT(RetrofitBlock1, idle_message, 66);
RETROFIT_AT(RetrofitBlock1, busy_message, 96);
RETROFIT_AT(RetrofitBlock1, pulses, 126);
RETROFIT_AT(RetrofitBlock1, scroll_speed, 127);
RETROFIT_AT(RetrofitBlock1, max_card_value, 128);
RETROFIT_AT(RetrofitBlock2, bytes_9c_01, 40);
RETROFIT_AT(RetrofitBlock2, text_lines_40, 42);
RETROFIT_AT(RetrofitBlock2, byte_9c_2, 62);
RETROFIT_AT(RetrofitBlock2, text_lines_60, 63);
RETROFIT_AT(RetrofitBlock2, byte_9c_3, 83);
RETROFIT_AT(RetrofitBlock2, bytes_9c_654, 84);
RETROFIT_AT(RetrofitBlock2, words_a4, 87);
RETROFIT_AT(RetrofitBlock2, byte_9c_7, 97);
RETROFIT_AT(RetrofitBlock2, text_lines_80, 98);
RETROFIT_AT(RetrofitBlock2, byte_af, 138);
#undef RETROFIT_AT
static_assert(sizeof(RetrofitBlock1) == 130);
static_assert(sizeof(RetrofitBlock2) == 139);

inline constexpr uint8_t kRetrofitCardVersion = 2;
inline constexpr uint32_t kRetrofitBlock2Offset = 400;

RETRO_FIT_SETUP_CARD makeRetrofitRecord(const STRUCT_laundry_setup& record);

RetrofitBlock1 retrofitBlock1(const RETRO_FIT_SETUP_CARD& card);
RetrofitBlock2 retrofitBlock2(const RETRO_FIT_SETUP_CARD& card);

// Block 2 is written only when the record's card version is nonzero.
uint8_t CardSetRetrofitSetup(BaseCardImage& image, const RETRO_FIT_SETUP_CARD* card);

// The layout writer of code 184.
uint8_t writeRetrofitLayout(BaseCardImage& image, const STRUCT_laundry_setup& record);

} // namespace setup
