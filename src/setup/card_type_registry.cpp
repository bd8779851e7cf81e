#include "setup/card_type_registry.h"

#include "laundry/card_types.h"
#include "report/formatters.h"
#include "setup/advanteck_layout.h"
#include "setup/alliance_layout.h"
#include "setup/gen2_layout.h"
#include "setup/manual_layout.h"
#include "setup/maytag_layout.h"
#include "setup/mdc_layout.h"
#include "setup/retrofit_layout.h"
#include "setup/setup_card_reader.h"
#include "setup/tovan2000_layout.h"
#include "setup/wascomat_layout.h"

#include <algorithm>
#include <iterator>

namespace setup {
namespace {

using namespace laundry;
using namespace report;

// Block 1 of a Retrofit card, read back from Retrofit and Gen2 cards alike.
constexpr SetupReader kReadBlock1 = &read_setup_data_area;

// clang-format off
constexpr CardTypeEntry kCardTypes[] = {
    // code                    writer                     read-back    report
    {kPriceSpecialCard,        nullptr,                   nullptr,     describePriceSpecial},
    {kTovan2000Card,           writeTovan2000Layout,      nullptr,     describeTovan2000},
    {kTovan2000CycleSetupCard, writeTovan2000CycleLayout, nullptr,     describeCycleSetup},
    {kRetrofitCard,            writeRetrofitLayout,       kReadBlock1, describeRetrofit},
    {kGen2AdvancedCard,        writeGen2AdvancedLayout,   nullptr,     describeGen2Advanced},
    {kGen2Card,                writeGen2Layout,           kReadBlock1, describeGen2},
    {kAdvantechCard,           writeAdvanteckLayout,      nullptr,     describeAdvantech},
    {kMdcCard,                 writeMdcLayout,            nullptr,     describeMdc},
    {kLgCard,                  writeLgLayout,             nullptr,     describeGen2Advanced},
    {kAllianceCard,            writeAllianceSetup,        nullptr,     nullptr},
    {kMaytagMarlinCard,        writeMarlinLayout,         nullptr,     describeMaytag},
    {kWascomatCard,            writeWascomatSetup,        nullptr,     describeWascomat},
    {kMaytagQuicksilverCard,   writeQuicksilverLayout,    nullptr,     describeMaytag},
    {kGenericCard,             writeManualLayout,         nullptr,     nullptr},
    {kReaderDcCard,            nullptr,                   nullptr,     describeDcCard},
    {kComplexDcCard,           nullptr,                   nullptr,     describeComplexDcCard},
};
// clang-format on

// Written cards that have no report yet: the Alliance card, and the Generic
// card, which carries the profile's own card type instead of 202.
constexpr uint8_t kWrittenWithoutReport[] = {kAllianceCard, kGenericCard};

constexpr bool everyEntryNamedOnce()
{
    for (std::size_t i = 0; i < std::size(kCardTypes); ++i) {
        if (cardTypeName(kCardTypes[i].code) == nullptr)
            return false;
        for (std::size_t j = i + 1; j < std::size(kCardTypes); ++j)
            if (kCardTypes[i].code == kCardTypes[j].code)
                return false;
    }
    return true;
}
static_assert(everyEntryNamedOnce(), "each card type has a name and one entry");

constexpr bool everyWrittenCardDescribed()
{
    for (const CardTypeEntry& entry : kCardTypes)
        if (entry.writer && !entry.report &&
            std::ranges::find(kWrittenWithoutReport, entry.code) == std::end(kWrittenWithoutReport))
            return false;
    return true;
}
static_assert(everyWrittenCardDescribed(), "a written card type needs a report");

} // namespace

const CardTypeEntry* cardTypeEntry(uint16_t code)
{
    const auto it = std::ranges::find(kCardTypes, code, &CardTypeEntry::code);
    return it == std::end(kCardTypes) ? nullptr : &*it;
}

std::span<const CardTypeEntry> cardTypeEntries()
{
    return kCardTypes;
}

} // namespace setup
