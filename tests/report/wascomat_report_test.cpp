#include "profiles/page_catalogue.h"
#include "profiles/record_conversion.h"
#include "report/report_fixture.h"
#include "setup/profile_types.h"

namespace {

class WascomatReport : public ReportFixture {
protected:
    static STRUCT_laundry_setup wascomatRecord()
    {
        STRUCT_laundry_setup r = testfiles::setupRecord(200, 0, 0x0789);
        setup::copyTextField(r.text_field_10, 10, "WASCO");
        std::memcpy(r.text_field_1a, "WASCOMAT-7", 10);
        r.machine_type = 3;
        return r;
    }
};

// Prices are counts of the unit byte: 0x0102 x 5 is $12.90, and a product
// past 16 bits wraps (14000 x 5 = 70000 shows as 4464 cents).
TEST_F(WascomatReport, SpecialPricingWithAPriceUnitOfFive)
{
    STRUCT_laundry_setup r = wascomatRecord();
    const uint16_t prices[6] = {0x0102, 20, 25, 40, 0, 999};
    std::memcpy(r.wascomat_prices, prices, sizeof prices);
    const uint16_t specials[6] = {18, 19, 30, 1, 2, 777};
    std::memcpy(r.wascomat_spec_prices, specials, sizeof specials);
    const uint16_t adders[4] = {10, 3, 14000, 1};
    std::memcpy(r.wascomat_adders, adders, sizeof adders);
    r.feature_flags = 0x80;
    writeCard(r);
    putData(105, QByteArray(1, 5)); // a price unit our writer never stores (it stores 1)

    EXPECT_EQ(appended(200), "Machine Location: WASCO\r\n"
                             "MachineID: WASCOMAT-7\r\nProgram 1 price: $12.90\r\n"
                             "Program 2 price: $1.00\r\nProgram 3 price: $1.25\r\n"
                             "Program 4 price: $2.00\r\nProgram 5 price: $0.00\r\n"
                             "Option 1 price:  $0.50\r\nOption 2 price:  $0.15\r\n"
                             "Special pricing enabled:\r\nProgram 1 special price: $0.90\r\n"
                             "Program 2 special price: $0.95\r\nProgram 3 special price: $1.50\r\n"
                             "Program 4 special price: $0.05\r\nProgram 5 special price: $0.10\r\n"
                             "Option 1 special price:  $44.64\r\n"
                             "Option 2 special price:  $0.05\r\n");
}

TEST_F(WascomatReport, NoSpecialPricingAsOurWriterStoresIt)
{
    STRUCT_laundry_setup r = wascomatRecord();
    r.wascomat_prices[2] = 60000;
    r.wascomat_prices[4] = 7;
    r.wascomat_adders[1] = 65535;
    r.feature_flags = 0;
    r.spec_days = 0x7F;
    writeCard(r);

    const QString text = appended(200);
    EXPECT_TRUE(text.contains("Program 3 price: $600.00\r\n")) << text.toStdString();
    EXPECT_TRUE(text.endsWith("Program 5 price: $0.07\r\nOption 1 price:  $0.00\r\n"
                              "Option 2 price:  $655.35\r\n"));
}

// A Wascomat profile as the operator enters it, through the editor's
// conversion and the writer, comes back in the card details report.
TEST_F(WascomatReport, AProfileComesBackInTheReport)
{
    profiles::ColumnValues columns = {
        {"PRICE1", Currency::fromCents(325).toVariant()},
        {"PRICE5", Currency::fromCents(65535).toVariant()},
        {"STANDARD ADDER OPTION2", Currency::fromCents(75).toVariant()},
        {"SPEC PRICE 2", Currency::fromCents(110).toVariant()},
        {"SPECIAL ADDER OPTION1", Currency().toVariant()},
        {"SPEC PRICING", 1},
        {"SATURDAY", 1},
    };
    const std::unique_ptr<profiles::PageRules> page = profiles::makePageRules(setup::kWascomat);
    page->load(columns);
    STRUCT_laundry_setup record = testfiles::setupRecord(0, 0, 0);
    ASSERT_TRUE(profiles::transferDialogToRecord(profiles::newProfileValues(setup::kWascomat),
                                                 *page, record));
    writeCard(record);

    EXPECT_EQ(appended(200), "Machine Location:           \r\nMachineID:           \r\n"
                             "Program 1 price: $3.25\r\nProgram 2 price: $2.00\r\n"
                             "Program 3 price: $2.00\r\nProgram 4 price: $2.00\r\n"
                             "Program 5 price: $655.35\r\nOption 1 price:  $0.25\r\n"
                             "Option 2 price:  $0.75\r\nSpecial pricing enabled:\r\n"
                             "Program 1 special price: $1.50\r\nProgram 2 special price: $1.10\r\n"
                             "Program 3 special price: $1.50\r\nProgram 4 special price: $1.50\r\n"
                             "Program 5 special price: $1.50\r\nOption 1 special price:  $0.00\r\n"
                             "Option 2 special price:  $0.50\r\n");
}

} // namespace
