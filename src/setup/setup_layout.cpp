#include "setup/setup_layout.h"

#include "services/prompt.h"
#include "setup/advanteck_layout.h"
#include "setup/alliance_layout.h"
#include "setup/gen2_layout.h"
#include "setup/manual_layout.h"
#include "setup/maytag_layout.h"
#include "setup/mdc_layout.h"
#include "setup/messages.h"
#include "setup/retrofit_layout.h"
#include "setup/tovan2000_layout.h"
#include "setup/wascomat_layout.h"

#include <array>

namespace setup {
namespace {

uint8_t writeRetrofit(BaseCardImage& image, const STRUCT_laundry_setup& record)
{
    const RETRO_FIT_SETUP_CARD card = makeRetrofitRecord(record);
    return CardSetRetrofitSetup(image, &card);
}

struct LayoutEntry {
    uint16_t cardTypeCode;
    LayoutWriter writer;
};

// Every card-type code that is written; any other is refused.
constexpr std::array kLayouts = {
    LayoutEntry{0xB4, &writeTovan2000Layout},       // Tovan2000
    LayoutEntry{0xB5, &writeTovan2000CycleLayout},  // Tovan2000 Cycle Setup
    LayoutEntry{0xB8, &writeRetrofit},            // Retrofit, Electromechanical
    LayoutEntry{0xB9, &writeGen2AdvancedLayout},  // Maytag Gen2 Advanced
    LayoutEntry{0xBB, &writeGen2Layout},          // Maytag Gen2
    LayoutEntry{0xC0, &writeAdvanteckLayout},     // Advantech
    LayoutEntry{0xC1, &writeMdcLayout},           // Speed Queen/Huebsch MDC
    LayoutEntry{0xC5, &writeLgLayout},            // LG
    LayoutEntry{0xC6, &writeAllianceSetup},       // Alliance Quantum/ACA, Centurion
    LayoutEntry{0xC7, &writeMarlinLayout},        // Maytag Marlin, Maytag MHN33
    LayoutEntry{0xC8, &writeWascomatSetup},       // Wascomat
    LayoutEntry{0xC9, &writeQuicksilverLayout},   // Maytag Quicksilver
    LayoutEntry{0xCA, &writeManualLayout},        // Generic
};

}  // namespace

LayoutWriter layoutWriterFor(uint16_t cardTypeCode)
{
    for (const LayoutEntry& entry : kLayouts)
        if (entry.cardTypeCode == cardTypeCode)
            return entry.writer;
    return nullptr;
}

bool write_setup_layout(BaseCardImage& image, const STRUCT_laundry_setup* record)
{
    const LayoutWriter writer = layoutWriterFor(record->card_type_code);
    const uint8_t status = writer ? writer(image, *record) : kStatusUnknownLayout;
    if (status == 0)
        return true;
    promptui::MessageBox(text::withErrorNum(text::kErrorWritingData, status),
                         QString::fromLatin1(text::kCaptionError),
                         promptui::MB_OK | promptui::MB_ICONERROR);
    return false;
}

}  // namespace setup
