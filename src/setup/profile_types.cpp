#include "setup/profile_types.h"

#include <array>

namespace setup {
namespace {

constexpr std::array<ProfileTypeInfo, kProfileTypeCount> kCatalogue = {{
    {0, "Retrofit", 0, "Retrofit", "IDD_OPTIONS_RETRO", 0xB8},
    {1, "Electromechanical", 1, "Electromechanical Retrofit", "IDD_OPTIONS_SEARS", 0xB8},
    {2, "Tovan2000", 2, "Tovan2000", "IDD_OPTIONS_TOVAN2000", 0xB4},
    {3, "Tovan2000 Cycle Setup", std::nullopt, nullptr, "IDD_OPTIONS_TOVAN2000_CS", 0xB5},
    {4, "Maytag Gen2", 3, "Maytag Gen2", "IDD_OPTIONS_GEN2", 0xBB},
    {5, "Maytag Gen2 Advanced", 4, "Maytag Gen2 Advanced", "IDD_MAYTAG_DEFUALT", 0xB9},
    {6, "Advantech", 5, "Advantech", "IDD_TOVAN_DEFAULT_DLG", 0xC0},
    {7, "Speed Queen/Huebsch MDC", 6, "Speed Queen/Huebsch MDC", "IDD_DIALOG_ALLIANCE", 0xC1},
    {8, "LG type", 7, "LG", "IDD_LG_DEFAULT", 0xC5},
    {9, "Alliance Quantum/ACA", 8, "Alliance Quantum/ACA", "IDD_DIALOG_CENTURION", 0xC6},
    {10, "Maytag Marlin", 9, "Maytag Marlin", "Marlin main (tabs) dialog", 0xC7},
    {11, "Wascomat", 10, "Wascomat", "Wascomat main dialog", 0xC8},
    {12, "Maytag Quicksilver", 11, "Maytag Quicksilver", "Quicksilver main (tabs) dialog", 0xC9},
    {13, "Generic", 12, "Generic", "Manual Setup dialog", 0xCA},
    {14, "Maytag MHN33", 13, "Maytag MHN33", "MHN33 main (tabs) dialog", 0xC7},
}};

bool inSet(int code, std::initializer_list<int> codes)
{
    for (int c : codes)
        if (c == code)
            return true;
    return false;
}

}  // namespace

bool isValidProfileType(int code) { return code >= 0 && code < kProfileTypeCount; }

const ProfileTypeInfo& profileTypeInfo(int code) { return kCatalogue.at(code); }

QString profileTypeListName(int code)
{
    return isValidProfileType(code) ? QString::fromLatin1(kCatalogue[code].listName) : QString();
}

uint16_t cardTypeCodeOf(int code)
{
    return isValidProfileType(code) ? kCatalogue[code].cardTypeCode : 0;
}

int selectorIndexToCode(int index) { return index >= 3 ? index + 1 : index; }

// Code 3 lands on index 2, the Tovan2000 entry, by the same rule.
int codeToSelectorIndex(int code) { return code >= 3 ? code - 1 : code; }

QStringList selectorEntries()
{
    QStringList entries;
    for (const auto& info : kCatalogue)
        if (info.selectorEntry)
            entries << QString::fromLatin1(info.selectorEntry);
    return entries;
}

bool pricesOnEditor(int code) { return code >= 0 && code <= 4; }

bool maxCardValueEditable(int code)
{
    return inSet(code, {0, 1, 5, 6, 7, 8, 9, 10, 11, 12, 14});
}

bool enableTokensEditable(int code) { return inSet(code, {5, 7, 8, 9, 10, 12, 14}); }

bool clusteringAllowed(int code) { return (code >= 5 && code <= 12) || code == 14; }

bool pricesInNickels(int code) { return code == kMaytagGen2Advanced || code == kLg; }

}  // namespace setup
