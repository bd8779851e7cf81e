#include "setup/profile_types.h"

#include "laundry/card_types.h"

#include <array>

namespace setup {
namespace {

using namespace laundry;

constexpr std::array<ProfileTypeInfo, kProfileTypeCount> kCatalogue = {{
    {0, "Retrofit", 0, "Retrofit", "IDD_OPTIONS_RETRO", kRetrofitCard},
    {1, "Electromechanical", 1, "Electromechanical Retrofit", "IDD_OPTIONS_SEARS", kRetrofitCard},
    {2, "Tovan2000", 2, "Tovan2000", "IDD_OPTIONS_TOVAN2000", kTovan2000Card},
    {3, "Tovan2000 Cycle Setup", std::nullopt, nullptr, "IDD_OPTIONS_TOVAN2000_CS",
     kTovan2000CycleSetupCard},
    {4, "Maytag Gen2", 3, "Maytag Gen2", "IDD_OPTIONS_GEN2", kGen2Card},
    {5, "Maytag Gen2 Advanced", 4, "Maytag Gen2 Advanced", "IDD_MAYTAG_DEFUALT", kGen2AdvancedCard},
    {6, "Advantech", 5, "Advantech", "IDD_TOVAN_DEFAULT_DLG", kAdvantechCard},
    {7, "Speed Queen/Huebsch MDC", 6, "Speed Queen/Huebsch MDC", "IDD_DIALOG_ALLIANCE", kMdcCard},
    {8, "LG type", 7, "LG", "IDD_LG_DEFAULT", kLgCard},
    {9, "Alliance Quantum/ACA", 8, "Alliance Quantum/ACA", "IDD_DIALOG_CENTURION", kAllianceCard},
    {10, "Maytag Marlin", 9, "Maytag Marlin", "Marlin main (tabs) dialog", kMaytagMarlinCard},
    {11, "Wascomat", 10, "Wascomat", "Wascomat main dialog", kWascomatCard},
    {12, "Maytag Quicksilver", 11, "Maytag Quicksilver", "Quicksilver main (tabs) dialog",
     kMaytagQuicksilverCard},
    {13, "Generic", 12, "Generic", "Manual Setup dialog", kGenericCard},
    {14, "Maytag MHN33", 13, "Maytag MHN33", "MHN33 main (tabs) dialog", kMaytagMarlinCard},
}};

bool inSet(int code, std::initializer_list<int> codes)
{
    for (int c : codes)
        if (c == code)
            return true;
    return false;
}

} // namespace

bool isValidProfileType(int code)
{
    return code >= 0 && code < kProfileTypeCount;
}

const ProfileTypeInfo& profileTypeInfo(int code)
{
    return kCatalogue.at(code);
}

QString profileTypeListName(int code)
{
    return isValidProfileType(code) ? QString::fromLatin1(kCatalogue[code].listName) : QString();
}

uint16_t cardTypeCodeOf(int code)
{
    return isValidProfileType(code) ? kCatalogue[code].cardTypeCode : 0;
}

int selectorIndexToCode(int index)
{
    return index >= 3 ? index + 1 : index;
}

// Code 3 lands on index 2, the Tovan2000 entry, by the same rule.
int codeToSelectorIndex(int code)
{
    return code >= 3 ? code - 1 : code;
}

QStringList selectorEntries()
{
    QStringList entries;
    for (const auto& info : kCatalogue)
        if (info.selectorEntry)
            entries << QString::fromLatin1(info.selectorEntry);
    return entries;
}

bool pricesOnEditor(int code)
{
    return code >= 0 && code <= 4;
}

bool maxCardValueEditable(int code)
{
    return inSet(code, {0, 1, 5, 6, 7, 8, 9, 10, 11, 12, 14});
}

bool enableTokensEditable(int code)
{
    return inSet(code, {5, 7, 8, 9, 10, 12, 14});
}

bool clusteringAllowed(int code)
{
    return (code >= 5 && code <= 12) || code == 14;
}

bool pricesInNickels(int code)
{
    return code == kMaytagGen2Advanced || code == kLg;
}

} // namespace setup
