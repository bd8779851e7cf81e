#include "setup/wascomat_layout.h"

#include "setup/card_bytes.h"
#include "setup/encoder_frame.h"

#include <algorithm>

namespace setup {

std::array<uint8_t, kWascomatBlockSize> wascomatBlock(const STRUCT_laundry_setup& r)
{
    std::array<uint8_t, kWascomatBlockSize> b{};
    store_be16(&b[4], r.word_02);
    std::ranges::copy(r.text_field_10, &b[6]);
    std::ranges::copy(r.text_field_1a, &b[16]);
    b[26] = r.machine_type;
    // Each price list runs on into its two adders.
    for (int i = 0; i < 16; ++i) {
        store_be16(&b[27 + 2 * i], r.wascomat_prices[i]);
        store_be16(&b[63 + 2 * i], r.wascomat_spec_prices[i]);
    }
    for (int i = 0; i < 2; ++i) {
        store_be16(&b[59 + 2 * i], r.wascomat_adders[i]);     // standard
        store_be16(&b[95 + 2 * i], r.wascomat_adders[2 + i]); // special
    }
    b[99] = r.feature_flags;
    b[100] = r.spec_price_begin;
    b[101] = r.wascomat_bytes_26a[0];
    b[102] = r.spec_price_end;
    b[103] = r.wascomat_bytes_26a[1];
    b[104] = r.spec_days;
    b[105] = 0x01;
    b[106] = r.option_flags;
    store_be16(&b[107], r.max_card_value);
    return b;
}

uint8_t CardSetWascomatGen7Setup(BaseCardImage& image, const STRUCT_laundry_setup* record)
{
    const auto block = wascomatBlock(*record);
    return writeSetupCard(image, kWascomatCardVersion,
                          CardHeader{kWascomatCardType, record->word_02}, {{0, block}});
}

uint8_t writeWascomatSetup(BaseCardImage& image, const STRUCT_laundry_setup& record)
{
    return CardSetWascomatGen7Setup(image, &record);
}

} // namespace setup
