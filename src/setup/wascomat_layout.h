// Wascomat setup card (code 200), written straight from the setup record: one
// 109-byte block at offset 0 of the setup data file, which the card details
// report reads too.
#pragma once

#include "laundry/laundry_setup.h"

#include <cstddef>
#include <cstdint>

class BaseCardImage;

namespace setup {

// Prices are big-endian counts of the price unit.
#pragma pack(push, 1)
struct WascomatSetupBlock {
    uint8_t reserved_0[4];         // 0
    uint8_t cust_id[2];            // 4
    char machine_location[10];     // 6
    char machine_id[10];           // 16
    uint8_t machine_type;          // 26
    uint8_t program_prices[16][2]; // 27
    uint8_t option_prices[2][2];   // 59
    uint8_t special_prices[16][2]; // 63
    uint8_t special_options[2][2]; // 95
    uint8_t feature_flags;         // 99  nonzero when special pricing is set up
    uint8_t special_begin;         // 100
    uint8_t record_byte_26a;       // 101
    uint8_t special_end;           // 102
    uint8_t record_byte_26b;       // 103
    uint8_t special_days;          // 104
    uint8_t price_unit;            // 105 cents per price count: 1 as written
    uint8_t option_flags;          // 106
    uint8_t max_card_value[2];     // 107
};
#pragma pack(pop)

#define WASCOMAT_AT(field, off)                                                                    \
    static_assert(offsetof(WascomatSetupBlock, field) == (off), #field " offset")
WASCOMAT_AT(cust_id, 4);
WASCOMAT_AT(machine_location, 6);
WASCOMAT_AT(machine_id, 16);
WASCOMAT_AT(machine_type, 26);
WASCOMAT_AT(program_prices, 27);
WASCOMAT_AT(option_prices, 59);
WASCOMAT_AT(special_prices, 63);
WASCOMAT_AT(special_options, 95);
WASCOMAT_AT(feature_flags, 99);
WASCOMAT_AT(special_begin, 100);
WASCOMAT_AT(record_byte_26a, 101);
WASCOMAT_AT(special_end, 102);
WASCOMAT_AT(record_byte_26b, 103);
WASCOMAT_AT(special_days, 104);
WASCOMAT_AT(price_unit, 105);
WASCOMAT_AT(option_flags, 106);
WASCOMAT_AT(max_card_value, 107);
#undef WASCOMAT_AT
static_assert(sizeof(WascomatSetupBlock) == 109);

inline constexpr uint8_t kWascomatCardVersion = 0;

WascomatSetupBlock wascomatBlock(const STRUCT_laundry_setup& record);

uint8_t CardSetWascomatGen7Setup(BaseCardImage& image, const STRUCT_laundry_setup* record);

// The writer of code 200.
uint8_t writeWascomatSetup(BaseCardImage& image, const STRUCT_laundry_setup& record);

} // namespace setup
