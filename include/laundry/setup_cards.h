// Family records that the layout dispatcher builds from the laundry setup
// record and hands to the family encoders; the card library fills the same
// records when it reads a setup card back. Packed, 16-bit fields low byte
// first; the card layouts themselves are big-endian.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct RETRO_FIT_SETUP_CARD {
    uint16_t card_type;      // 0   184
    uint16_t word_02;        // 2
    uint16_t vend_price;     // 4
    uint16_t word_02_again;  // 6   the record's word_02 a second time
    uint16_t word_04;        // 8
    uint8_t option_flags;    // 10
    uint8_t time_bcd[6];     // 11  BCD of high, low byte: dryer run, heat, top-off
    uint8_t byte_17;         // 17
    uint16_t topoff_price;   // 18
    char text_field_10[10];  // 20
    char text_field_1a[10];  // 30
    uint16_t display_flags;  // 40
    char idle_message[30];   // 42
    char busy_message[30];   // 72
    uint8_t pulses;          // 102
    uint8_t scroll_speed;    // 103
    uint8_t card_version;    // 104 2
    char text_lines_24[120]; // 105
    uint8_t bytes_9c[8];     // 225
    uint8_t byte_233;        // 233
    uint16_t words_a4[5];    // 234
    uint8_t byte_244;        // 244
    uint8_t byte_af;         // 245
    uint16_t max_card_value; // 246
};
#pragma pack(pop)

#define RETRO_FIT_AT(field, off)                                                                   \
    static_assert(offsetof(RETRO_FIT_SETUP_CARD, field) == (off), #field " offset")
RETRO_FIT_AT(card_type, 0);
RETRO_FIT_AT(word_02, 2);
RETRO_FIT_AT(vend_price, 4);
RETRO_FIT_AT(word_02_again, 6);
RETRO_FIT_AT(word_04, 8);
RETRO_FIT_AT(option_flags, 10);
RETRO_FIT_AT(time_bcd, 11);
RETRO_FIT_AT(topoff_price, 18);
RETRO_FIT_AT(text_field_10, 20);
RETRO_FIT_AT(text_field_1a, 30);
RETRO_FIT_AT(display_flags, 40);
RETRO_FIT_AT(idle_message, 42);
RETRO_FIT_AT(busy_message, 72);
RETRO_FIT_AT(pulses, 102);
RETRO_FIT_AT(scroll_speed, 103);
RETRO_FIT_AT(card_version, 104);
RETRO_FIT_AT(text_lines_24, 105);
RETRO_FIT_AT(bytes_9c, 225);
RETRO_FIT_AT(words_a4, 234);
RETRO_FIT_AT(byte_af, 245);
RETRO_FIT_AT(max_card_value, 246);
#undef RETRO_FIT_AT
static_assert(sizeof(RETRO_FIT_SETUP_CARD) == 248);
