// Wascomat setup card (200): the block setup/wascomat_layout.h defines, read
// straight from the card.
#include "report/formatters.h"
#include "report/report_lines.h"
#include "setup/block_read.h"
#include "setup/card_bytes.h"
#include "setup/wascomat_layout.h"

namespace report {
namespace {

using setup::WascomatSetupBlock;

// The report shows the first five programs only.
constexpr int kProgramsShown = 5;
constexpr int kOptions = 2;

QString describe(const WascomatSetupBlock& data)
{
    QString text;
    text += QStringLiteral("Machine Location: ") + cardText(data.machine_location, 10) +
            QLatin1String(kEndOfLine);
    text +=
        QStringLiteral("MachineID: ") + cardText(data.machine_id, 10) + QLatin1String(kEndOfLine);
    const auto price = [&data](const QString& label, const uint8_t(&amount)[2]) {
        return moneyLine(label, setup::load_be16(amount), data.price_unit);
    };
    for (int i = 0; i < kProgramsShown; ++i)
        text += price(QString::asprintf("Program %d price: ", i + 1), data.program_prices[i]);
    for (int i = 0; i < kOptions; ++i)
        text += price(QString::asprintf("Option %d price:  ", i + 1), data.option_prices[i]);

    if (data.feature_flags != 0) {
        text += QStringLiteral("Special pricing enabled:\r\n");
        for (int i = 0; i < kProgramsShown; ++i)
            text += price(QString::asprintf("Program %d special price: ", i + 1),
                          data.special_prices[i]);
        for (int i = 0; i < kOptions; ++i)
            text += price(QString::asprintf("Option %d special price:  ", i + 1),
                          data.special_options[i]);
    }
    return text;
}

} // namespace

void describeWascomat(QString& text)
{
    WascomatSetupBlock data{};
    if (!setup::readBlock(data, 0)) {
        showReadError(kErrorReadingData);
        return;
    }
    text += describe(data);
}

} // namespace report
