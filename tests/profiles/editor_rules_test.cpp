// The editor's own checks and the record conversion's common head and tail.
#include "platform/ui/checked_scripted_ui.h"
#include "profiles/editor_rules.h"
#include "profiles/record_conversion.h"
#include "setup/profile_types.h"
#include "setup/setup_record.h"

#include <gtest/gtest.h>

using namespace profiles;

TEST(ProfileNameCheck, RefusesInOrderWithTheEditorsMessages)
{
    const QStringList listed = {"Dryers", "Washers"};
    auto message = [&](const QString& name, const QString& previous = {}) {
        const Check refusal = checkProfileName(name, previous, listed);
        return refusal ? refusal->message : QString();
    };
    EXPECT_EQ(message(""), " Empty Profile Name\n A unique profile name must be provided");
    EXPECT_EQ(message("Joe's"), "Profile name can't contain a ' character.");
    EXPECT_EQ(message("a|b\"c"), "Profile name can't contain a | character.");
    EXPECT_EQ(message("say \"hi\""), "Profile name can't contain a \" character.");
    EXPECT_EQ(message("DRYERS"), " Duplicate Profile Name\n Must be unique");
    EXPECT_EQ(message("DRYERS", "dryers"), QString()); // its own name, case changed
    EXPECT_EQ(message("Dryers 2"), QString());

    const Check refusal = checkProfileName("washers", {}, listed);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->caption, "INPUT ERROR: Profile Data Edit");
    EXPECT_EQ(refusal->control, kIdProfileName);
    EXPECT_EQ(refusal->icon, unsigned(promptui::MB_ICONEXCLAMATION));
}

TEST(MaxCardValueCheck, TruncatesCentsThenKeepsTheRange)
{
    const auto cents = checkMaxCardValue(Currency::fromCents(1250));
    EXPECT_EQ(cents.value, Currency::fromDollars(12));
    ASSERT_EQ(cents.messages.size(), 1u);
    EXPECT_EQ(cents.messages[0].message,
              "Max Card Value must be a whole dollar amount. Truncating cents.");
    EXPECT_EQ(cents.messages[0].caption, "ERROR: Reader Manager");

    for (const Currency bad : {Currency::fromDollars(700), Currency(), Currency::fromCents(50),
                               Currency::fromDollars(656)}) {
        const auto check = checkMaxCardValue(bad);
        EXPECT_EQ(check.value, Currency::fromDollars(100)) << bad.toString().toStdString();
        ASSERT_FALSE(check.messages.empty());
        EXPECT_EQ(check.messages.back().message,
                  "Max Card Value must be greater than $0 and less than or equal to $655.");
    }
    // $0.50 is told both: the cents go first, then $0 is out of range.
    EXPECT_EQ(checkMaxCardValue(Currency::fromCents(50)).messages.size(), 2u);
    EXPECT_TRUE(checkMaxCardValue(Currency::fromDollars(655)).messages.empty());
    EXPECT_TRUE(checkMaxCardValue(Currency::fromDollars(1)).messages.empty());
}

TEST(NickelPriceCheck, AcceptsMultiplesOfFiveCentsUpToNineNinetyFive)
{
    for (int cents : {5, 125, 995})
        EXPECT_FALSE(checkNickelPrice(Currency::fromCents(cents), kIdVendPrice, "VEND PRICE"))
            << cents;
    for (int cents : {0, 123, 1000, -5})
        EXPECT_TRUE(checkNickelPrice(Currency::fromCents(cents), kIdVendPrice, "VEND PRICE"))
            << cents;
    const Check refusal = checkNickelPrice(Currency::fromCents(123), kIdTopoffPrice, "TOPOFF PRICE");
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message,
              "Please  enter a currency multiple of Nickels.The range is $0.05 to $9.95");
    EXPECT_EQ(refusal->caption, "Invalid Number Entered");
    EXPECT_EQ(refusal->control, kIdTopoffPrice);
}

TEST(EditControls, FollowTheTypeGroups)
{
    const EditControls retrofit = editControlsFor(setup::kRetrofit, true);
    EXPECT_TRUE(retrofit.maxCardValue);
    EXPECT_FALSE(retrofit.enableTokens);
    EXPECT_TRUE(retrofit.pricesVisible);
    EXPECT_FALSE(retrofit.locationClustering); // clustering needs a code 5-12 or 14

    const EditControls tovan = editControlsFor(setup::kTovan2000, true);
    EXPECT_FALSE(tovan.maxCardValue);
    EXPECT_TRUE(tovan.commonChecks);
    EXPECT_FALSE(tovan.userTransaction);

    const EditControls cycle = editControlsFor(setup::kTovan2000CycleSetup, true);
    EXPECT_FALSE(cycle.commonChecks);
    EXPECT_FALSE(cycle.pricesEditable);
    EXPECT_TRUE(cycle.pricesVisible);

    const EditControls marlin = editControlsFor(setup::kMaytagMarlin, true);
    EXPECT_TRUE(marlin.enableTokens);
    EXPECT_FALSE(marlin.pricesVisible);
    EXPECT_TRUE(marlin.locationClustering);
    EXPECT_FALSE(editControlsFor(setup::kMaytagMarlin, false).locationClustering);
    EXPECT_FALSE(editControlsFor(setup::kGeneric, true).maxCardValue);
}

namespace {

// A page that records what the conversion hands it.
class FakePage : public PageRules {
public:
    QString pageName() const override { return QStringLiteral("IDD_FAKE"); }
    bool isAvailable() const override { return available; }
    void reset() override {}
    void load(const ColumnValues&) override {}
    ColumnValues columns() const override { return {}; }
    Check checkBeforeSave() const override { return refusal; }
    void writeRecord(const CommonValues&, STRUCT_laundry_setup& record) const override
    {
        record.pulses = 42;
    }

    bool available = true;
    Check refusal;
};

CommonValues retrofitProfile()
{
    CommonValues common = newProfileValues(setup::kRetrofit);
    common.name = QStringLiteral("Front");
    common.vendPrice = Currency::fromCents(125);
    common.topoffPrice = Currency(2599); // $0.2599 keeps 25 cents
    return common;
}

} // namespace

TEST(RecordConversion, WritesTheCommonHeadThePageAndTheTail)
{
    uitest::CheckedScriptedUi ui;
    STRUCT_laundry_setup record;
    setup::clearSetupRecord(record);
    record.option_flags = 0x35; // bits 0, 2, 4, 5 belong to others
    record.display_flags = 0xFFFF;
    record.word_04 = 7;
    CommonValues common = retrofitProfile();
    common.userTransactionCollection = true;
    common.enableTokens = true;
    FakePage page;
    ASSERT_TRUE(transferDialogToRecord(common, page, record));
    EXPECT_EQ(record.vend_price, 125);
    EXPECT_EQ(record.topoff_price, 25);
    EXPECT_EQ(record.card_type_code, 0xB8);
    EXPECT_EQ(record.enable_tokens, 1);
    EXPECT_EQ(record.option_flags, 0x35 | 0x02 | 0x08 | 0x40);
    EXPECT_EQ(record.display_flags, 0xFFF0);
    EXPECT_EQ(record.pulses, 42);
    EXPECT_EQ(record.word_04, 0);
    EXPECT_EQ(record.max_card_value, 100);
    EXPECT_EQ(QByteArray(record.idle_message, 30), QByteArray(30, ' '));
    EXPECT_TRUE(ui->messages().empty());

    // Unchecked options clear their bits when the record is converted again.
    common.checkLocation = common.clearCounters = common.userTransactionCollection = false;
    common.maxCardValue = Currency(99999); // $9.9999 is 9 whole dollars
    ASSERT_TRUE(transferDialogToRecord(common, page, record));
    EXPECT_EQ(record.option_flags, 0x35);
    EXPECT_EQ(record.max_card_value, 9);
}

TEST(RecordConversion, APageRefusalStopsAfterTheHeadWithItsMessage)
{
    uitest::CheckedScriptedUi ui;
    STRUCT_laundry_setup record;
    setup::clearSetupRecord(record);
    record.word_04 = 7;
    FakePage page;
    page.refusal = Refusal{"IDLE MESSAGE", 1009, "bad idle", "Reader Manager"};
    EXPECT_FALSE(transferDialogToRecord(retrofitProfile(), page, record));
    EXPECT_EQ(record.vend_price, 125);
    EXPECT_EQ(record.pulses, 0);
    EXPECT_EQ(record.word_04, 7);
    EXPECT_EQ(ui->messageTexts(), QStringList{"bad idle"});
}

TEST(RecordConversion, APageNotBuiltRefusesBeforeWritingAnything)
{
    uitest::CheckedScriptedUi ui;
    STRUCT_laundry_setup record;
    setup::clearSetupRecord(record);
    const STRUCT_laundry_setup before = record;
    FakePage page;
    page.available = false;
    CommonValues common = retrofitProfile();
    common.typeCode = setup::kMaytagMarlin;
    EXPECT_FALSE(transferDialogToRecord(common, page, record));
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
    ASSERT_EQ(ui->messages().size(), 1u);
    EXPECT_EQ(ui->messages()[0].text,
              "No setup card can be made from the profile \"Front\": the option page of its type "
              "\"Maytag Marlin\" (IDD_FAKE) is not part of this version of the library.");
}
