#include "profiles/pages/maytag_dialog_rules.h"

#include "setup/profile_types.h"

namespace profiles {

MaytagModel MaytagDialogRules::modelOf(int code)
{
    switch (code) {
    case setup::kMaytagQuicksilver:
        return MaytagModel::Quicksilver;
    case setup::kMaytagMhn33:
        return MaytagModel::Mhn33;
    default:
        return MaytagModel::Marlin;
    }
}

int MaytagDialogRules::machineTypeOf(MaytagModel model)
{
    return model == MaytagModel::Mhn33 ? MaytagPricePageRules::kMhn33MachineType : 14;
}

MaytagDialogRules::MaytagDialogRules(int code)
    : code_(code), prices_(machineTypeOf(modelOf(code))), options_(modelOf(code))
{
}

QString MaytagDialogRules::pageName() const
{
    return QString::fromLatin1(setup::profileTypeInfo(code_).optionPage);
}

void MaytagDialogRules::reset()
{
    prices_.reset();
    options_.reset();
}

void MaytagDialogRules::load(const ColumnValues& columns)
{
    prices_.load(columns);
    options_.load(columns);
}

ColumnValues MaytagDialogRules::columns() const
{
    ColumnValues columns;
    prices_.addColumns(columns);
    options_.addColumns(columns);
    return columns;
}

Check MaytagDialogRules::checkFields() const
{
    if (Check refused = prices_.checkFields())
        return refused;
    return options_.checkFields();
}

Check MaytagDialogRules::checkBeforeSave() const
{
    const Check refused = checkFields();
    if (!refused)
        return std::nullopt;
    Refusal refusal;
    refusal.column = refused->column;
    refusal.control = refused->control;
    refusal.message = QString::fromLatin1(kMaytagInvalidDataText);
    refusal.icon = 0;
    return refusal;
}

Check MaytagDialogRules::checkCardLimits() const
{
    return prices_.checkCardLimits();
}

void MaytagDialogRules::writeRecord(const CommonValues& /*common*/,
                                    STRUCT_laundry_setup& record) const
{
    prices_.writeRecord(record);
    options_.writeRecord(record);
    record.machine_type = uint8_t(machineTypeOf(modelOf(code_)));
    record.card_type_code = setup::cardTypeCodeOf(code_);
}

} // namespace profiles
