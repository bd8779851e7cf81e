// The laundry setup record: the packed, little-endian record that carries a
// reader setup profile from the profile store to a setup card. It is shared
// with the host across the library boundary, so every offset is interface.
// The record is a union by profile type: the common head is always filled,
// every other area only for the profile types that use it.
#pragma once

#include <cstddef>
#include <cstdint>

// Bits of `option_flags`, the same on every card that carries the byte.
inline constexpr uint8_t kCheckLocationBit = 0x02;
inline constexpr uint8_t kClearCountersBit = 0x08;
inline constexpr uint8_t kUserTransactionBit = 0x40;
inline constexpr uint8_t kClusteringBit = 0x80;

#pragma pack(push, 1)
struct STRUCT_laundry_setup {
    // --- common head ---
    uint16_t vend_price;       // 0x000 cents (nickels for types 5, 8)
    uint16_t word_02;          // 0x002 customer id written on the card header
    uint16_t word_04;          // 0x004
    uint8_t option_flags;      // 0x006 kCheckLocationBit, kClearCountersBit,
                               //       kUserTransactionBit, kClusteringBit
    uint8_t byte_007;          // 0x007
    uint16_t dryer_run_time;   // 0x008
    uint16_t heat_time;        // 0x00A
    uint16_t topoff_time;      // 0x00C
    uint16_t topoff_price;     // 0x00E cents
    char text_field_10[10];    // 0x010
    char text_field_1a[10];    // 0x01A
    char text_lines_24[6][20]; // 0x024
    uint8_t bytes_9c[8];       // 0x09C
    uint16_t words_a4[5];      // 0x0A4
    uint8_t byte_ae;           // 0x0AE
    uint8_t byte_af;           // 0x0AF
    uint16_t display_flags;    // 0x0B0
    char idle_message[30];     // 0x0B2
    char busy_message[30];     // 0x0D0
    uint8_t pulses;            // 0x0EE
    uint8_t scroll_speed;      // 0x0EF

    // --- Maytag Gen2 (4), Gen2 Advanced (5) and LG (8) ---
    uint8_t wash;                      // 0x0F0
    uint8_t rinse;                     // 0x0F1
    uint8_t dry;                       // 0x0F2
    uint8_t regular_dry;               // 0x0F3
    char machine_serial[11];           // 0x0F4 10 characters and a NUL
    uint8_t feature_flags;             // 0x0FF
    uint8_t feature_flags_2;           // 0x100
    uint8_t byte_101;                  // 0x101
    uint8_t machine_model_byte;        // 0x102
    uint8_t spec_days;                 // 0x103
    uint8_t super_cycle_type;          // 0x104
    uint8_t spec_price_begin;          // 0x105
    uint8_t spec_price_end;            // 0x106
    uint8_t prewash;                   // 0x107
    uint8_t final_spin;                // 0x108
    uint8_t penny_increment;           // 0x109
    uint8_t penny_increment_dryer;     // 0x10A
    uint8_t reg_dryer_price;           // 0x10B
    uint8_t spec_dryer_price;          // 0x10C
    uint8_t num_rinses_cycle;          // 0x10D
    uint8_t top_spin_speed;            // 0x10E
    uint8_t action_flags;              // 0x10F
    uint8_t vend_cold_price;           // 0x110
    uint8_t vend_warm_price;           // 0x111
    uint8_t vend_hot_price;            // 0x112
    uint8_t spec_price;                // 0x113
    uint8_t spec_cold_price;           // 0x114
    uint8_t spec_warm_price;           // 0x115
    uint8_t spec_hot_price;            // 0x116
    uint8_t super_cycle_upgrade_price; // 0x117
    uint8_t coin1_value;               // 0x118
    uint8_t coin2_value;               // 0x119
    uint16_t position;                 // 0x11A
    uint32_t location_machine;         // 0x11C

    // --- common head, continued ---
    uint8_t enable_tokens;      // 0x120
    uint8_t bytes_121[13];      // 0x121
    uint16_t card_type_code;    // 0x12E
    uint16_t deduction;         // 0x130
    uint8_t washer;             // 0x132
    uint8_t dryer;              // 0x133
    uint8_t washer_dryer_stack; // 0x134
    uint8_t byte_135;           // 0x135
    uint16_t max_card_value;    // 0x136 whole dollars
    uint8_t byte_138;           // 0x138 card version of MDC and Alliance cards
    uint8_t byte_139;           // 0x139
    uint8_t bytes_13a[45];      // 0x13A
    uint8_t byte_167;           // 0x167

    // --- Advantech (6) ---
    uint16_t advantech_vend_price;    // 0x168
    uint8_t advantech_dryer_run_time; // 0x16A
    uint8_t byte_16b;                 // 0x16B
    uint16_t topoff_price_alt;        // 0x16C also Gen2, MDC
    uint8_t topoff_time_alt;          // 0x16E also LG, MDC, Alliance
    uint8_t byte_16f;                 // 0x16F
    uint16_t spec_price_1;            // 0x170
    uint8_t sp1_days;                 // 0x172
    uint8_t sp1_start;                // 0x173
    uint8_t sp1_duration;             // 0x174
    uint8_t byte_175;                 // 0x175
    uint16_t spec_price_2;            // 0x176
    uint8_t sp2_days;                 // 0x178
    uint8_t sp2_start;                // 0x179
    uint8_t sp2_duration;             // 0x17A
    uint8_t byte_17b;                 // 0x17B
    uint16_t spec_price_3;            // 0x17C
    uint8_t sp3_days;                 // 0x17E
    uint8_t sp3_start;                // 0x17F
    uint8_t sp3_duration;             // 0x180
    uint8_t coin1_pulse_min;          // 0x181
    uint8_t coin1_pulse_max;          // 0x182
    uint8_t coin2_pulse_min;          // 0x183
    uint8_t coin2_pulse_max;          // 0x184
    uint8_t byte_185;                 // 0x185
    uint16_t advantech_time_step;     // 0x186
    uint8_t setup_byte_1;             // 0x188
    uint8_t setup_byte_2;             // 0x189
    uint16_t word_18a;                // 0x18A
    uint8_t byte_18c;                 // 0x18C
    uint8_t byte_18d;                 // 0x18D
    uint16_t word_18e;                // 0x18E
    uint32_t dwords_190[2];           // 0x190
    uint8_t byte_198;                 // 0x198
    uint8_t byte_199;                 // 0x199
    uint16_t advantech_warm_price;    // 0x19A
    uint16_t advantech_hot_price;     // 0x19C
    uint16_t coin1_value_cents;       // 0x19E
    uint16_t coin2_value_cents;       // 0x1A0
    uint8_t coin_slide_1;             // 0x1A2
    uint8_t coin_slide_2;             // 0x1A3
    uint16_t advantech_option_1a4;    // 0x1A4
    uint8_t decimal_point;            // 0x1A6
    uint8_t hot_temp_reduction;       // 0x1A7
    uint8_t extended_cool_down;       // 0x1A8
    uint8_t bytes_1a9[20];            // 0x1A9
    char text_field_1bd[10];          // 0x1BD
    char text_field_1c7[10];          // 0x1C7

    // --- MDC (7), Alliance (9), Wascomat (11), Maytag tab dialogs (10, 12, 14) ---
    uint8_t machine_type;      // 0x1D1
    uint8_t mdc_cycle_or_heat; // 0x1D2
    uint8_t mdc_cool_time;     // 0x1D3
    uint8_t temp_high;         // 0x1D4
    uint8_t temp_med;          // 0x1D5
    uint8_t temp_low;          // 0x1D6
    uint8_t temp_delicate;     // 0x1D7
    uint8_t audio_time;        // 0x1D8
    uint8_t mdc_options;       // 0x1D9
    uint8_t mdc_days;          // 0x1DA bit1 Sunday .. bit7 Saturday
    uint8_t spec_begin_hour;   // 0x1DB
    uint8_t spec_begin_minute; // 0x1DC
    uint8_t spec_end_hour;     // 0x1DD
    uint8_t spec_end_minute;   // 0x1DE
    uint8_t mdc_pricing_flags; // 0x1DF
    union {
        uint16_t mdc_prices[8]; // 0x1E0 MDC and Alliance dryer prices
        struct {
            uint16_t mdc_prices_head[4];
            uint16_t maytag_spec_prices[3]; // 0x1E8 Maytag price page
            uint16_t word_1ee;
        };
    };
    uint8_t heated_cycle_time;  // 0x1F0
    uint8_t noheat_cycle_time;  // 0x1F1
    uint8_t cool_down_times[4]; // 0x1F2
    union {
        uint8_t washer_cycle_settings[12]; // 0x1F6 Alliance top-load washers
        struct {
            uint8_t washer_cycle_settings_head[9];
            uint8_t maytag_byte_1ff; // 0x1FF Maytag tab dialogs
            uint8_t washer_cycle_settings_tail[2];
        };
    };
    uint8_t heavy_extra_wash_time;  // 0x202
    uint8_t flw_extra_wash_time;    // 0x203
    uint8_t heavy_extra_rinse_time; // 0x204
    uint8_t byte_205;               // 0x205
    uint16_t dryer_noheat_price;    // 0x206
    union {
        uint16_t alliance_washer_prices[9]; // 0x208 Alliance washers
        uint16_t maytag_prices[8];          // 0x208 Maytag price page
    };
    uint16_t heavy_added_price;        // 0x21A
    uint16_t medium_added_price;       // 0x21C
    uint8_t enable_heavy_cycle;        // 0x21E
    uint8_t warm_rinse_enabled;        // 0x21F
    uint8_t medium_cycle_flags;        // 0x220
    uint8_t heavy_cycle_flags;         // 0x221
    uint16_t wascomat_prices[16];      // 0x222
    uint16_t wascomat_spec_prices[16]; // 0x242
    uint16_t wascomat_adders[4];       // 0x262
    uint8_t wascomat_bytes_26a[2];     // 0x26A

    // --- Generic (13) ---
    uint8_t manual_setup_data[250]; // 0x26C raw bytes of the profile's .bin file

    // --- Alliance Quantum/ACA (9), continued ---
    uint8_t medium_warm_rinse;       // 0x366
    uint8_t medium_extra_wash_time;  // 0x367
    uint8_t medium_extra_rinse_time; // 0x368
    uint8_t aca_product_line;        // 0x369 nonzero: ACA layout, else Centurion
    uint8_t bytes_36a[2];            // 0x36A
    uint32_t aca_tier;               // 0x36C
};
#pragma pack(pop)

#define LAUNDRY_SETUP_AT(field, off)                                                               \
    static_assert(offsetof(STRUCT_laundry_setup, field) == (off), #field " offset")
LAUNDRY_SETUP_AT(vend_price, 0x000);
LAUNDRY_SETUP_AT(word_02, 0x002);
LAUNDRY_SETUP_AT(word_04, 0x004);
LAUNDRY_SETUP_AT(option_flags, 0x006);
LAUNDRY_SETUP_AT(dryer_run_time, 0x008);
LAUNDRY_SETUP_AT(heat_time, 0x00A);
LAUNDRY_SETUP_AT(topoff_time, 0x00C);
LAUNDRY_SETUP_AT(topoff_price, 0x00E);
LAUNDRY_SETUP_AT(text_field_10, 0x010);
LAUNDRY_SETUP_AT(text_field_1a, 0x01A);
LAUNDRY_SETUP_AT(text_lines_24, 0x024);
LAUNDRY_SETUP_AT(bytes_9c, 0x09C);
LAUNDRY_SETUP_AT(words_a4, 0x0A4);
LAUNDRY_SETUP_AT(byte_af, 0x0AF);
LAUNDRY_SETUP_AT(display_flags, 0x0B0);
LAUNDRY_SETUP_AT(idle_message, 0x0B2);
LAUNDRY_SETUP_AT(busy_message, 0x0D0);
LAUNDRY_SETUP_AT(pulses, 0x0EE);
LAUNDRY_SETUP_AT(scroll_speed, 0x0EF);
LAUNDRY_SETUP_AT(wash, 0x0F0);
LAUNDRY_SETUP_AT(rinse, 0x0F1);
LAUNDRY_SETUP_AT(dry, 0x0F2);
LAUNDRY_SETUP_AT(regular_dry, 0x0F3);
LAUNDRY_SETUP_AT(machine_serial, 0x0F4);
LAUNDRY_SETUP_AT(feature_flags, 0x0FF);
LAUNDRY_SETUP_AT(feature_flags_2, 0x100);
LAUNDRY_SETUP_AT(machine_model_byte, 0x102);
LAUNDRY_SETUP_AT(spec_days, 0x103);
LAUNDRY_SETUP_AT(super_cycle_type, 0x104);
LAUNDRY_SETUP_AT(spec_price_begin, 0x105);
LAUNDRY_SETUP_AT(spec_price_end, 0x106);
LAUNDRY_SETUP_AT(prewash, 0x107);
LAUNDRY_SETUP_AT(final_spin, 0x108);
LAUNDRY_SETUP_AT(penny_increment, 0x109);
LAUNDRY_SETUP_AT(penny_increment_dryer, 0x10A);
LAUNDRY_SETUP_AT(reg_dryer_price, 0x10B);
LAUNDRY_SETUP_AT(spec_dryer_price, 0x10C);
LAUNDRY_SETUP_AT(num_rinses_cycle, 0x10D);
LAUNDRY_SETUP_AT(top_spin_speed, 0x10E);
LAUNDRY_SETUP_AT(action_flags, 0x10F);
LAUNDRY_SETUP_AT(vend_cold_price, 0x110);
LAUNDRY_SETUP_AT(vend_warm_price, 0x111);
LAUNDRY_SETUP_AT(vend_hot_price, 0x112);
LAUNDRY_SETUP_AT(spec_price, 0x113);
LAUNDRY_SETUP_AT(spec_cold_price, 0x114);
LAUNDRY_SETUP_AT(spec_warm_price, 0x115);
LAUNDRY_SETUP_AT(spec_hot_price, 0x116);
LAUNDRY_SETUP_AT(super_cycle_upgrade_price, 0x117);
LAUNDRY_SETUP_AT(coin1_value, 0x118);
LAUNDRY_SETUP_AT(coin2_value, 0x119);
LAUNDRY_SETUP_AT(position, 0x11A);
LAUNDRY_SETUP_AT(location_machine, 0x11C);
LAUNDRY_SETUP_AT(enable_tokens, 0x120);
LAUNDRY_SETUP_AT(card_type_code, 0x12E);
LAUNDRY_SETUP_AT(deduction, 0x130);
LAUNDRY_SETUP_AT(washer, 0x132);
LAUNDRY_SETUP_AT(dryer, 0x133);
LAUNDRY_SETUP_AT(washer_dryer_stack, 0x134);
LAUNDRY_SETUP_AT(max_card_value, 0x136);
LAUNDRY_SETUP_AT(byte_138, 0x138);
LAUNDRY_SETUP_AT(byte_139, 0x139);
LAUNDRY_SETUP_AT(bytes_13a, 0x13A);
LAUNDRY_SETUP_AT(advantech_vend_price, 0x168);
LAUNDRY_SETUP_AT(advantech_dryer_run_time, 0x16A);
LAUNDRY_SETUP_AT(topoff_price_alt, 0x16C);
LAUNDRY_SETUP_AT(topoff_time_alt, 0x16E);
LAUNDRY_SETUP_AT(spec_price_1, 0x170);
LAUNDRY_SETUP_AT(sp1_days, 0x172);
LAUNDRY_SETUP_AT(sp1_start, 0x173);
LAUNDRY_SETUP_AT(sp1_duration, 0x174);
LAUNDRY_SETUP_AT(spec_price_2, 0x176);
LAUNDRY_SETUP_AT(sp2_days, 0x178);
LAUNDRY_SETUP_AT(sp2_start, 0x179);
LAUNDRY_SETUP_AT(sp2_duration, 0x17A);
LAUNDRY_SETUP_AT(spec_price_3, 0x17C);
LAUNDRY_SETUP_AT(sp3_days, 0x17E);
LAUNDRY_SETUP_AT(sp3_start, 0x17F);
LAUNDRY_SETUP_AT(sp3_duration, 0x180);
LAUNDRY_SETUP_AT(coin1_pulse_min, 0x181);
LAUNDRY_SETUP_AT(coin1_pulse_max, 0x182);
LAUNDRY_SETUP_AT(coin2_pulse_min, 0x183);
LAUNDRY_SETUP_AT(coin2_pulse_max, 0x184);
LAUNDRY_SETUP_AT(advantech_time_step, 0x186);
LAUNDRY_SETUP_AT(setup_byte_1, 0x188);
LAUNDRY_SETUP_AT(setup_byte_2, 0x189);
LAUNDRY_SETUP_AT(word_18a, 0x18A);
LAUNDRY_SETUP_AT(byte_18c, 0x18C);
LAUNDRY_SETUP_AT(word_18e, 0x18E);
LAUNDRY_SETUP_AT(dwords_190, 0x190);
LAUNDRY_SETUP_AT(byte_198, 0x198);
LAUNDRY_SETUP_AT(advantech_warm_price, 0x19A);
LAUNDRY_SETUP_AT(advantech_hot_price, 0x19C);
LAUNDRY_SETUP_AT(coin1_value_cents, 0x19E);
LAUNDRY_SETUP_AT(coin2_value_cents, 0x1A0);
LAUNDRY_SETUP_AT(coin_slide_1, 0x1A2);
LAUNDRY_SETUP_AT(coin_slide_2, 0x1A3);
LAUNDRY_SETUP_AT(advantech_option_1a4, 0x1A4);
LAUNDRY_SETUP_AT(decimal_point, 0x1A6);
LAUNDRY_SETUP_AT(hot_temp_reduction, 0x1A7);
LAUNDRY_SETUP_AT(extended_cool_down, 0x1A8);
LAUNDRY_SETUP_AT(bytes_1a9, 0x1A9);
LAUNDRY_SETUP_AT(text_field_1bd, 0x1BD);
LAUNDRY_SETUP_AT(text_field_1c7, 0x1C7);
LAUNDRY_SETUP_AT(machine_type, 0x1D1);
LAUNDRY_SETUP_AT(mdc_cycle_or_heat, 0x1D2);
LAUNDRY_SETUP_AT(mdc_cool_time, 0x1D3);
LAUNDRY_SETUP_AT(temp_high, 0x1D4);
LAUNDRY_SETUP_AT(temp_med, 0x1D5);
LAUNDRY_SETUP_AT(temp_low, 0x1D6);
LAUNDRY_SETUP_AT(temp_delicate, 0x1D7);
LAUNDRY_SETUP_AT(audio_time, 0x1D8);
LAUNDRY_SETUP_AT(mdc_options, 0x1D9);
LAUNDRY_SETUP_AT(mdc_days, 0x1DA);
LAUNDRY_SETUP_AT(spec_begin_hour, 0x1DB);
LAUNDRY_SETUP_AT(spec_begin_minute, 0x1DC);
LAUNDRY_SETUP_AT(spec_end_hour, 0x1DD);
LAUNDRY_SETUP_AT(spec_end_minute, 0x1DE);
LAUNDRY_SETUP_AT(mdc_pricing_flags, 0x1DF);
LAUNDRY_SETUP_AT(mdc_prices, 0x1E0);
LAUNDRY_SETUP_AT(maytag_spec_prices, 0x1E8);
LAUNDRY_SETUP_AT(heated_cycle_time, 0x1F0);
LAUNDRY_SETUP_AT(noheat_cycle_time, 0x1F1);
LAUNDRY_SETUP_AT(cool_down_times, 0x1F2);
LAUNDRY_SETUP_AT(washer_cycle_settings, 0x1F6);
LAUNDRY_SETUP_AT(maytag_byte_1ff, 0x1FF);
LAUNDRY_SETUP_AT(heavy_extra_wash_time, 0x202);
LAUNDRY_SETUP_AT(flw_extra_wash_time, 0x203);
LAUNDRY_SETUP_AT(heavy_extra_rinse_time, 0x204);
LAUNDRY_SETUP_AT(dryer_noheat_price, 0x206);
LAUNDRY_SETUP_AT(alliance_washer_prices, 0x208);
LAUNDRY_SETUP_AT(maytag_prices, 0x208);
LAUNDRY_SETUP_AT(heavy_added_price, 0x21A);
LAUNDRY_SETUP_AT(medium_added_price, 0x21C);
LAUNDRY_SETUP_AT(enable_heavy_cycle, 0x21E);
LAUNDRY_SETUP_AT(warm_rinse_enabled, 0x21F);
LAUNDRY_SETUP_AT(medium_cycle_flags, 0x220);
LAUNDRY_SETUP_AT(heavy_cycle_flags, 0x221);
LAUNDRY_SETUP_AT(wascomat_prices, 0x222);
LAUNDRY_SETUP_AT(wascomat_spec_prices, 0x242);
LAUNDRY_SETUP_AT(wascomat_adders, 0x262);
LAUNDRY_SETUP_AT(wascomat_bytes_26a, 0x26A);
LAUNDRY_SETUP_AT(manual_setup_data, 0x26C);
LAUNDRY_SETUP_AT(medium_warm_rinse, 0x366);
LAUNDRY_SETUP_AT(medium_extra_wash_time, 0x367);
LAUNDRY_SETUP_AT(medium_extra_rinse_time, 0x368);
LAUNDRY_SETUP_AT(aca_product_line, 0x369);
LAUNDRY_SETUP_AT(aca_tier, 0x36C);
#undef LAUNDRY_SETUP_AT
static_assert(sizeof(STRUCT_laundry_setup) == 0x370, "the record ends after the u32 at 0x36C");
