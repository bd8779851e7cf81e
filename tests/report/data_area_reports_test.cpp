// Data collection, cycle setup and price special cards described from their
// data areas.
#include "report/formatters.h"
#include "services/cardlayout.h"
#include "services/readerio.h"
#include "setup/setup_record.h"
#include "setup/tovan2000_layout.h"
#include "support/card_fixture.h"

#include <cstring>
#include <initializer_list>
#include <string>

namespace {

constexpr uint16_t kCustomer = 0x0412;
constexpr char kBefore[] = "Card Type: test\r\n";

class DataAreaReport : public CardFixture {
protected:
    void insertPowered(uint8_t type)
    {
        insertCard(initialised(type, kCustomer));
        ASSERT_TRUE(readerio::PowerCard(readerio::POWER_ON));
    }

    // Data-area bytes from offset 0.
    static void writeDataArea(std::initializer_list<uint8_t> bytes)
    {
        HEADER_DATA_AREA area{};
        area.length = uint32_t(bytes.size());
        area.offset = 0;
        std::memcpy(area.data, bytes.begin(), bytes.size());
        ASSERT_EQ(cardlayout::NIMBOSetDataArea(&area), 0);
    }

    // What the formatter appends after a line the host already has.
    static std::string describe(void (*formatter)(QString&))
    {
        QString text = kBefore;
        formatter(text);
        if (!text.startsWith(kBefore))
            return "<host text changed>";
        return text.mid(int(sizeof kBefore) - 1).toStdString();
    }

    void expectReadError(void (*formatter)(QString&), const std::string& message)
    {
        EXPECT_EQ(describe(formatter), "");
        ASSERT_EQ(script().messages().size(), 1u);
        const ui::RecordedMessage& shown = script().messages().front();
        EXPECT_EQ(shown.text.toStdString(), message);
        EXPECT_EQ(shown.caption.toStdString(), "ERROR: Read Card");
        EXPECT_EQ(shown.buttons, unsigned(promptui::MB_OK));
    }
};

TEST_F(DataAreaReport, RecordCountComesFromTheUsedLengthAtBytesFiveAndSix)
{
    insertPowered(0xD2);
    struct Case {
        uint8_t high, low;
        const char* expected;
    };
    // Bytes 3-4 hold a different length, so reading the wrong pair shows.
    for (const Case& c :
         {Case{0x00, 8, "Total Record Count: 0\r\n"}, Case{0x00, 82, "Total Record Count: 2\r\n"},
          Case{0x00, 81, "Total Record Count: 1\r\n"},
          Case{0x01, 0x2D, "Total Record Count: 7\r\n"}}) {
        SCOPED_TRACE(c.expected);
        writeDataArea({0, 0, 0, 0x7F, 0xFF, c.high, c.low, 0});
        EXPECT_EQ(describe(&report::describeDcCard), c.expected);
    }
    EXPECT_TRUE(script().messages().empty());
}

TEST_F(DataAreaReport, ComplexDcCardCountsRecordsOf185Bytes)
{
    insertPowered(0xD7);
    // 8 + 3 x 185 + 184 = 747: three whole records.
    writeDataArea({0, 0, 0, 0, 0, 0x02, 0xEB, 0});
    EXPECT_EQ(describe(&report::describeComplexDcCard), "Total Record Count: 3\r\n");
}

TEST_F(DataAreaReport, CycleSetupCardsWrittenForWasherAndDryer)
{
    insertPowered(0);
    STRUCT_laundry_setup record;
    std::memset(&record, 0, sizeof record);
    setup::clearSetupRecord(record);
    record.card_type_code = 181;
    record.word_02 = kCustomer;

    record.scroll_speed = 3;
    record.washer = 1;
    ASSERT_EQ(setup::write_tovan2000_cycle_setup(record), 0);
    EXPECT_EQ(describe(&report::describeCycleSetup),
              "Cycle Program ID: 4\r\nTemperature: Cold\r\n");

    record.scroll_speed = 7;
    record.washer = 0;
    ASSERT_EQ(setup::write_tovan2000_cycle_setup(record), 0);
    EXPECT_EQ(describe(&report::describeCycleSetup),
              "Cycle Program ID: 8\r\nTemperature: Warm\r\n");
}

TEST_F(DataAreaReport, CycleSetupIsWarmOnlyForTemperatureCodeTwelve)
{
    insertPowered(181);
    HEADER_DATA_AREA area{};
    area.length = 44;
    area.offset = 0;
    area.data[43] = 200;
    for (const uint8_t code : {uint8_t(0x0D), uint8_t(0x08), uint8_t(0x8C)}) {
        area.data[38] = code;
        ASSERT_EQ(cardlayout::NIMBOSetDataArea(&area), 0);
        EXPECT_EQ(describe(&report::describeCycleSetup),
                  "Cycle Program ID: 200\r\nTemperature: Cold\r\n")
            << int(code);
    }
}

TEST_F(DataAreaReport, PriceSpecialCardShowsItsDefaults)
{
    insertPowered(0xB0);
    // Vend 0x0102 cents, top-off 0x0032 cents, top-off time BCD 25, 3 entries.
    writeDataArea({0, 0, 0, 0, 0, 0, 0, 0, 0x01, 0x02, 0x00, 0x32, 0x25, 3});
    EXPECT_EQ(describe(&report::describePriceSpecial), "Default Vend: $2.58\r\n"
                                                       "Default Topoff: $0.50\r\n"
                                                       "Topoff Time: 25 (mins)\r\n"
                                                       "Number of Specials: 3\r\n");
}

struct ErrorCase {
    void (*formatter)(QString&);
    const char* message;
};

TEST_F(DataAreaReport, FailedReadShowsEachFormattersMessageAndAppendsNothing)
{
    insertPowered(0xD2);
    writeDataArea({0, 0, 0, 0, 0, 0, 82, 0});
    for (const ErrorCase& c :
         {ErrorCase{&report::describeDcCard, "Error reading data on card"},
          ErrorCase{&report::describeComplexDcCard, "Error reading data on card"},
          ErrorCase{&report::describeCycleSetup, "Error reading setup from card"},
          ErrorCase{&report::describePriceSpecial, "Error reading data from card"}}) {
        SCOPED_TRACE(c.message);
        script().clear();
        card::faults::inject(card::FaultKind::NIMBOReadDataArea, 1, 102);
        expectReadError(c.formatter, c.message);
    }
}

TEST_F(DataAreaReport, CardOutOfPowerCannotBeRead)
{
    insertPowered(0xD2);
    writeDataArea({0, 0, 0, 0, 0, 0, 82, 0});
    ASSERT_TRUE(readerio::PowerCard(readerio::POWER_OFF));
    expectReadError(&report::describeDcCard, "Error reading data on card");
}

} // namespace
