// Golden byte vectors of the setup layouts: hex text, zero runs, blocks of
// zeros with bytes placed at their offsets, and the profile records the
// layout tests start from.
#pragma once

#include "card/card_state.h"
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

// Raw bytes into the record from `field` on, running on into the fields
// after it (multi-byte fields are little-endian).
template <class T> void put(T& field, const char* bytes)
{
    const QByteArray b = hex(bytes);
    std::memcpy(&field, b.constData(), size_t(b.size()));
}

// A card's setup file (2001), empty when it has none.
inline QByteArray setupFile(const card::CardState& state)
{
    const auto it = state.files.find(0x2001);
    return it == state.files.end() ? QByteArray()
                                   : QByteArray(reinterpret_cast<const char*>(it->second.data()),
                                                qsizetype(it->second.size()));
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
    std::memcpy(r.text_field_10, "ABCDEFGHIJklmnopqrst", 20); // and text_field_1a
    std::memcpy(r.machine_serial, "SN12345678", 11);
    put(r.wash, "1112");          // wash, rinse
    put(r.feature_flags, "2122"); // and feature_flags_2
    r.spec_days = 0x41;
    put(r.spec_price_begin, "0517"); // begin, end
    r.prewash = 0x24;
    r.penny_increment = 0x03;
    r.top_spin_speed = 0x27;
    r.action_flags = 0x97;
    put(r.coin1_value, "6162"); // coin 1, coin 2
    r.location_machine = 123456;
    return r;
}

} // namespace layouttest
