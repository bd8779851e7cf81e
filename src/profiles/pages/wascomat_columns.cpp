#include "profiles/pages/wascomat_columns.h"

namespace profiles {

const WascomatPriceColumns& wascomatRegularColumns()
{
    static const WascomatPriceColumns columns = {"PRICE1",
                                                 "PRICE2",
                                                 "PRICE3",
                                                 "PRICE4",
                                                 "PRICE5",
                                                 "PRICE6",
                                                 "PRICE7",
                                                 "PRICE8",
                                                 "PRICE9",
                                                 "PRICE10",
                                                 "PRICE11",
                                                 "PRICE12",
                                                 "PRICE13",
                                                 "PRICE14",
                                                 "PRICE15",
                                                 "PRICE16",
                                                 "STANDARD ADDER OPTION1",
                                                 "STANDARD ADDER OPTION2"};
    return columns;
}

const WascomatPriceColumns& wascomatSpecialColumns()
{
    static const WascomatPriceColumns columns = {
        "SPEC PRICE 1",          "SPEC PRICE 2",         "SPEC PRICE 3",  "SPEC PRICE 4",
        "SPEC PRICE 5",          "SPEC PRICE 6",         "SPEC PRICE 7",  "SPEC PRICE 8",
        "SPEC PRICE 9",          "SPEC PRICE 10",        "SPEC PRICE 11", "SPEC PRICE 12",
        "SPEC PRICE 13",         "SPEC PRICE 14",        "SPEC PRICE 15", "SPEC PRICE 16",
        "SPECIAL ADDER OPTION1", "SPECIAL ADDER OPTION2"};
    return columns;
}

std::vector<ProfileColumn> wascomatColumns()
{
    std::vector<ProfileColumn> columns = {{"MACHINE TYPE", ColumnKind::Integer}};
    for (const char* name : wascomatRegularColumns())
        columns.push_back({name, ColumnKind::Money});
    for (const char* name : wascomatSpecialColumns())
        columns.push_back({name, ColumnKind::Money});
    columns.push_back({"SPEC PRICING", ColumnKind::YesNo});
    for (const char* name : kDayColumns)
        columns.push_back({name, ColumnKind::YesNo});
    columns.push_back({"SPEC PRICE BEGIN", ColumnKind::Text});
    columns.push_back({"SPEC PRICE END", ColumnKind::Text});
    return columns;
}

} // namespace profiles
