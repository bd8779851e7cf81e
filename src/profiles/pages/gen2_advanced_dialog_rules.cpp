#include "profiles/pages/gen2_advanced_dialog_rules.h"

#include "setup/profile_types.h"

namespace profiles {

Gen2AdvancedDialogRules::Gen2AdvancedDialogRules(int code)
    : code_(code), machine_(code == setup::kLg), prices_(code == setup::kLg)
{
}

QString Gen2AdvancedDialogRules::pageName() const
{
    return QString::fromLatin1(setup::profileTypeInfo(code_).optionPage);
}

void Gen2AdvancedDialogRules::reset()
{
    machine_.reset();
    features_.reset();
    prices_.reset();
    features_.setSuperCyclesAllowed(!machine_.isDryer(), false);
}

void Gen2AdvancedDialogRules::load(const ColumnValues& columns)
{
    machine_.load(columns);
    features_.load(columns);
    prices_.load(columns);
    // A stored dryer that holds either switch is refused by the check, not
    // cleared behind the operator's back.
    features_.setSuperCyclesAllowed(!machine_.isDryer(), false);
}

ColumnValues Gen2AdvancedDialogRules::columns() const
{
    ColumnValues columns;
    machine_.addColumns(columns);
    features_.addColumns(columns);
    prices_.addColumns(columns);
    return columns;
}

Check Gen2AdvancedDialogRules::checkFields() const
{
    if (Check refused = machine_.checkFields())
        return refused;
    if (Check refused = features_.checkFields())
        return refused;
    return prices_.checkFields();
}

Check Gen2AdvancedDialogRules::checkBeforeSave() const
{
    Check refused = checkFields();
    if (!refused)
        return std::nullopt;
    refused->message = lg() ? QStringLiteral("Error in input data. Correct data before updating "
                                             "changes. TRC#072501")
                            : QStringLiteral("Error in input data. Correct data before updating "
                                             "changes.");
    refused->caption = QStringLiteral("Invalid Data Entered");
    return refused;
}

void Gen2AdvancedDialogRules::writeRecord(const CommonValues& /*common*/,
                                          STRUCT_laundry_setup& record) const
{
    record.feature_flags = 0;
    record.feature_flags_2 = 0;
    record.spec_days = 0;
    record.action_flags = 0;
    machine_.writeRecord(record);
    features_.writeFlags(record);
    prices_.writeRecord(record);
    if (lg()) {
        // An LG dryer vends at the regular dryer price; the Coin2/TopOff
        // value is the top-off price too, in cents.
        if (machine_.isDryer())
            record.vend_price = record.reg_dryer_price;
        record.topoff_price =
            uint16_t(prices_.amount(Gen2AdvancedPriceRules::kCoin2).units() / 100);
    }
}

void Gen2AdvancedDialogRules::setTokens(bool enabled)
{
    features_.setTokens(enabled);
}

Check Gen2AdvancedDialogRules::checkTokens(bool enabled) const
{
    if (Check refused = features_.checkTokens(enabled))
        return refused;
    return prices_.checkTokens(enabled, machine_.isStack());
}

void Gen2AdvancedDialogRules::chooseKind(Kind kind)
{
    machine_.setKind(kind);
    features_.setSuperCyclesAllowed(!machine_.isDryer(), true);
}

void Gen2AdvancedDialogRules::clickFeature(Gen2AdvancedFeaturesRules::Switch s, bool on)
{
    features_.click(s, on, machine_.number(Gen2AdvancedMachineRules::kWash));
}

Check Gen2AdvancedDialogRules::leaveMoney(Gen2AdvancedPriceRules::Field field, const QString& text)
{
    return prices_.leaveMoney(field, text, features_.tokens(), machine_.isStack());
}

} // namespace profiles
