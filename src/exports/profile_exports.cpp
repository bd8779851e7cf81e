// Exported profile entry points: the profile editor over the system database
// and the headless conversion of a named profile.
#include "exports/module_state.h"
#include "laundry/laundry.h"
#include "profiles/profile_selection.h"

#include <QByteArray>
#include <QString>

#include <cstring>

namespace {

constexpr int kProfileNameChars = 30; // the host's buffer holds 31 bytes

void copyProfileName(const QString& name, char* buffer)
{
    const QByteArray latin1 = name.left(kProfileNameChars).toLatin1();
    std::memcpy(buffer, latin1.constData(), size_t(latin1.size()));
    buffer[latin1.size()] = '\0';
}

} // namespace

extern "C" {

uint8_t SelectLaundrySetupProfile(char* profile_name, STRUCT_laundry_setup* record)
{
    exports::ModuleState state;
    if (record == nullptr)
        return 0;
    QString name; // stays null when the database did not open
    const uint8_t chosen = profiles::selectProfile(name, *record);
    if (profile_name != nullptr && !name.isNull())
        copyProfileName(name, profile_name);
    return chosen;
}

void ShowAndLoadLaundrySetupProfile()
{
    exports::ModuleState state;
    profiles::manageProfiles();
}

void set_laundry_database_path(const char* path)
{
    exports::ModuleState state;
    profiles::setDatabasePath(path ? QString::fromUtf8(path) : QString());
}

uint8_t load_laundry_setup_profile(const char* name, STRUCT_laundry_setup* record)
{
    exports::ModuleState state;
    if (name == nullptr || record == nullptr)
        return 0;
    return profiles::convertProfileByName(QString::fromLatin1(name), *record);
}

} // extern "C"
