// Exported setup-card entry points.
#include "exports/module_state.h"
#include "laundry/laundry.h"
#include "setup/setup_card_reader.h"
#include "setup/setup_card_writer.h"
#include "setup/setup_record.h"
#include "setup/setup_record_from_card.h"

extern "C" {

void set_laundry_ui_mode(int mode)
{
    exports::setHostUiMode(mode);
}

void clear_laundry_setup_struct(STRUCT_laundry_setup* record)
{
    exports::ModuleState state;
    if (record)
        setup::clearSetupRecord(*record);
}

uint8_t create_laundry_setup_card(BaseCardImage* image, uint16_t custId,
                                  STRUCT_laundry_setup* record, uint32_t /*unused*/)
{
    exports::ModuleState state;
    if (!image || !record)
        return 0;
    return setup::createSetupCard(*image, custId, *record);
}

uint8_t read_laundry_setup_card(STRUCT_laundry_setup* record, uint8_t* headerByte)
{
    exports::ModuleState state;
    if (!record)
        return 0;
    return setup::readSetupCard(*record, headerByte);
}

uint8_t read_laundry_setup_record(STRUCT_laundry_setup* record, uint8_t* headerByte)
{
    exports::ModuleState state;
    if (!record)
        return 0;
    return setup::readSetupRecord(*record, headerByte);
}

} // extern "C"
