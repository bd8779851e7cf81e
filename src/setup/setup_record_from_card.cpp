#include "setup/setup_record_from_card.h"

#include "laundry/card_types.h"
#include "laundry/gen2_setup_card.h"
#include "laundry/setup_cards.h"
#include "services/cardcore.h"
#include "services/cardlayout.h"
#include "services/readerio.h"
#include "setup/setup_card_reader.h"

#include <QScopeGuard>

#include <algorithm>
#include <cstring>

namespace setup {
namespace {

// Two BCD bytes, high first, as the number the encoder writes back.
uint16_t bcdWord(uint8_t high, uint8_t low)
{
    return static_cast<uint16_t>(cardcore::bcd_to_hex(high) << 8 | cardcore::bcd_to_hex(low));
}

bool fromRetrofitCard(STRUCT_laundry_setup& r)
{
    RETRO_FIT_SETUP_CARD c{};
    if (cardlayout::NIMBOReadRetrofitSetup(&c) != 0)
        return false;
    r.card_type_code = laundry::kRetrofitCard;
    r.word_02 = c.word_02_again;
    r.vend_price = c.vend_price;
    r.word_04 = c.word_04;
    r.option_flags = c.option_flags;
    r.dryer_run_time = bcdWord(c.time_bcd[0], c.time_bcd[1]);
    r.heat_time = bcdWord(c.time_bcd[2], c.time_bcd[3]);
    r.topoff_time = bcdWord(c.time_bcd[4], c.time_bcd[5]);
    r.topoff_price = c.topoff_price;
    std::memcpy(r.text_field_10, c.text_field_10, sizeof r.text_field_10);
    std::memcpy(r.text_field_1a, c.text_field_1a, sizeof r.text_field_1a);
    r.display_flags = c.display_flags;
    std::memcpy(r.idle_message, c.idle_message, sizeof r.idle_message);
    std::memcpy(r.busy_message, c.busy_message, sizeof r.busy_message);
    r.pulses = c.pulses;
    r.scroll_speed = c.scroll_speed;
    std::memcpy(r.text_lines_24, c.text_lines_24, sizeof r.text_lines_24);
    std::memcpy(r.bytes_9c, c.bytes_9c, sizeof r.bytes_9c);
    std::copy(std::begin(c.words_a4), std::end(c.words_a4), std::begin(r.words_a4));
    r.byte_af = c.byte_af;
    r.max_card_value = c.max_card_value;
    return true;
}

bool fromGen2Card(STRUCT_laundry_setup& r)
{
    GEN2_SETUP_CARD c{};
    if (cardlayout::NIMBOReadGen2Setup(&c) != 0)
        return false;
    r.card_type_code = laundry::kGen2Card;
    r.word_02 = c.word_02_again;
    r.vend_price = c.vend_price;
    r.option_flags = c.option_flags;
    r.topoff_price_alt = c.topoff_price_alt;
    std::memcpy(r.text_field_10, c.text_field_10, sizeof r.text_field_10);
    std::memcpy(r.text_field_1a, c.text_field_1a, sizeof r.text_field_1a);
    // A dryer card carries its dry time where a washer's wash time goes and
    // no rinse time; either reading writes the same bytes again.
    r.washer = c.rinse != 0 ? 1 : 0;
    if (r.washer) {
        r.wash = cardcore::bcd_to_hex(c.wash);
        r.rinse = cardcore::bcd_to_hex(c.rinse);
    } else {
        r.dry = cardcore::bcd_to_hex(c.wash);
    }
    return true;
}

} // namespace

uint8_t readSetupRecord(STRUCT_laundry_setup& record, uint8_t* headerByte)
{
    if (readSetupCard(record, headerByte) != 1)
        return 0;
    const auto powerOff = qScopeGuard([] { readerio::PowerCard(readerio::POWER_OFF); });
    uint8_t type = 0;
    if (!readerio::PowerCard(readerio::POWER_ON) || cardlayout::NIMBOGetCardType(&type) != 0)
        return 0;
    const bool read = type == laundry::kRetrofitCard ? fromRetrofitCard(record)
                      : type == laundry::kGen2Card   ? fromGen2Card(record)
                                                     : false;
    return read ? 1 : 0;
}

} // namespace setup
