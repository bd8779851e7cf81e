// Every card details report on a card it cannot read: it shows its read
// error, titled "ERROR: Read Card", and appends nothing.
#include "report/report_fixture.h"
#include "setup/card_type_registry.h"

#include <string>

namespace {

constexpr char kData[] = "Error reading data on card";
constexpr char kSetup[] = "Error reading setup from card";
constexpr char kPriceSpecial[] = "Error reading data from card";

struct ErrorCase {
    uint8_t code;
    const char* message;
};

const ErrorCase kCases[] = {
    {0xB0, kPriceSpecial}, {180, kSetup}, {181, kSetup}, {184, kSetup}, {185, kSetup},
    {187, kSetup},         {192, kSetup}, {193, kSetup}, {197, kSetup}, {199, kData},
    {200, kData},          {201, kData},  {210, kData},  {215, kData},
};

class ReadError : public ReportFixture, public ::testing::WithParamInterface<ErrorCase> {
protected:
    // A card of the case's type, as its writer makes it when it has one.
    void insertReadableCard()
    {
        const setup::CardTypeEntry* entry = setup::cardTypeEntry(GetParam().code);
        ASSERT_TRUE(entry && entry->report);
        if (entry->writer) {
            STRUCT_laundry_setup r = testfiles::setupRecord(GetParam().code, 0, 0x0412);
            r.machine_type = 9;
            writeCard(r);
        } else {
            insertPowered(GetParam().code);
        }
    }
};

TEST_P(ReadError, FailedDataReadShowsTheErrorUntilTheFaultIsGone)
{
    insertReadableCard();
    card::faults::inject(card::FaultKind::NIMBOReadDataArea, 1, 102);
    expectReadErrorOnly(GetParam().code, GetParam().message);
    card::faults::reset();
    EXPECT_NE(appended(GetParam().code), "");
}

INSTANTIATE_TEST_SUITE_P(Reports, ReadError, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::to_string(info.param.code); });

} // namespace
