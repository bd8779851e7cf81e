#include "setup/manual_layout.h"

#include "setup/encoder_frame.h"

namespace setup {

uint8_t CardSetManualSetup(BaseCardImage& image, const STRUCT_laundry_setup* record)
{
    const CardHeader header{record->setup_byte_1, record->word_02};
    return writeSetupCard(image, kManualCardVersion, header,
                          {{0, std::span<const uint8_t>(record->manual_setup_data)}});
}

uint8_t writeManualLayout(BaseCardImage& image, const STRUCT_laundry_setup& record)
{
    return CardSetManualSetup(image, &record);
}

} // namespace setup
