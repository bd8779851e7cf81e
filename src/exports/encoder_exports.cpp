// Exported family encoders: each sets up the module state and hands the
// record to the encoder the layout dispatcher uses.
#include "exports/module_state.h"
#include "laundry/laundry.h"
#include "setup/advanteck_layout.h"
#include "setup/alliance_layout.h"
#include "setup/gen2_layout.h"
#include "setup/manual_layout.h"
#include "setup/maytag_layout.h"
#include "setup/mdc_layout.h"
#include "setup/retrofit_layout.h"
#include "setup/wascomat_layout.h"

namespace {

// A missing record is refused with the status of an unknown layout.
constexpr uint8_t kNoRecord = 1;

template <typename Record, typename Encoder>
uint8_t runEncoder(BaseCardImage& image, Record* record, Encoder encoder)
{
    exports::ModuleState state;
    return record ? encoder(image, record) : kNoRecord;
}

} // namespace

extern "C" {

uint8_t CardSetRetrofitSetup(BaseCardImage& image, RETRO_FIT_SETUP_CARD* record)
{
    return runEncoder(image, record, &setup::CardSetRetrofitSetup);
}

uint8_t CardSetGen2Setup(BaseCardImage& image, GEN2_SETUP_CARD* record)
{
    return runEncoder(image, record, &setup::CardSetGen2Setup);
}

uint8_t CardSetLgSetup(BaseCardImage& image, GEN2_LG_SETUP_CARD* record)
{
    return runEncoder(image, record, &setup::CardSetLgSetup);
}

uint8_t CardSetMarlinSetup(BaseCardImage& image, STRUCT_laundry_setup* record)
{
    return runEncoder(image, record, &setup::CardSetMarlinSetup);
}

uint8_t CardSetQuicksilverSetup(BaseCardImage& image, STRUCT_laundry_setup* record)
{
    return runEncoder(image, record, &setup::CardSetQuicksilverSetup);
}

uint8_t CardSetManualSetup(BaseCardImage& image, STRUCT_laundry_setup* record)
{
    return runEncoder(image, record, &setup::CardSetManualSetup);
}

uint8_t CardSetAllianceAcaSetup(BaseCardImage& image, STRUCT_laundry_setup* record)
{
    return runEncoder(image, record, &setup::CardSetAllianceAcaSetup);
}

uint8_t CardSetCenturionSetup(BaseCardImage& image, STRUCT_laundry_setup* record)
{
    return runEncoder(image, record, &setup::CardSetCenturionSetup);
}

uint8_t CardSetWascomatGen7Setup(BaseCardImage& image, STRUCT_laundry_setup* record)
{
    return runEncoder(image, record, &setup::CardSetWascomatGen7Setup);
}

uint8_t CardSetAdvanteckSetup(BaseCardImage& image, ADVNTECK_SETUP_CARD* record)
{
    return runEncoder(image, record, &setup::CardSetAdvanteckSetup);
}

uint8_t CardSetMdcSetup(BaseCardImage& image, MDC_SETUP_CARD* record)
{
    return runEncoder(image, record, &setup::CardSetMdcSetup);
}

} // extern "C"
