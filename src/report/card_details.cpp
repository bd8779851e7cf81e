#include "report/card_details.h"

#include "report/formatters.h"

#include <array>

namespace report {
namespace {

struct Entry {
    uint16_t cardType;
    Formatter formatter;
};

constexpr std::array kFormatters = {
    Entry{0xD2, &describeDcCard},        Entry{0xD7, &describeComplexDcCard},
    Entry{0xB4, &describeTovan2000},     Entry{0xB8, &describeRetrofit},
    Entry{0xB9, &describeGen2Advanced},  Entry{0xC5, &describeGen2Advanced},
    Entry{0xBB, &describeGen2},          Entry{0xB5, &describeCycleSetup},
    Entry{0xB0, &describePriceSpecial},  Entry{0xC0, &describeAdvantech},
    Entry{0xC1, &describeMdc},           Entry{0xC8, &describeWascomat},
    Entry{0xC7, &describeMaytag},        Entry{0xC9, &describeMaytag},
};

}  // namespace

Formatter formatterFor(uint16_t cardType)
{
    for (const Entry& entry : kFormatters)
        if (entry.cardType == cardType)
            return entry.formatter;
    return nullptr;
}

void appendCardDetails(uint16_t cardType, QString& text)
{
    // Unknown codes append nothing and show nothing.
    if (const Formatter formatter = formatterFor(cardType))
        formatter(text);
}

}  // namespace report
