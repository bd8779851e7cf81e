// Alliance Quantum/ACA setup card (code 198): the ACA and the Centurion
// (Quantum) layouts, written straight from the setup record.
#pragma once

#include "laundry/laundry_setup.h"
#include "setup/alliance_variants.h"

#include <cstdint>

class BaseCardImage;

namespace setup {

inline constexpr uint32_t kAllianceBlockBOffset = 256;
// The record's machine type is not one the product line takes.
inline constexpr uint8_t kStatusMachineTypeRefused = 20;

AllianceBlockA allianceBlockA(const AllianceVariant& variant, const STRUCT_laundry_setup& record);
AllianceBlockB allianceBlockB(const AllianceVariant& variant, const STRUCT_laundry_setup& record);

// Card version = `byte_138`. A machine type other than 1, 2 or 9 (ACA) or
// 1, 2, 4, 8 or 9 (Centurion) returns 20 once the header is written.
uint8_t CardSetAllianceAcaSetup(BaseCardImage& image, const STRUCT_laundry_setup* record);
uint8_t CardSetCenturionSetup(BaseCardImage& image, const STRUCT_laundry_setup* record);

// The writer of code 198: the ACA layout when `aca_product_line` is nonzero,
// else the Centurion layout.
uint8_t writeAllianceSetup(BaseCardImage& image, const STRUCT_laundry_setup& record);

} // namespace setup
