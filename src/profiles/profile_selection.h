// The two ways into the profile editor over the system database, and the
// headless conversion of a named profile for hosts without a display.
#pragma once

#include "laundry/laundry_setup.h"

#include <QString>

namespace profiles {

// SelectLaundrySetupProfile: 1 when a profile was chosen and the record
// filled. `profileName` receives the name last loaded into the editor.
uint8_t selectProfile(QString& profileName, STRUCT_laundry_setup& record);
// ShowAndLoadLaundrySetupProfile.
void manageProfiles();

// Finds the profile `name` (any type, compared without regard to case),
// loads it, runs its page's field limits and checks, and converts it as the
// editor's Select does. 1 on success; every refusal is shown.
uint8_t convertProfileByName(const QString& name, STRUCT_laundry_setup& record);

} // namespace profiles
