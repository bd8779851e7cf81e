// The profile-type catalogue: codes 0..14, their list names, type-selector
// entries, option pages and card-type codes, and the type groups the editor
// and the record conversion use.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace setup {

inline constexpr int kProfileTypeCount = 15;
inline constexpr int kSelectorEntryCount = 14;
// The editor's initial selector holds the first eight entries; the other six
// are appended when it opens.
inline constexpr int kInitialSelectorEntries = 8;

enum ProfileType : int {
    kRetrofit = 0,
    kElectromechanical = 1,
    kTovan2000 = 2,
    kTovan2000CycleSetup = 3,
    kMaytagGen2 = 4,
    kMaytagGen2Advanced = 5,
    kAdvantech = 6,
    kSpeedQueenMdc = 7,
    kLg = 8,
    kAllianceQuantumAca = 9,
    kMaytagMarlin = 10,
    kWascomat = 11,
    kMaytagQuicksilver = 12,
    kGeneric = 13,
    kMaytagMhn33 = 14,
};

struct ProfileTypeInfo {
    int code;
    const char* listName;
    std::optional<int> selectorIndex; // code 3 has no selector entry
    const char* selectorEntry;        // nullptr for code 3
    const char* optionPage;
    uint16_t cardTypeCode;
};

bool isValidProfileType(int code);
// The row of `code`; code must be valid.
const ProfileTypeInfo& profileTypeInfo(int code);

QString profileTypeListName(int code); // "" for an unknown code
uint16_t cardTypeCodeOf(int code);     // 0 for an unknown code

// Selector index <-> code: code = index + 1 from index 3 on. Code 3 shows as
// index 2 (Tovan2000) and is saved back as code 2.
int selectorIndexToCode(int index);
int codeToSelectorIndex(int code);
QStringList selectorEntries();

// Type groups.
bool pricesOnEditor(int code);       // Vend and Top Off Price on the editor: 0-4
bool maxCardValueEditable(int code); // 0, 1, 5-12, 14
bool enableTokensEditable(int code); // 5, 7, 8, 9, 10, 12, 14
bool clusteringAllowed(int code);    // with Check Location on: 5-12, 14
bool pricesInNickels(int code);      // 5 and 8

} // namespace setup
