// The card types of the laundry system: the code in byte 0 of a card header
// (and in a setup record's `card_type_code`) and the name an operator reads.
// This is the one list of codes; the library's writer, read-back and report
// of each code are in src/setup/card_type_registry.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

namespace laundry {

inline constexpr uint8_t kBlankCard = 0x00;
inline constexpr uint8_t kNewCard = 0xFF; // factory fresh
inline constexpr uint8_t kPriceSpecialCard = 0xB0;
inline constexpr uint8_t kTovan2000Card = 0xB4;           // 180
inline constexpr uint8_t kTovan2000CycleSetupCard = 0xB5; // 181
inline constexpr uint8_t kRetrofitCard = 0xB8;            // 184
inline constexpr uint8_t kGen2AdvancedCard = 0xB9;        // 185
inline constexpr uint8_t kGen2Card = 0xBB;                // 187
inline constexpr uint8_t kRestrictionTimeCard = 0xBE;
inline constexpr uint8_t kAdvantechCard = 0xC0;         // 192
inline constexpr uint8_t kMdcCard = 0xC1;               // 193
inline constexpr uint8_t kLgCard = 0xC5;                // 197
inline constexpr uint8_t kAllianceCard = 0xC6;          // 198
inline constexpr uint8_t kMaytagMarlinCard = 0xC7;      // 199, MHN33 too
inline constexpr uint8_t kWascomatCard = 0xC8;          // 200
inline constexpr uint8_t kMaytagQuicksilverCard = 0xC9; // 201
inline constexpr uint8_t kGenericCard = 0xCA;           // 202
inline constexpr uint8_t kReaderDcCard = 0xD2;          // 210
inline constexpr uint8_t kManualDcCard = 0xD4;          // 212
inline constexpr uint8_t kComplexDcCard = 0xD7;         // 215
inline constexpr uint8_t kAdvanteckDcCard = 0xD9;       // 217

struct CardTypeName {
    uint8_t code;
    const char* name;
};

// Every card type the system writes or reads, named as StrCardtype shows it.
inline constexpr CardTypeName kCardTypeNames[] = {
    {kBlankCard, "Blank Card"},
    {kNewCard, "New Card"},
    {kPriceSpecialCard, "Price Special Card"},
    {kRestrictionTimeCard, "Restriction Time Card"},
    {kTovan2000Card, "Tovan2000 Setup Card"},
    {kTovan2000CycleSetupCard, "Tovan2000 Cycle Setup Card"},
    {kRetrofitCard, "Retrofit Setup Card"},
    {kGen2AdvancedCard, "Maytag Gen2 Advanced Setup Card"},
    {kGen2Card, "Maytag Gen2 Setup Card"},
    {kAdvantechCard, "Advantech Setup Card"},
    {kMdcCard, "Speed Queen/Huebsch MDC Setup Card"},
    {kLgCard, "LG Setup Card"},
    {kAllianceCard, "Alliance Quantum/ACA Setup Card"},
    {kMaytagMarlinCard, "Maytag Marlin/MHN33 Setup Card"},
    {kWascomatCard, "Wascomat Setup Card"},
    {kMaytagQuicksilverCard, "Maytag Quicksilver Setup Card"},
    {kGenericCard, "Generic Setup Card"},
    {kReaderDcCard, "Reader Data Collection Card"},
    {kManualDcCard, "Manual Data Collection Card"},
    {kComplexDcCard, "Complex (Stacked Machine) Data Collection Card"},
    {kAdvanteckDcCard, "Advanteck Data Collection Card"},
};

constexpr bool cardTypeNamesUnique()
{
    for (std::size_t i = 0; i < std::size(kCardTypeNames); ++i)
        for (std::size_t j = i + 1; j < std::size(kCardTypeNames); ++j)
            if (kCardTypeNames[i].code == kCardTypeNames[j].code)
                return false;
    return true;
}
static_assert(cardTypeNamesUnique(), "a card type has one name");

// The name of `code`, or nullptr for a code the system does not know. Codes
// above 0xFF are no card type.
constexpr const char* cardTypeName(uint16_t code)
{
    for (const CardTypeName& entry : kCardTypeNames)
        if (entry.code == code)
            return entry.name;
    return nullptr;
}

} // namespace laundry
