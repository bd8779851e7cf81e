// Family record of the Tovan2000 setup card (code 180), handed to the card
// library's NIMBOSetTovan2000Setup, which writes the whole card, and filled
// by NIMBOReadTovan2000Setup. Packed, 16-bit fields low byte first.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct TOVAN2000_SETUP_CARD {
    uint16_t card_type;     // 0   180
    uint16_t word_02;       // 2   customer id of the card header
    uint16_t vend_price;    // 4
    uint16_t word_02_again; // 6   the record's word_02 a second time
    uint16_t word_04;       // 8
    uint8_t option_flags;   // 10
    uint8_t time_bcd[6];    // 11  BCD of high, low byte: dryer run, dryer run
                            //     minus heat (16-bit, wrapping), top-off
    uint8_t byte_17;        // 17
    uint16_t topoff_price;  // 18
    char text_field_10[10]; // 20
    char text_field_1a[10]; // 30
    uint16_t word_40;       // 40  0
};
#pragma pack(pop)

#define TOVAN2000_AT(field, off)                                                                   \
    static_assert(offsetof(TOVAN2000_SETUP_CARD, field) == (off), #field " offset")
TOVAN2000_AT(card_type, 0);
TOVAN2000_AT(word_02, 2);
TOVAN2000_AT(vend_price, 4);
TOVAN2000_AT(word_02_again, 6);
TOVAN2000_AT(word_04, 8);
TOVAN2000_AT(option_flags, 10);
TOVAN2000_AT(time_bcd, 11);
TOVAN2000_AT(topoff_price, 18);
TOVAN2000_AT(text_field_10, 20);
TOVAN2000_AT(text_field_1a, 30);
TOVAN2000_AT(word_40, 40);
#undef TOVAN2000_AT
static_assert(sizeof(TOVAN2000_SETUP_CARD) == 42);
