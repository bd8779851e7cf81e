#include "fields/field_validator.h"
#include "fields/money_text.h"
#include "platform/ui/checked_scripted_ui.h"

#include <gtest/gtest.h>

namespace {

using namespace fields;
using promptui::MB_ICONEXCLAMATION;
using promptui::MB_OK;

constexpr int kPrice = 1039;
constexpr int kTime = 1101;
const QString kInvalid = "Please enter a valid currency value in the form 'dd.cc' (dollars.cents)";

class FieldValidatorTest : public ::testing::Test {
protected:
    // The single message shown, or a failure when there were none or more.
    QString onlyMessage()
    {
        const auto& messages = ui_->messages();
        if (messages.size() != 1) {
            ADD_FAILURE() << messages.size() << " messages shown";
            return {};
        }
        EXPECT_EQ(messages[0].caption, "Input Error");
        EXPECT_EQ(messages[0].flags, MB_OK | MB_ICONEXCLAMATION);
        return messages[0].text;
    }

    QString limitsCheck(QString text, Currency multiple, Currency maximum, bool zeroAllowed = false)
    {
        ui_->clear();
        Currency result(-1);
        const bool ok = validator_.checkMoneyWithLimits(kPrice, text, false, zeroAllowed, &result,
                                                        multiple, maximum);
        EXPECT_EQ(ok, ui_->messages().empty()) << text.toStdString();
        return ok ? QString() : onlyMessage();
    }

    uitest::CheckedScriptedUi ui_;
    FieldValidator validator_;
};

// The older check: the text shown again (or the message), and the amount.
TEST_F(FieldValidatorTest, OlderMoneyCheckNormalisesOrNamesTheRange)
{
    const QString range = "Please enter a value between $0.01 and $99.99";
    const struct {
        const char* typed;
        bool blankAllowed, zeroAllowed;
        QString shown; // the normalised text, or the message
        qint64 cents;
    } cases[] = {
        {"  1.5 ", false, false, "$1.50", 150},
        {"$99.999", false, false, "$99.99", 9999},
        {"0", false, true, "$0.00", 0},
        {"100", false, false, range, -1},
        {"0.001", false, false, range, -1}, // cut to $0.00
        {"99999999999999999999999", false, false, range, -1},
        {"$", false, false, kInvalid, -1},
        {"   ", false, false, "The field cannot be blank", -1},
        {"   ", true, false, "   ", -7}, // passes and leaves result alone
    };
    for (const auto& c : cases) {
        ui_->clear();
        QString text = c.typed;
        Currency result(-7);
        const bool ok = validator_.checkMoney(kPrice, text, c.blankAllowed, c.zeroAllowed, &result);
        EXPECT_EQ(ok, c.cents != -1) << c.typed;
        EXPECT_EQ(ok ? text : onlyMessage(), c.shown) << c.typed;
        EXPECT_TRUE(ok ? ui_->messages().empty() : text == c.typed) << c.typed; // left as typed
        EXPECT_EQ(result, c.cents < 0 ? Currency(-7) : Currency::fromCents(c.cents)) << c.typed;
    }
}

TEST_F(FieldValidatorTest, RefusalNamesTheControlUntilACheckPasses)
{
    QString text = " 1,00";
    EXPECT_FALSE(validator_.checkMoney(kPrice, text, false, false));
    EXPECT_EQ(validator_.refusedControl(), kPrice);
    EXPECT_EQ(onlyMessage(), kInvalid);
    text = "1";
    EXPECT_TRUE(validator_.checkMoney(kPrice, text, false, false));
    EXPECT_FALSE(validator_.refusedControl());
}

TEST_F(FieldValidatorTest, NewerMoneyCheckUsesTheCallersMaximumAndMultiple)
{
    const Currency max995 = Currency::fromCents(995);
    const Currency max50 = Currency::fromDollars(50);
    EXPECT_EQ(limitsCheck("0.33", kNickel, max995), "Please enter a currency multiple of $0.05");
    EXPECT_EQ(limitsCheck("9.95", kNickel, max995), "");
    EXPECT_EQ(limitsCheck("9.96", kCent, max995), "Please enter a value between $0.01 and $9.95");
    EXPECT_EQ(limitsCheck("0", kNickel, max995, true), "");
    EXPECT_EQ(limitsCheck("", kCent, max50), "The field cannot be blank");

    QString blank;
    Currency result(123);
    EXPECT_TRUE(validator_.checkMoneyWithLimits(kPrice, blank, true, false, &result, kCent, max50));
    EXPECT_EQ(result, kZero); // an allowed blank is $0.00 here
}

TEST_F(FieldValidatorTest, EveryNickelAndEveryCentUpToTheMaximumPasses)
{
    // Decimal texts such as 1.15 are not exact in binary: the multiple test
    // must still see them as whole nickels.
    for (int cents = 1; cents <= 5000; ++cents) {
        const QString typed = QString::asprintf("%d.%02d", cents / 100, cents % 100);
        QString text = typed;
        Currency result;
        const bool ok = validator_.checkMoneyWithLimits(kPrice, text, false, false, &result,
                                                        cents % 5 == 0 ? kNickel : kCent,
                                                        Currency::fromDollars(50));
        ASSERT_TRUE(ok) << typed.toStdString();
        ASSERT_EQ(result, Currency::fromCents(cents)) << typed.toStdString();
        ASSERT_EQ(text, u'$' + typed);
    }
}

TEST_F(FieldValidatorTest, TimeCheckNormalisesValidTimesAndRefusesOthers)
{
    const struct {
        const char* typed;
        const char* shown = nullptr; // null: refused and left as typed
        int hour = 99, minute = 99;
    } cases[] = {{" 7:5 ", "7:05", 7, 5},
                 {"23:59", "23:59", 23, 59},
                 {"  ", "  "},
                 {"24:00"},
                 {"9:60"},
                 {"9"},
                 {":30"},
                 {"-1:30"},
                 {"9.30"},
                 {"99999999999:0"}};
    for (const auto& c : cases) {
        ui_->clear();
        QString text = c.typed;
        uint8_t hour = 99;
        uint8_t minute = 99;
        EXPECT_EQ(validator_.checkTime(kTime, text, &hour, &minute), c.shown != nullptr) << c.typed;
        EXPECT_EQ(text, c.shown ? c.shown : c.typed);
        EXPECT_EQ(hour, c.hour);
        EXPECT_EQ(minute, c.minute);
        EXPECT_EQ(ui_->messageTexts(),
                  c.shown ? QStringList() : QStringList{"The time format is invalid"});
        EXPECT_EQ(validator_.refusedControl(), c.shown ? std::nullopt : std::optional(kTime));
    }
}

// A prompt service whose box, while open, makes a second field fail, as a
// focus change under a modal box would.
class ReentrantPrompt : public promptui::PromptService {
public:
    int messageBox(const QString& text, const QString&, unsigned) override
    {
        shown << text;
        if (shown.size() == 1) {
            QString other = "x";
            innerResult = inner.checkTime(kTime, other, nullptr, nullptr);
            innerFocus = inner.refusedControl();
        }
        return promptui::IDOK;
    }
    QStringList shown;
    FieldValidator inner;
    bool innerResult = true;
    std::optional<int> innerFocus = 0;
};

TEST(InputErrors, OnlyOneInputErrorIsOpenAtATime)
{
    ReentrantPrompt prompt;
    promptui::PromptService& previous = promptui::promptService();
    promptui::setPromptService(&prompt);
    FieldValidator outer;
    QString text = "abc";
    const bool ok = outer.checkMoney(kPrice, text, false, false);
    promptui::setPromptService(&previous);

    EXPECT_FALSE(ok);
    EXPECT_EQ(prompt.shown, QStringList{kInvalid});
    EXPECT_FALSE(prompt.innerResult);
    EXPECT_FALSE(prompt.innerFocus); // not shown, so the focus stays put
    EXPECT_EQ(outer.refusedControl(), kPrice);
}

} // namespace
