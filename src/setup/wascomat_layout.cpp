#include "setup/wascomat_layout.h"

#include "laundry/card_types.h"
#include "setup/card_bytes.h"
#include "setup/encoder_frame.h"

#include <algorithm>

namespace setup {

WascomatSetupBlock wascomatBlock(const STRUCT_laundry_setup& r)
{
    WascomatSetupBlock b{};
    store_be16(b.cust_id, r.word_02);
    std::ranges::copy(r.text_field_10, b.machine_location);
    std::ranges::copy(r.text_field_1a, b.machine_id);
    b.machine_type = r.machine_type;
    for (int i = 0; i < 16; ++i) {
        store_be16(b.program_prices[i], r.wascomat_prices[i]);
        store_be16(b.special_prices[i], r.wascomat_spec_prices[i]);
    }
    // The record's four adders: two standard, then two special.
    for (int i = 0; i < 2; ++i) {
        store_be16(b.option_prices[i], r.wascomat_adders[i]);
        store_be16(b.special_options[i], r.wascomat_adders[2 + i]);
    }
    b.feature_flags = r.feature_flags;
    b.special_begin = r.spec_price_begin;
    b.record_byte_26a = r.wascomat_bytes_26a[0];
    b.special_end = r.spec_price_end;
    b.record_byte_26b = r.wascomat_bytes_26a[1];
    b.special_days = r.spec_days;
    b.price_unit = 0x01;
    b.option_flags = r.option_flags;
    store_be16(b.max_card_value, r.max_card_value);
    return b;
}

uint8_t CardSetWascomatGen7Setup(BaseCardImage& image, const STRUCT_laundry_setup* record)
{
    const WascomatSetupBlock block = wascomatBlock(*record);
    return writeSetupCard(image, kWascomatCardVersion,
                          CardHeader{laundry::kWascomatCard, record->word_02},
                          {{0, blockBytes(block)}});
}

uint8_t writeWascomatSetup(BaseCardImage& image, const STRUCT_laundry_setup& record)
{
    return CardSetWascomatGen7Setup(image, &record);
}

} // namespace setup
