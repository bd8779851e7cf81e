// The editor's own name check and the record conversion's common head and tail.
#include "platform/ui/checked_scripted_ui.h"
#include "profiles/editor_rules.h"
#include "profiles/record_conversion.h"
#include "setup/profile_types.h"
#include "setup/setup_record.h"

#include <gtest/gtest.h>

using namespace profiles;

TEST(ProfileNameCheck, RefusesTheFirstCharacterAFilterOrTheHostCannotHold)
{
    const std::pair<QString, const char*> refused[] = {
        {"a|b\"c", " | "},
        {"tab\there", "U+0009"},
        {QString::fromUtf8("Caf\u00e9 \u0100"), "U+0100"}};
    for (const auto& [name, named] : refused) {
        const Check refusal = checkProfileName(name, {}, {});
        ASSERT_TRUE(refusal) << name.toStdString();
        EXPECT_TRUE(refusal->message.contains(named)) << refusal->message.toStdString();
        EXPECT_EQ(refusal->control, kIdProfileName);
    }
    EXPECT_FALSE(checkProfileName(QString::fromUtf8("Caf\u00e9 \u00ff"), {}, {}));
}

namespace {

// A page that records what the conversion hands it.
class FakePage : public PageRules {
public:
    QString pageName() const override { return QStringLiteral("IDD_FAKE"); }
    bool isAvailable() const override { return true; }
    void reset() override {}
    void load(const ColumnValues&) override {}
    ColumnValues columns() const override { return {}; }
    Check checkBeforeSave() const override { return {}; }
    void writeRecord(const CommonValues&, STRUCT_laundry_setup& r) const override { r.pulses = 42; }
};

} // namespace

TEST(RecordConversion, WritesTheCommonHeadThePageAndTheTail)
{
    uitest::CheckedScriptedUi ui;
    STRUCT_laundry_setup record;
    setup::clearSetupRecord(record);
    record.option_flags = 0x35; // bits 0, 2, 4, 5 belong to others
    record.display_flags = 0xFFFF;
    record.word_04 = 7;
    CommonValues common = newProfileValues(setup::kMaytagMarlin);
    common.vendPrice = Currency::fromCents(125);
    common.topoffPrice = Currency(2599); // $0.2599 keeps 25 cents
    common.userTransactionCollection = true;
    common.enableTokens = true;
    FakePage page;
    ASSERT_TRUE(transferDialogToRecord(common, page, record));
    EXPECT_EQ(record.vend_price, 125);
    EXPECT_EQ(record.topoff_price, 25);
    EXPECT_EQ(record.card_type_code, 0xC7);
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
