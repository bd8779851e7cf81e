#include "setup/setup_record.h"

#include <algorithm>
#include <cstring>

namespace setup {
namespace {

template <typename T> void zero(T& field)
{
    std::memset(&field, 0, sizeof field);
}

template <std::size_t N> void spaces(char (&field)[N])
{
    std::memset(field, ' ', N);
}

} // namespace

void clearSetupRecord(STRUCT_laundry_setup& r)
{
    zero(r.vend_price);
    zero(r.word_02);
    zero(r.option_flags);
    zero(r.dryer_run_time);
    zero(r.heat_time);
    zero(r.topoff_time);
    zero(r.topoff_price);
    spaces(r.text_field_10);
    spaces(r.text_field_1a);
    std::memset(r.text_lines_24, ' ', sizeof r.text_lines_24);
    zero(r.bytes_9c);
    zero(r.words_a4);
    zero(r.byte_af);
    zero(r.display_flags);
    spaces(r.idle_message);
    spaces(r.busy_message);
    zero(r.pulses);
    zero(r.scroll_speed);
    // 0x0F0..0x0F2: the Gen2 agitate and cycle times.
    zero(r.wash);
    zero(r.rinse);
    zero(r.dry);
    zero(r.card_type_code);
    zero(r.deduction);
    r.washer = 1;
    zero(r.dryer);
    zero(r.byte_138);
    zero(r.byte_139);
    zero(r.bytes_13a);
    zero(r.advantech_vend_price);
    zero(r.advantech_dryer_run_time);
    zero(r.topoff_price_alt);
    zero(r.topoff_time_alt);
    zero(r.spec_price_1);
    zero(r.sp1_days);
    zero(r.sp1_start);
    zero(r.sp1_duration);
    zero(r.spec_price_2);
    zero(r.sp2_days);
    zero(r.sp2_start);
    zero(r.sp2_duration);
    zero(r.spec_price_3);
    zero(r.sp3_days);
    zero(r.sp3_start);
    zero(r.sp3_duration);
    zero(r.coin1_pulse_min);
    zero(r.coin1_pulse_max);
    zero(r.coin2_pulse_min);
    zero(r.coin2_pulse_max);
    zero(r.advantech_time_step);
    zero(r.setup_byte_1);
    zero(r.setup_byte_2);
    zero(r.word_18a);
    zero(r.byte_18c);
    zero(r.word_18e);
    zero(r.dwords_190);
    zero(r.byte_198);
    zero(r.advantech_warm_price);
    zero(r.advantech_hot_price);
    zero(r.coin1_value_cents);
    zero(r.coin2_value_cents);
    zero(r.coin_slide_1);
    zero(r.coin_slide_2);
    zero(r.advantech_option_1a4);
    zero(r.decimal_point);
    zero(r.hot_temp_reduction);
    zero(r.extended_cool_down);
    zero(r.bytes_1a9);
    spaces(r.text_field_1bd);
    spaces(r.text_field_1c7);
}

void copyTextField(char* field, std::size_t size, const QByteArray& text)
{
    const std::size_t n = std::min<std::size_t>(size, static_cast<std::size_t>(text.size()));
    std::memset(field, ' ', size);
    std::memcpy(field, text.constData(), n);
    if (n < size)
        field[n] = '\0';
}

} // namespace setup
