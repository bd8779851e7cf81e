#include "profiles/record_conversion.h"

#include "profiles/card_limits.h"
#include "profiles/savable_common.h"
#include "setup/profile_types.h"

#include <cstring>

namespace profiles {
namespace {

constexpr uint16_t kDisplayFlagsOfPage = 0x000F;

void refuseMissingPage(const CommonValues& common, const PageRules& page)
{
    Refusal refusal;
    refusal.message =
        QStringLiteral("No setup card can be made from the profile \"%1\": the option page of "
                       "its type \"%2\" (%3) is not part of this version of the library.")
            .arg(common.name, setup::profileTypeListName(common.typeCode), page.pageName());
    refusal.caption = QStringLiteral("ERROR: Reader Manager");
    refusal.icon = promptui::MB_ICONERROR;
    showRefusal(refusal);
}

void writeCommonHead(const CommonValues& common, STRUCT_laundry_setup& record)
{
    record.vend_price = cents(common.vendPrice);
    record.topoff_price = cents(common.topoffPrice);
    record.card_type_code = setup::cardTypeCodeOf(common.typeCode);
    record.enable_tokens = common.enableTokens ? 1 : 0;
    // Bits 0, 2, 4 and 5 belong to others and keep their value.
    uint8_t flags = record.option_flags &
                    ~(kCheckLocationBit | kClearCountersBit | kUserTransactionBit | kClusteringBit);
    if (common.userTransactionCollection)
        flags |= kUserTransactionBit;
    if (common.clearCounters)
        flags |= kClearCountersBit;
    if (common.checkLocation)
        flags |= kCheckLocationBit;
    if (common.locationClustering)
        flags |= kClusteringBit;
    record.option_flags = flags;
    record.display_flags &= static_cast<uint16_t>(~kDisplayFlagsOfPage);
    std::memset(record.idle_message, ' ', sizeof record.idle_message);
    std::memset(record.busy_message, ' ', sizeof record.busy_message);
}

void writeTail(const CommonValues& common, STRUCT_laundry_setup& record)
{
    record.word_04 = 0;
    record.max_card_value =
        static_cast<uint16_t>(common.maxCardValue.units() / Currency::kUnitsPerDollar);
}

} // namespace

Check checkConvertible(const CommonValues& common, const PageRules& page)
{
    const QList<Refusal> unsavable = checkSavableCommon(common);
    if (!unsavable.isEmpty())
        return unsavable.front();
    if (Check refused = checkCommonCardLimits(common))
        return refused;
    return page.checkCardLimits();
}

bool transferDialogToRecord(const CommonValues& common, const PageRules& page,
                            STRUCT_laundry_setup& record)
{
    if (!page.isAvailable()) {
        refuseMissingPage(common, page);
        return false;
    }
    if (const Check refusal = checkConvertible(common, page)) {
        showRefusal(*refusal);
        return false;
    }
    writeCommonHead(common, record);
    if (const Check refusal = page.checkBeforeSave()) {
        showRefusal(*refusal);
        return false;
    }
    if (const Check refusal = page.checkBeforeRecord()) {
        showRefusal(*refusal);
        return false;
    }
    page.writeRecord(common, record);
    writeTail(common, record);
    return true;
}

} // namespace profiles
