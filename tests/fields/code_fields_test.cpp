#include "fields/code_fields.h"
#include "fields/message_text.h"
#include "fields/number_fields.h"
#include "platform/ui/checked_scripted_ui.h"

#include <gtest/gtest.h>

namespace {

using namespace fields;
using promptui::MB_ICONEXCLAMATION;
using promptui::MB_OK;

class ShownMessages : public ::testing::Test {
protected:
    // Text, caption and flags of every box since the last call.
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

const QString kExclamation = QString::number(MB_OK | MB_ICONEXCLAMATION);

using CodeFields = ShownMessages;

TEST_F(CodeFields, WholeCodesTakeDigitsAndCapitalsOnly)
{
    EXPECT_TRUE(checkCode(u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    EXPECT_TRUE(checkCode(u""));
    EXPECT_TRUE(take().isEmpty());
    for (const char16_t* bad : {u"abc", u"AB-1", u"A B", u"Ä"}) {
        EXPECT_FALSE(checkCode(bad));
        EXPECT_EQ(take(), QStringList{"Invalid Character Entered | Please enter characters from "
                                      "0-9 or A-Z | " +
                                      kExclamation});
    }
}

TEST_F(CodeFields, TypedCharacterIsTheLastOne)
{
    EXPECT_TRUE(checkTypedCodeCharacter(u"AB1"));
    EXPECT_TRUE(checkTypedCodeCharacter(u""));
    EXPECT_TRUE(take().isEmpty());
    EXPECT_FALSE(checkTypedCodeCharacter(u"AB1z"));
    EXPECT_EQ(take(), QStringList{"Invalid Character Entered | Please enter a character from 0-9 "
                                  "or A-Z | " +
                                  kExclamation});
}

TEST_F(CodeFields, TenCharacterCodesAreTenLongOrEmpty)
{
    EXPECT_TRUE(checkTenCharacterCode(u"A1B2C3D4E5"));
    EXPECT_TRUE(checkTenCharacterCode(u""));
    EXPECT_TRUE(take().isEmpty());
    const QString tooShort = "Invalid Character Entered | Please enter 10 characters from 0-9 or "
                             "A-Z | " +
                             kExclamation;
    EXPECT_FALSE(checkTenCharacterCode(u"A1B2C3D4E"));
    EXPECT_EQ(take(), QStringList{tooShort});
    EXPECT_FALSE(checkTenCharacterCode(u"A1B2C3D4E5F"));
    EXPECT_EQ(take(), QStringList{tooShort});
    // A wrong character is reported as such, not as a length problem.
    EXPECT_FALSE(checkTenCharacterCode(u"a"));
    EXPECT_EQ(take().size(), 1);

    EXPECT_EQ(storedTenCharacterCode(""), "0000000000");
    EXPECT_EQ(storedTenCharacterCode("A1B2C3D4E5"), "A1B2C3D4E5");
}

using NumberFields = ShownMessages;

TEST_F(NumberFields, SixDigitNumbersRunFromZeroTo999999)
{
    EXPECT_TRUE(checkSixDigitNumber(int64_t(0)));
    EXPECT_TRUE(checkSixDigitNumber(int64_t(999999)));
    EXPECT_EQ(checkSixDigitNumber(u" 123456 "), 123456u);
    EXPECT_EQ(checkSixDigitNumber(u"000999999"), 999999u);
    EXPECT_TRUE(take().isEmpty());

    const QString range =
        "Invalid Number Entered | Please enter a number between the range of 0 to 999999 | " +
        kExclamation;
    EXPECT_FALSE(checkSixDigitNumber(int64_t(1000000)));
    EXPECT_FALSE(checkSixDigitNumber(int64_t(-1)));
    EXPECT_EQ(take(), QStringList({range, range}));
    for (const char16_t* bad : {u"1000000", u"-5", u"12a", u"", u"99999999999999999999999"}) {
        EXPECT_FALSE(checkSixDigitNumber(QStringView(bad)).has_value());
        EXPECT_EQ(take(), QStringList{range});
    }
}

using MessageText = ShownMessages;

TEST_F(MessageText, DisplayTextsTakeLettersDigitsBlanksAndDashes)
{
    EXPECT_TRUE(checkMessageText(u"Insert Card - 24 hr", "Idle"));
    EXPECT_TRUE(checkMessageText(u"", "Busy"));
    EXPECT_TRUE(take().isEmpty());

    EXPECT_FALSE(checkMessageText(u"Wash & Dry!", "Idle"));
    EXPECT_EQ(take(), QStringList{"Reader Manager | The Idle message entered has an illegal "
                                  "character (&). Please change message. | " +
                                  kExclamation});
    EXPECT_FALSE(checkMessageText(u"In use.", "Busy"));
    EXPECT_EQ(take(), QStringList{"Reader Manager | The Busy message entered has an illegal "
                                  "character (.). Please change message. | " +
                                  kExclamation});
}

} // namespace
