// Family record of the Speed Queen/Huebsch MDC setup card (code 193). The
// layout dispatcher builds it from the laundry setup record for the encoder,
// and the card library fills it when it reads an MDC card back. Packed,
// 16-bit fields low byte first; the card itself holds them big-endian.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct MDC_SETUP_CARD {
    uint8_t card_type;         // 0   193
    uint8_t byte_138;          // 1   the card version
    uint16_t word_02;          // 2   customer id of the card header
    char text_field_10[10];    // 4
    char text_field_1a[10];    // 14
    uint8_t machine_type;      // 24
    uint8_t option_flags;      // 25
    uint8_t audio_time;        // 26
    uint8_t mdc_options;       // 27
    uint8_t mdc_pricing_flags; // 28
    uint8_t mdc_cycle_or_heat; // 29
    uint8_t mdc_cool_time;     // 30
    uint8_t topoff_time_alt;   // 31
    uint8_t temp_high;         // 32
    uint8_t temp_med;          // 33
    uint8_t temp_low;          // 34
    uint8_t temp_delicate;     // 35
    uint8_t mdc_days;          // 36
    uint8_t spec_begin_hour;   // 37  BCD
    uint8_t spec_begin_minute; // 38  BCD
    uint8_t spec_end_hour;     // 39  BCD
    uint8_t spec_end_minute;   // 40  BCD
    uint8_t byte_41;           // 41
    uint16_t max_card_value;   // 42
    uint16_t topoff_price_alt; // 44
    uint16_t mdc_prices[8];    // 46
    uint8_t enable_tokens;     // 62
    uint8_t byte_63;           // 63
};
#pragma pack(pop)

#define MDC_AT(field, off) static_assert(offsetof(MDC_SETUP_CARD, field) == (off), #field " offset")
MDC_AT(card_type, 0);
MDC_AT(byte_138, 1);
MDC_AT(word_02, 2);
MDC_AT(text_field_10, 4);
MDC_AT(text_field_1a, 14);
MDC_AT(machine_type, 24);
MDC_AT(option_flags, 25);
MDC_AT(audio_time, 26);
MDC_AT(mdc_options, 27);
MDC_AT(mdc_pricing_flags, 28);
MDC_AT(mdc_cycle_or_heat, 29);
MDC_AT(mdc_cool_time, 30);
MDC_AT(topoff_time_alt, 31);
MDC_AT(temp_high, 32);
MDC_AT(temp_med, 33);
MDC_AT(temp_low, 34);
MDC_AT(temp_delicate, 35);
MDC_AT(mdc_days, 36);
MDC_AT(spec_begin_hour, 37);
MDC_AT(spec_begin_minute, 38);
MDC_AT(spec_end_hour, 39);
MDC_AT(spec_end_minute, 40);
MDC_AT(max_card_value, 42);
MDC_AT(topoff_price_alt, 44);
MDC_AT(mdc_prices, 46);
MDC_AT(enable_tokens, 62);
#undef MDC_AT
static_assert(sizeof(MDC_SETUP_CARD) == 64);
