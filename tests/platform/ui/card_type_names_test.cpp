#include "services/progress.h"

#include <gtest/gtest.h>

#include <QSet>

using promptui::StrCardtype;

TEST(StrCardtype, EveryCardTypeOfTheSystemHasItsOwnReadableName)
{
    const int known[] = {0x00, 0xFF, 0xB0, 0xBE, 180, 181, 184, 185, 187, 192, 193,
                         197,  198,  199,  200,  201, 202, 210, 212, 215, 217};
    QSet<QString> names;
    for (int code : known) {
        const QString name = StrCardtype(uint8_t(code));
        // Names are put inside message lines: no line breaks.
        EXPECT_TRUE(!name.contains("Unknown") && !name.contains('\n')) << code;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), int(std::size(known)));
    EXPECT_EQ(StrCardtype(184), "Retrofit Setup Card");
    EXPECT_EQ(StrCardtype(0), "Blank Card");
    EXPECT_EQ(StrCardtype(182), "Unknown Card Type (182)");
}
