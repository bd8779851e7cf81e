// Family record of the Advantech setup card (code 192). The layout dispatcher
// builds it from the laundry setup record for the encoder, and the card
// library fills it when it reads an Advantech card back. Packed, 16-bit
// fields low byte first; the card itself holds them big-endian.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct ADVNTECK_SETUP_CARD {
    uint16_t card_type;               // 0   192
    uint16_t word_02;                 // 2   customer id of the card header
    uint8_t card_version;             // 4   0
    uint8_t marker;                   // 5   0x55, card byte 8
    uint8_t bytes_06[46];             // 6
    uint16_t advantech_vend_price;    // 52
    uint8_t advantech_dryer_run_time; // 54
    uint8_t byte_55;                  // 55
    uint16_t topoff_price_alt;        // 56
    uint8_t topoff_time_alt;          // 58
    uint8_t byte_59;                  // 59
    uint16_t spec_price_1;            // 60
    uint8_t sp1_days;                 // 62
    uint8_t sp1_start;                // 63
    uint8_t sp1_duration;             // 64
    uint8_t byte_65;                  // 65
    uint16_t spec_price_2;            // 66
    uint8_t sp2_days;                 // 68
    uint8_t sp2_start;                // 69
    uint8_t sp2_duration;             // 70
    uint8_t byte_71;                  // 71
    uint16_t spec_price_3;            // 72
    uint8_t sp3_days;                 // 74
    uint8_t sp3_start;                // 75
    uint8_t sp3_duration;             // 76
    uint8_t coin1_pulse_min;          // 77
    uint8_t coin1_pulse_max;          // 78
    uint8_t coin2_pulse_min;          // 79
    uint8_t coin2_pulse_max;          // 80
    uint8_t byte_81;                  // 81
    uint16_t advantech_time_step;     // 82
    uint8_t setup_byte_1;             // 84
    uint8_t setup_byte_2;             // 85
    uint8_t bytes_86[4];              // 86
    uint16_t word_18e;                // 90  the setup record's word at 0x18E
    uint8_t bytes_92[10];             // 92
    uint16_t advantech_warm_price;    // 102
    uint16_t advantech_hot_price;     // 104
    uint16_t coin1_value_cents;       // 106
    uint16_t coin2_value_cents;       // 108
    uint8_t coin_slide_1;             // 110
    uint8_t coin_slide_2;             // 111
    uint16_t advantech_option_1a4;    // 112
    uint8_t decimal_point;            // 114
    uint8_t hot_temp_reduction;       // 115
    uint8_t extended_cool_down;       // 116
    uint8_t bytes_117[20];            // 117
    uint8_t option_flags;             // 137
    char text_field_10[10];           // 138
    char text_field_1a[10];           // 148
    uint8_t action_flags;             // 158
    uint8_t byte_159;                 // 159
    uint16_t max_card_value;          // 160
};
#pragma pack(pop)

#define ADVNTECK_AT(field, off)                                                                    \
    static_assert(offsetof(ADVNTECK_SETUP_CARD, field) == (off), #field " offset")
ADVNTECK_AT(card_type, 0);
ADVNTECK_AT(word_02, 2);
ADVNTECK_AT(card_version, 4);
ADVNTECK_AT(marker, 5);
ADVNTECK_AT(advantech_vend_price, 52);
ADVNTECK_AT(advantech_dryer_run_time, 54);
ADVNTECK_AT(topoff_price_alt, 56);
ADVNTECK_AT(topoff_time_alt, 58);
ADVNTECK_AT(spec_price_1, 60);
ADVNTECK_AT(sp1_days, 62);
ADVNTECK_AT(sp1_start, 63);
ADVNTECK_AT(sp1_duration, 64);
ADVNTECK_AT(spec_price_2, 66);
ADVNTECK_AT(sp2_days, 68);
ADVNTECK_AT(sp2_start, 69);
ADVNTECK_AT(sp2_duration, 70);
ADVNTECK_AT(spec_price_3, 72);
ADVNTECK_AT(sp3_days, 74);
ADVNTECK_AT(sp3_start, 75);
ADVNTECK_AT(sp3_duration, 76);
ADVNTECK_AT(coin1_pulse_min, 77);
ADVNTECK_AT(coin1_pulse_max, 78);
ADVNTECK_AT(coin2_pulse_min, 79);
ADVNTECK_AT(coin2_pulse_max, 80);
ADVNTECK_AT(advantech_time_step, 82);
ADVNTECK_AT(setup_byte_1, 84);
ADVNTECK_AT(setup_byte_2, 85);
ADVNTECK_AT(word_18e, 90);
ADVNTECK_AT(advantech_warm_price, 102);
ADVNTECK_AT(advantech_hot_price, 104);
ADVNTECK_AT(coin1_value_cents, 106);
ADVNTECK_AT(coin2_value_cents, 108);
ADVNTECK_AT(coin_slide_1, 110);
ADVNTECK_AT(coin_slide_2, 111);
ADVNTECK_AT(advantech_option_1a4, 112);
ADVNTECK_AT(decimal_point, 114);
ADVNTECK_AT(hot_temp_reduction, 115);
ADVNTECK_AT(extended_cool_down, 116);
ADVNTECK_AT(option_flags, 137);
ADVNTECK_AT(text_field_10, 138);
ADVNTECK_AT(text_field_1a, 148);
ADVNTECK_AT(action_flags, 158);
ADVNTECK_AT(max_card_value, 160);
#undef ADVNTECK_AT
static_assert(sizeof(ADVNTECK_SETUP_CARD) == 162);
