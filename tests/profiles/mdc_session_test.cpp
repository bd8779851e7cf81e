// The editor's rules of Speed Queen/Huebsch MDC profiles: tokens reach the
// page as the end of cycle-based pricing, Update wants an active day for
// time-of-day pricing, and a save keeps every column the page loaded.
#include "profile_db_fixture.h"

#include "profiles/editor_page_set.h"
#include "profiles/pages/mdc_page_rules.h"
#include "profiles/profile_editor_session.h"
#include "setup/profile_types.h"

namespace {

using namespace profiles;

class MdcSessionTest : public profiletest::ProfileDbTest {};

TEST_F(MdcSessionTest, TokensEndCyclePricingAndUpdateWantsAnActiveDay)
{
    MdcPageRules stored;
    stored.chooseMachine(MdcPageRules::Machine::Tumbler);
    stored.values().cyclePricing = true;
    stored.values().timeOfDay = true;
    stored.values().special[1] = Currency::fromCents(4321);
    addProfile("Tumblers", setup::kSpeedQueenMdc, stored.columns());

    PageRulesSet pages;
    ProfileEditorSession session(database().OpenRecordset(profileListQuery()),
                                 ProfileEditorSession::Mode::Manager, pages, nullptr);
    session.open();
    session.edit();
    session.tick(EntryBox::EnableTokens, true);
    ASSERT_EQ(ui_->messageTexts(),
              QStringList{"Cycle Based Pricing can't be enabled when using Tokens. Cycle-based "
                          "pricing will now be disabled"});
    ui_->clear();
    session.updateOrSelect();
    ASSERT_EQ(ui_->messages().size(), 1u);
    EXPECT_EQ(ui_->messages()[0].caption, "  Time of Day Pricing Configuration is incomplete.");
    EXPECT_TRUE(session.editing());

    ui_->clear();
    auto& page = static_cast<MdcPageRules&>(*pages.rules(setup::kSpeedQueenMdc));
    page.values().days[6] = true;
    session.updateOrSelect();
    EXPECT_TRUE(ui_->messages().empty());
    EXPECT_FALSE(session.editing());

    ColumnValues expected = stored.columns();
    expected["CYCLE PRICING"] = 0;
    expected["SATURDAY"] = 1;
    const ProfileValues saved = this->stored("Tumblers");
    EXPECT_TRUE(saved.common.enableTokens);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        EXPECT_EQ(saved.columns.value(it.key()), *it) << it.key().toStdString();
    EXPECT_EQ(saved.columns.size(), expected.size());
}

} // namespace
