#include "setup/setup_layout.h"

#include "services/prompt.h"
#include "setup/card_type_registry.h"
#include "setup/messages.h"

namespace setup {

bool write_setup_layout(BaseCardImage& image, const STRUCT_laundry_setup* record)
{
    const CardTypeEntry* entry = cardTypeEntry(record->card_type_code);
    const uint8_t status =
        entry && entry->writer ? entry->writer(image, *record) : kStatusUnknownLayout;
    if (status == 0)
        return true;
    promptui::MessageBox(text::withErrorNum(text::kErrorWritingData, status),
                         QString::fromLatin1(text::kCaptionError),
                         promptui::MB_OK | promptui::MB_ICONERROR);
    return false;
}

} // namespace setup
