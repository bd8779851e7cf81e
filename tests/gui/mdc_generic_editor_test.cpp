// Speed Queen/Huebsch MDC and Generic profiles in the profile editor: their
// pages show the stored values, and Select fills the host's record from them.
#include "profile_editor_fixture.h"

#include <cstring>

namespace profiletest {
namespace {

TEST_F(ProfileEditorTest, MdcAndGenericPagesShowTheirProfileAndSelectFillsTheRecord)
{
    QFile bin(path("setup.bin"));
    ASSERT_TRUE(bin.open(QIODevice::WriteOnly) && bin.write("\x01\x02\x03") == 3);
    bin.close();
    addProfile("Generic", 13, {{"FILE PATH", path("setup.bin")}, {"SETUP BYTE 1", 0x0A}});
    addProfile("Tumbler", 7,
               {{"MACHINE TYPE", 3},
                {"HEAT TIME", 8},
                {"COOL TIME", 0},
                {"TEMP HIGH", 0},
                {"TEMP MED", 2},
                {"TEMP LOW", 6},
                {"TEMP DELICATE", 19},
                {"TEMP UNIT", 1},
                {"AUDIO TIME", 2},
                {"SPEC PRICE BEGIN", "00:00"},
                {"SPEC PRICE END", "23:59"},
                {"TOPOFF PRICE", Currency::fromCents(25).toVariant()}});
    STRUCT_laundry_setup record;
    std::memset(&record, 0, sizeof record);
    clear_laundry_setup_struct(&record);
    char name[31];
    whenEditorOpens([&](Editor& editor) {
        EXPECT_EQ(edit(editor, "cardTypeEdit").text(), "0a");
        pickRow(editor, 1);
        const QComboBox& low = child<QComboBox>(editor, "tempLowCombo");
        EXPECT_TRUE(low.isVisible());
        EXPECT_EQ(low.currentText(), "71");
        EXPECT_EQ(child<QComboBox>(editor, "tempDelicateCombo").currentText(), "No Heat");
        EXPECT_EQ(child<QLabel>(editor, "row1Label").text(), "   High Temp");
        click(editor, "updateButton");
    });
    ASSERT_EQ(SelectLaundrySetupProfile(name, &record), 1);
    EXPECT_STREQ(name, "Tumbler");
    // The stored row reaches the record; what the page writes is tested headless.
    EXPECT_EQ(record.card_type_code, 0xC1);
    EXPECT_EQ(record.temp_low, 6);

    whenEditorOpens([&](Editor& editor) {
        pickRow(editor, 0);
        click(editor, "updateButton");
    });
    ASSERT_EQ(SelectLaundrySetupProfile(name, &record), 1);
    EXPECT_EQ(record.setup_byte_1, 0x0A);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(record.manual_setup_data), 4),
              QByteArray("\x01\x02\x03\x00", 4));
    EXPECT_TRUE(script().messages().empty());
}

} // namespace
} // namespace profiletest
