#include "setup/setup_layout.h"

#include "services/prompt.h"
#include "setup/messages.h"
#include "setup/retrofit_layout.h"

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

// Codes without an entry are refused like any unknown code.
constexpr std::array kLayouts = {
    LayoutEntry{0xB8, &writeRetrofit},  // Retrofit, Electromechanical
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
