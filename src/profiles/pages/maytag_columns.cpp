#include "profiles/pages/maytag_columns.h"

#include "setup/profile_types.h"

namespace profiles {

std::vector<ProfileColumn> maytagColumns(int code)
{
    constexpr ColumnKind T = ColumnKind::Text;
    constexpr ColumnKind C = ColumnKind::Money;
    constexpr ColumnKind B = ColumnKind::YesNo;
    constexpr ColumnKind I = ColumnKind::Integer;
    // The "Prices" page.
    std::vector<ProfileColumn> columns = {{"COIN1 VALUE", C}};
    for (const char* name :
         {"PRICE1", "PRICE2", "PRICE3", "PRICE4", "PRICE5", "PRICE6", "PRICE7", "PRICE8",
          "PENNY INCREMENT", "SPEC PRICE 1", "SPEC PRICE 2", "SPEC PRICE 3"})
        columns.push_back({name, C});
    columns.push_back({"SPEC PRICING", B});
    columns.push_back({"SPEC PRICE BEGIN", T});
    columns.push_back({"SPEC PRICE END", T});
    for (const char* name :
         {"SUNDAY", "MONDAY", "TUESDAY", "WEDNESDAY", "THURSDAY", "FRIDAY", "SATURDAY"})
        columns.push_back({name, B});
    // The options page.
    for (const ProfileColumn& column : std::initializer_list<ProfileColumn>{
             {"POSITION", T}, {"LOCATION MACHINE", I}, {"MACHINE SERIAL", T}})
        columns.push_back(column);
    if (code == setup::kMaytagMarlin) {
        columns.push_back({"WASH", I});
        columns.push_back({"RINSE", I});
    }
    if (code == setup::kMaytagMhn33) {
        for (const char* name : {"PREWASH", "WASH", "RINSE"})
            columns.push_back({name, I});
        columns.push_back({"FINAL SPIN", T});
        columns.push_back({"TOP SPIN SPEED", T});
        columns.push_back({"WATER LEVEL", B});
        columns.push_back({"TEMP LEVEL", B});
    }
    columns.push_back({"SETUP BYTE 1", I});
    columns.push_back({"SETUP BYTE 2", I});
    if (code != setup::kMaytagQuicksilver)
        for (const char* name : {"SET SERIAL", "SET POSITION", "SET PRICE", "SET CYCLE"})
            columns.push_back({name, B});
    return columns;
}

} // namespace profiles
