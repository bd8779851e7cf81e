// Exported profile entry points: the profile editor over the system database
// and the headless conversion of a named profile.
#include "exports/module_state.h"
#include "laundry/laundry.h"
#include "profiles/editor_rules.h"
#include "profiles/profile_selection.h"
#include "services/prompt.h"
#include "services/system_database.h"

#include <QByteArray>
#include <QString>

#include <cstring>

namespace {

constexpr int kProfileNameChars = 30; // the host's buffer holds 31 bytes

// The host's buffer is Latin-1: a name it cannot carry exactly is not
// handed back at all.
bool fitsHostBuffer(const QString& name)
{
    return name.size() <= kProfileNameChars && profiles::nameRepresentable(name);
}

void copyProfileName(const QString& name, char* buffer)
{
    const QByteArray latin1 = fitsHostBuffer(name) ? name.toLatin1() : QByteArray();
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
    uint8_t chosen = profiles::selectProfile(name, *record);
    if (chosen && !fitsHostBuffer(name)) {
        promptui::MessageBox(
            QStringLiteral("The profile name \"%1\" cannot be handed to this program: names hold "
                           "at most %2 printable Latin-1 characters. Rename the profile in the "
                           "Profile Manager and choose it again.")
                .arg(name)
                .arg(kProfileNameChars),
            QStringLiteral("ERROR: Reader Manager"), promptui::MB_OK | promptui::MB_ICONERROR);
        chosen = 0;
    }
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
    systemdb::setDatabasePath(path ? QString::fromUtf8(path) : QString());
}

uint8_t load_laundry_setup_profile(const char* name, STRUCT_laundry_setup* record)
{
    exports::ModuleState state;
    if (name == nullptr || record == nullptr)
        return 0;
    return profiles::convertProfileByName(QString::fromUtf8(name), *record);
}

} // extern "C"
