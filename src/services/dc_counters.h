// The counters of a DC record's counter block as database values: where a
// column's counter sits, how wide it is and how it is stored. Counters are
// unsigned and little-endian. Shared by the storage of the record families
// and by the generic columns the duplicate search relies on.
#pragma once

#include "services/dao.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <array>
#include <cstdint>

namespace cardcore {

enum class DcConversion : uint8_t {
    Integer,     // the counter as a number
    Integer16,   // the same, a column the machines count in 16 bits
    Cents,       // money, the counter in cents
    Nickels,     // money, the counter in 5-cent units
    Text,        // the characters of the field, up to a zero byte
    DecimalText, // the counter's decimal digits ("%d")
};

struct DcColumn {
    const char* name;
    uint16_t offset;
    uint8_t width;
    DcConversion conversion;
    // A second cent counter (a byte) added to the amount, or -1 for none.
    int16_t plusCentsAt = -1;
};

// The unsigned little-endian counter of width bytes (1 to 4) at offset.
inline uint32_t dcCounter(const uint8_t* block, int offset, int width)
{
    uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | block[offset + i];
    return value;
}

inline Currency dcCents(const uint8_t* block, int offset, int width)
{
    return Currency::fromCents(dcCounter(block, offset, width));
}

// The value SetField stores for the column.
inline QVariant dcColumnValue(const DcColumn& column, const uint8_t* block)
{
    switch (column.conversion) {
    case DcConversion::Text: {
        const char* text = reinterpret_cast<const char*>(block + column.offset);
        return QString::fromLatin1(text, qstrnlen(text, column.width));
    }
    case DcConversion::DecimalText:
        return QString::number(dcCounter(block, column.offset, column.width));
    case DcConversion::Cents: {
        Currency amount = dcCents(block, column.offset, column.width);
        if (column.plusCentsAt >= 0)
            amount = amount + dcCents(block, column.plusCentsAt, 1);
        return amount.toVariant();
    }
    case DcConversion::Nickels:
        return Currency::fromCents(qint64{dcCounter(block, column.offset, column.width)} * 5)
            .toVariant();
    case DcConversion::Integer:
    case DcConversion::Integer16:
        break;
    }
    return qint64{dcCounter(block, column.offset, column.width)};
}

// The counters the duplicate search of machine records compares, at the
// same offsets in the blocks of families 3 to 6 and 13.
inline constexpr DcColumn kDcIntCycles{"INT CYCLES", 8, 4, DcConversion::Integer};
inline constexpr DcColumn kDcIntCash{"INT CASH", 12, 4, DcConversion::Cents};
inline constexpr DcColumn kDcElpCycles{"ELP CYCLES", 16, 4, DcConversion::Integer};
inline constexpr DcColumn kDcElpCash{"ELP CASH", 20, 4, DcConversion::Cents};
inline constexpr DcColumn kDcElpRunTime{"ELP RUN TIME", 130, 2, DcConversion::Integer};
inline constexpr std::array<DcColumn, 5> kDcSearchCounters{kDcIntCycles, kDcIntCash, kDcElpCycles,
                                                           kDcElpCash, kDcElpRunTime};

} // namespace cardcore
