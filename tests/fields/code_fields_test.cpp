#include "fields/code_fields.h"
#include "fields/number_fields.h"
#include "platform/ui/checked_scripted_ui.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace fields;

class CodeFields : public ::testing::Test {
protected:
    // Caption, text and flags of every box since the last call.
    QStringList take()
    {
        QStringList shown;
        for (const auto& m : ui_->messages())
            shown << m.caption + " | " + m.text + " | " + QString::number(m.flags);
        ui_->clear();
        return shown;
    }
    uitest::CheckedScriptedUi ui_;
};

const QString kExclamation = QString::number(promptui::MB_OK | promptui::MB_ICONEXCLAMATION);

QString invalid(const char* what, const char* please)
{
    return QStringLiteral("Invalid %1 Entered | Please enter %2 | ").arg(what, please) +
           kExclamation;
}

// Each check passes its good texts silently and shows its one box for each bad one.
TEST_F(CodeFields, EachCheckShowsItsMessageForEveryBadText)
{
    const struct {
        std::function<bool(QStringView)> check;
        std::vector<const char16_t*> good, bad;
        QString message;
    } cases[] = {
        {checkCode,
         {u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ", u""},
         {u"abc", u"A B", u"Ä"},
         invalid("Character", "characters from 0-9 or A-Z")},
        {checkTypedCodeCharacter,
         {u"AB1", u""},
         {u"AB1z"},
         invalid("Character", "a character from 0-9 or A-Z")},
        // A wrong character is reported as such, not as a length problem.
        {checkTenCharacterCode,
         {u"A1B2C3D4E5", u""},
         {u"A1B2C3D4E", u"A1B2C3D4E5F"},
         invalid("Character", "10 characters from 0-9 or A-Z")},
        {[](QStringView t) { return checkSixDigitNumber(t).has_value(); },
         {u" 123456 ", u"000999999", u"0"},
         {u"1000000", u"-5", u"", u"99999999999999999999999"},
         invalid("Number", "a number between the range of 0 to 999999")},
    };
    for (const auto& c : cases) {
        for (const char16_t* good : c.good)
            EXPECT_TRUE(c.check(good) && take().isEmpty())
                << QStringView(good).toString().toStdString();
        for (const char16_t* bad : c.bad) {
            EXPECT_FALSE(c.check(bad));
            EXPECT_EQ(take(), QStringList{c.message}) << QStringView(bad).toString().toStdString();
        }
    }
    EXPECT_FALSE(checkTenCharacterCode(u"a"));
    EXPECT_EQ(take(), QStringList{invalid("Character", "characters from 0-9 or A-Z")});
    EXPECT_EQ(checkSixDigitNumber(u"000999999"), 999999u);
    EXPECT_FALSE(checkSixDigitNumber(int64_t(1000000)));
    EXPECT_EQ(take().size(), 1);
    EXPECT_EQ(storedTenCharacterCode(""), "0000000000");
    EXPECT_EQ(storedTenCharacterCode("A1B2C3D4E5"), "A1B2C3D4E5");
}

} // namespace
