// Golden byte vectors of the setup layouts: hex text, zero runs, blocks of
// zeros with bytes placed at their offsets, and the profile records the
// layout tests start from.
#pragma once

#include "laundry/laundry_setup.h"
#include "setup/setup_record.h"

#include <QByteArray>

#include <cstring>
#include <initializer_list>
#include <utility>

namespace layouttest {

inline QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

inline QByteArray zeros(int count)
{
    return QByteArray(count, '\0');
}

// `size` zero bytes with the given bytes placed at their offsets.
inline QByteArray layout(int size, std::initializer_list<std::pair<int, QByteArray>> parts)
{
    QByteArray b(size, '\0');
    for (const auto& [at, bytes] : parts)
        b.replace(at, bytes.size(), bytes);
    b.resize(size);
    return b;
}

template <class T> QByteArray bytesOf(const T& value)
{
    return QByteArray(reinterpret_cast<const char*>(&value), sizeof value);
}

// A cleared profile record of customer 0x1234 whose bytes the clear leaves
// alone are 0xAA, so a field that should not reach the card shows up.
inline STRUCT_laundry_setup clearedRecord(uint16_t cardTypeCode)
{
    STRUCT_laundry_setup r;
    std::memset(&r, 0xAA, sizeof r);
    setup::clearSetupRecord(r);
    r.card_type_code = cardTypeCode;
    r.word_02 = 0x1234;
    return r;
}

// The fields the Maytag Gen2 Advanced, LG, Marlin and Quicksilver cards
// share, each with its own value.
inline STRUCT_laundry_setup maytagRecord(uint16_t cardTypeCode)
{
    STRUCT_laundry_setup r = clearedRecord(cardTypeCode);
    r.vend_price = 25;
    r.option_flags = 0x4A;
    r.max_card_value = 100;
    r.enable_tokens = 1;
    r.position = 0x0207;
    r.wash = 0x11;
    r.rinse = 0x12;
    r.prewash = 0x24;
    r.top_spin_speed = 0x27;
    r.action_flags = 0x97;
    std::memcpy(r.text_field_10, "ABCDEFGHIJ", 10);
    std::memcpy(r.text_field_1a, "klmnopqrst", 10);
    std::memcpy(r.machine_serial, "SN12345678", 11);
    r.location_machine = 123456;
    r.feature_flags = 0x21;
    r.feature_flags_2 = 0x22;
    r.spec_days = 0x41;
    r.spec_price_begin = 0x05;
    r.spec_price_end = 0x17;
    r.coin1_value = 0x61;
    r.coin2_value = 0x62;
    r.penny_increment = 0x03;
    return r;
}

} // namespace layouttest
